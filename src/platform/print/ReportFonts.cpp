#include "platform/print/ReportFonts.h"

namespace brevane {

namespace {

// A serif face to match the layout's, then a sans one where only that is installed. The layout's
// font itself (Liberation Serif) has Latin, Greek, Cyrillic and Hebrew letters.
struct ScriptFonts {
    QLocale::Script script;
    const char* serif;
    const char* sans;
};
constexpr ScriptFonts kScriptFonts[] = {
    {QLocale::JapaneseScript, "Noto Serif CJK JP", "Noto Sans CJK JP"},
    {QLocale::SimplifiedHanScript, "Noto Serif CJK SC", "Noto Sans CJK SC"},
    {QLocale::TraditionalHanScript, "Noto Serif CJK TC", "Noto Sans CJK TC"},
    {QLocale::KoreanScript, "Noto Serif CJK KR", "Noto Sans CJK KR"},
    {QLocale::ArabicScript, "Noto Naskh Arabic", "Noto Sans Arabic"},
    {QLocale::HebrewScript, "Noto Serif Hebrew", "Noto Sans Hebrew"},
};

} // namespace

QStringList reportFontFamilies(const QString& layoutFamily, QLocale::Script script)
{
    QStringList families{layoutFamily};
    for (const ScriptFonts& fonts : kScriptFonts)
        if (fonts.script == script)
            families << QString::fromLatin1(fonts.serif) << QString::fromLatin1(fonts.sans);
    return families;
}

} // namespace brevane
