// The configuration file through both readers, the start-up reader and the settings dialog's
// Load. An accepted configuration is then shown by the settings dialog's logic and run by the
// three tests for a few elements, all of which index arrays with numbers the file gave.
#include "FuzzChecks.h"
#include "complex_test/ChoiceEngine.h"
#include "config/ConfigFile.h"
#include "config/SettingsEditor.h"
#include "fakes/Fakes.h"
#include "simple_test/SimpleEngine.h"

using namespace brevane;
using fuzz::require;

namespace {

struct Window final : SimpleTestView, ChoiceTestView {
    void render() override { }
    void presentStimulus() override { }
    Presentation presentElement() override { return {}; }
    QPoint leftTargetCentre() const override { return {}; }
};

// Start, then every timer fired a few times, as the elements of a series come and go.
template <typename Make> void runSeries(Make make)
{
    fakes::FakePlatform fp;
    Window window;
    const auto engine = make(fp.platform, window);
    engine->initialise();
    fp.prompt.answers = {MsgAnswer::Yes};
    engine->start();
    for (int i = 0; i < 8; ++i)
        for (fakes::FakeTimer* timer : fp.timers.timers)
            timer->fire();
}

template <auto reader, ConfigLayout layout> void check(const std::uint8_t* data, std::size_t size)
{
    fuzz::Bytes input(data, size);
    ReflexConfig before; // run counts away from the defaults, so that a change shows
    std::tie(before.Normal.RunCount, before.Color.RunCount, before.Number.RunCount) = std::tuple(7, 3, 19);
    ReflexConfig config = before;
    const ConfigReadResult result = reader(input, config);
    require(result == ConfigReadResult::Ok || config == before || result == ConfigReadResult::BadValue,
            "a refused configuration file changed the configuration");
    require(layout == ConfigLayout::Full || config.Number.RunCount == 19, "the dialog's reader changed a run count");
    if (result != ConfigReadResult::Ok)
        return; // the dialog's Load keeps Config after BadValue
    fuzz::requireRoundTrip(
        config, [](QIODevice& d, const ReflexConfig& c) { return writeConfig(d, c, layout); },
        [](QIODevice& d, ReflexConfig& c) { return reader(d, c) == ConfigReadResult::Ok; });

    AppState state;
    state.Config = config;
    fakes::FakePlatform fp;
    fakes::FakeMixer mixer;
    SettingsEditor editor(state, fp.platform, mixer);
    editor.load();
    for (int f = 0; f < int(SettingsField::ElementBox0) + kElementBoxes; ++f)
        (void)editor.text(SettingsField(f)), (void)editor.enabled(SettingsField(f)),
            (void)editor.swatch(f % kElementBoxes);
    editor.clickTriggerColourBox();
    for (const TestDescriptor* test : {&kColorTest, &kNumberTest})
        runSeries([&](const Platform& p, Window& w) {
            const ChoiceStyle style = test == &kColorTest ? ChoiceStyle::Color : ChoiceStyle::Number;
            return std::make_unique<ChoiceEngine>(style, *test, state, p, p.random, w, [] {});
        });
    runSeries([&](const Platform& p, Window& w) { return std::make_unique<SimpleEngine>(state, p, w, [] {}); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    check<readStartupConfig, ConfigLayout::Full>(data, size);
    check<readDialogConfig, ConfigLayout::Short>(data, size);
    return 0;
}
