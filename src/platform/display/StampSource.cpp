#include "platform/display/StampSource.h"

namespace brevane {

namespace {

struct StampSourceWords {
    StampSource source;
    const char* trace;
    const char* timingCheck;
    const char* teacherExact;
    const char* teacherEstimated; // nullptr: the same as exact
};

constexpr StampSourceWords kStampSources[] = {
    {StampSource::Clock, "clock", "repaint", "the clock after a repaint", nullptr},
    {StampSource::HandOver, "handover", "hand-over", "the hand-over to the X server", nullptr},
    {StampSource::Present, "present", "present", "the display's refresh", "the X server's refresh, not the pixel's"},
    {StampSource::FrameTimings, "frame-timings", "compositor frame timings", "the compositor's frame timings", nullptr},
    {StampSource::Readback, "readback", "screen read back", "the screen read back", nullptr},
    {StampSource::Feedback, "feedback", "presentation feedback", "the Wayland compositor's report of the frame",
     nullptr},
};

const StampSourceWords& wordsOf(StampSource source)
{
    for (const StampSourceWords& words : kStampSources)
        if (words.source == source)
            return words;
    return kStampSources[0];
}

} // namespace

const char* stampSourceName(StampSource source)
{
    return wordsOf(source).trace;
}

QString displayStampSourceName(StampSource source)
{
    return QString::fromLatin1(wordsOf(source).timingCheck);
}

QString stampWords(StampSource source, bool exact)
{
    const StampSourceWords& words = wordsOf(source);
    const char* teacher = exact || !words.teacherEstimated ? words.teacherExact : words.teacherEstimated;
    return QString::fromLatin1(teacher) + (exact ? QStringLiteral(" (exact)") : QStringLiteral(" (estimated)"));
}

} // namespace brevane
