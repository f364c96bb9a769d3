#include "config/ConfigFile.h"
#include "shared/AtomicFile.h"
#include "shared/FileRead.h"

#include <QFile>
#include <QList>
#include <optional>
#include <vector>

namespace brevane {

namespace {

// The fields in file order; the run counts belong to the full layout only.
std::vector<qint16*> fieldsInFileOrder(ReflexConfig& c, ConfigLayout layout)
{
    const bool full = layout == ConfigLayout::Full;
    std::vector<qint16*> out;
    out.reserve(kFullLayoutLines - 1);
    SimpleConfigBlock& n = c.Normal;
    out.insert(out.end(), {&n.IntervalTiming, &n.FixedTimeInterval, &n.TriggerOn, &n.Reserved, &n.MinimumTimeInterval});
    if (full)
        out.push_back(&n.RunCount);
    for (ChoiceConfigBlock* b : {&c.Color, &c.Number}) {
        out.insert(out.end(), {&b->IntervalTiming, &b->FixedTimeInterval, &b->MinimumTimeInterval, &b->DisplayTime,
                               &b->MakeSound, &b->TriggerOn, &b->TriggerElement, &b->LastElement, &b->Reserved});
        for (int i = 0; i < 10; ++i)
            out.push_back(&b->Element[i]);
        out.push_back(&b->CurrentElement);
        if (full)
            out.push_back(&b->RunCount);
    }
    return out;
}

// Lines ended by CR LF (also a lone CR or LF); trailing blank lines are dropped, a last line
// without a line end is kept.
QList<QByteArray> splitLines(const QByteArray& data)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < data.size(); ++i) {
        const char ch = data.at(i);
        if (ch != '\r' && ch != '\n')
            continue;
        lines.append(data.mid(start, i - start));
        if (ch == '\r' && i + 1 < data.size() && data.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < data.size())
        lines.append(data.mid(start));
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

// The lines of an accepted file and its layout, or nothing when the header or the line count
// is wrong.
struct CheckedFile {
    QList<QByteArray> lines;
    ConfigLayout layout = ConfigLayout::Full;
};

std::optional<CheckedFile> checkFile(QIODevice& device)
{
    QByteArray data = device.readAll();
    skipByteOrderMark(data); // a hand-edited file may begin with one
    CheckedFile file{splitLines(data)};
    if (file.lines.isEmpty() || !isConfigHeader(file.lines.first()))
        return std::nullopt;
    if (file.lines.size() == kFullLayoutLines)
        file.layout = ConfigLayout::Full;
    else if (file.lines.size() == kShortLayoutLines)
        file.layout = ConfigLayout::Short;
    else
        return std::nullopt;
    return file;
}

enum class OnBadValue { Skip, Stop };

// Takes the values after the header into the fields of the file's layout.
ConfigReadResult takeValues(const CheckedFile& file, ReflexConfig& into, OnBadValue onBad)
{
    const std::vector<qint16*> fields = fieldsInFileOrder(into, file.layout);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        bool ok = false;
        const qint16 value = file.lines.at(qsizetype(i) + 1).trimmed().toShort(&ok);
        if (ok)
            *fields[i] = value;
        else if (onBad == OnBadValue::Stop)
            return ConfigReadResult::BadValue;
    }
    return ConfigReadResult::Ok;
}

struct RunCounts {
    qint16 normal, color, number;

    static RunCounts of(const ReflexConfig& c) { return {c.Normal.RunCount, c.Color.RunCount, c.Number.RunCount}; }
    void applyTo(ReflexConfig& c) const
    {
        c.Normal.RunCount = normal;
        c.Color.RunCount = color;
        c.Number.RunCount = number;
    }
};

} // namespace

bool writeConfig(QIODevice& device, const ReflexConfig& config, ConfigLayout layout)
{
    QByteArray text;
    text += '"';
    text += kConfigFileHeader;
    text += "\"\r\n";
    ReflexConfig copy = config;
    for (const qint16* field : fieldsInFileOrder(copy, layout)) {
        text += QByteArray::number(*field);
        text += "\r\n";
    }
    return device.write(text) == text.size();
}

bool isConfigHeader(QByteArray line)
{
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    if (line.size() >= 2 && line.startsWith('"') && line.endsWith('"'))
        line = line.mid(1, line.size() - 2);
    return line == kConfigFileHeader;
}

ConfigReadResult readStartupConfig(QIODevice& device, ReflexConfig& into)
{
    const std::optional<CheckedFile> file = checkFile(device);
    if (!file)
        return ConfigReadResult::Invalid;
    takeValues(*file, into, OnBadValue::Skip);
    if (file->layout == ConfigLayout::Short)
        RunCounts::of(ReflexConfig::defaults(into)).applyTo(into);
    return ConfigReadResult::Ok;
}

ConfigReadResult readDialogConfig(QIODevice& device, ReflexConfig& into)
{
    const std::optional<CheckedFile> file = checkFile(device);
    if (!file)
        return ConfigReadResult::Invalid;
    const RunCounts kept = RunCounts::of(into);
    const ConfigReadResult result = takeValues(*file, into, OnBadValue::Stop);
    kept.applyTo(into);
    return result;
}

bool writeDefaultConfiguration(ReflexConfig& config, const QDir& dir)
{
    config = ReflexConfig::defaults(config);
    return replaceFileAtomically(
               dir.filePath(QLatin1String(kDefaultConfigFileName)),
               [&config](QIODevice& device) { return writeConfig(device, config, ConfigLayout::Full); })
        .ok;
}

} // namespace brevane
