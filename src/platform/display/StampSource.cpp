#include "platform/display/StampSource.h"

#include <QCoreApplication>

namespace brevane {

namespace {

// The trace's word and the timing check's name are the same in every language (tools read
// them); a teacher's words are translated, in the context of the stamps' notices.
struct StampSourceWords {
    StampSource source;
    const char* trace;
    const char* timingCheck;
    const char* teacherExact;
    const char* teacherEstimated; // nullptr: the same as exact
};

constexpr StampSourceWords kStampSources[] = {
    {StampSource::Clock, "clock", "repaint", QT_TRANSLATE_NOOP("DisplayStamps", "the clock after a repaint"), nullptr},
    {StampSource::HandOver, "handover", "hand-over",
     QT_TRANSLATE_NOOP("DisplayStamps", "the hand-over to the X server"), nullptr},
    {StampSource::Present, "present", "present", QT_TRANSLATE_NOOP("DisplayStamps", "the display's refresh"),
     QT_TRANSLATE_NOOP("DisplayStamps", "the X server's refresh, not the pixel's")},
    {StampSource::FrameTimings, "frame-timings", "compositor frame timings",
     QT_TRANSLATE_NOOP("DisplayStamps", "the compositor's frame timings"), nullptr},
    {StampSource::Readback, "readback", "screen read back", QT_TRANSLATE_NOOP("DisplayStamps", "the screen read back"),
     nullptr},
    {StampSource::Feedback, "feedback", "presentation feedback",
     QT_TRANSLATE_NOOP("DisplayStamps", "the Wayland compositor's report of the frame"), nullptr},
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
    const QString said = QCoreApplication::translate("DisplayStamps", teacher);
    return exact ? QCoreApplication::translate("DisplayStamps", "%1 (exact)").arg(said)
                 : QCoreApplication::translate("DisplayStamps", "%1 (estimated)").arg(said);
}

} // namespace brevane
