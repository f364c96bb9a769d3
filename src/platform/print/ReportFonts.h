#pragma once
// The report's font for the language shown: the family the page was laid out for, followed by a
// family of the language's script where the first has none of its letters, so that a Japanese,
// Chinese, Korean, Arabic or Hebrew report shows its glyphs (fonts-noto-cjk, fonts-noto-core).
// Qt takes each letter from the first family that has it; Latin letters and the digits keep the
// layout's font and so its widths.

#include <QLocale>
#include <QString>
#include <QStringList>

namespace brevane {

QStringList reportFontFamilies(const QString& layoutFamily, QLocale::Script script);

} // namespace brevane
