#include "platform/print/ReportFonts.h"

namespace brevane {

QStringList reportFontFamilies(const QString& layoutFamily, QLocale::Script script)
{
    QStringList families{layoutFamily};
    switch (script) {
    case QLocale::JapaneseScript:
        families << QStringLiteral("Noto Serif CJK JP") << QStringLiteral("Noto Sans CJK JP");
        break;
    case QLocale::SimplifiedHanScript:
        families << QStringLiteral("Noto Serif CJK SC") << QStringLiteral("Noto Sans CJK SC");
        break;
    case QLocale::TraditionalHanScript:
        families << QStringLiteral("Noto Serif CJK TC") << QStringLiteral("Noto Sans CJK TC");
        break;
    case QLocale::KoreanScript:
        families << QStringLiteral("Noto Serif CJK KR") << QStringLiteral("Noto Sans CJK KR");
        break;
    case QLocale::ArabicScript:
        families << QStringLiteral("Noto Naskh Arabic") << QStringLiteral("Noto Sans Arabic");
        break;
    case QLocale::HebrewScript:
        families << QStringLiteral("Noto Serif Hebrew") << QStringLiteral("Noto Sans Hebrew");
        break;
    default:
        break; // the layout's font (Liberation Serif) has Latin, Greek and Cyrillic
    }
    return families;
}

} // namespace brevane
