// The configuration file through both readers: the start-up reader and the settings dialog's
// Load. An accepted configuration is then shown in the settings dialog's logic and run by the
// three tests for a few elements, all of which index arrays with numbers the file gave.
#include "FuzzChecks.h"
#include "complex_test/ChoiceEngine.h"
#include "config/ConfigFile.h"
#include "config/SettingsEditor.h"
#include "fakes/Fakes.h"
#include "simple_test/SimpleEngine.h"

using namespace reflex;
using fuzz::require;

namespace {

// Fields away from the defaults, so that a refused file that changed one shows.
ReflexConfig before()
{
    ReflexConfig c;
    c.Normal.RunCount = 7;
    c.Color.RunCount = 3;
    c.Number.RunCount = 19;
    c.Color.Element[10] = 5;
    c.Number.DisplayTime = 1234;
    return c;
}

struct Window final : SimpleTestView, ChoiceTestView {
    void render() override {}
    void presentStimulus() override {}
    Presentation presentElement() override { return {}; }
    QPoint leftTargetCentre() const override { return {}; }
};

// Start, then every timer of the test fired a few times, as the series' elements come and go.
template <typename Engine>
void runFor(Engine& engine, fakes::FakePlatform& fp)
{
    engine.initialise();
    fp.prompt.answers = {MsgAnswer::Yes};
    engine.start();
    for (int i = 0; i < 8; ++i)
        for (fakes::FakeTimer* timer : fp.timers.timers)
            timer->fire();
    engine.stop();
}

template <auto reader, ConfigLayout layout>
void checkReader(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes input(data, size);
    ReflexConfig config = before();
    const ConfigReadResult result = reader(input.device(), config);
    if (result == ConfigReadResult::Invalid) {
        require(config == before(), "a refused configuration file changed the configuration");
        return;
    }
    if (result == ConfigReadResult::BadValue) {
        // Load then keeps Config; the run counts are never the dialog's to change.
        require(config.Normal.RunCount == 7 && config.Color.RunCount == 3 && config.Number.RunCount == 19,
                "the dialog's reader changed a run count");
        return;
    }
    fuzz::requireRoundTrip(
        config, [](QIODevice& d, const ReflexConfig& c) { return writeConfig(d, c, layout); },
        [](QIODevice& d, ReflexConfig& c) { return reader(d, c) == ConfigReadResult::Ok; });

    fakes::FakePlatform fp;
    fakes::FakeMixer mixer;
    AppState state;
    state.Config = config;
    SettingsEditor editor(state, fp.platform, mixer);
    editor.load();
    for (int f = 0; f < int(SettingsField::ElementBox0) + kElementBoxes; ++f)
        (void)editor.text(SettingsField(f)), (void)editor.enabled(SettingsField(f));
    for (int i = 0; i < kElementBoxes; ++i)
        (void)editor.swatch(i);
    (void)editor.triggerColourBox();
    editor.clickTriggerColourBox();

    Window window;
    for (ChoiceTest test : {ChoiceTest::Color, ChoiceTest::Number}) {
        fakes::FakePlatform choice;
        ChoiceEngine engine(test, state, choice.platform, state.Random, window, [] {});
        runFor(engine, choice);
    }
    fakes::FakePlatform simple;
    SimpleEngine engine(state, simple.platform, window, [] {});
    runFor(engine, simple);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    checkReader<readStartupConfig, ConfigLayout::Full>(data, size);
    checkReader<readDialogConfig, ConfigLayout::Short>(data, size);
    return 0;
}
