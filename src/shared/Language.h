#pragma once
// Which language the program speaks, and its translations installed. The language comes from
// --language CODE, else the lab's Brevane.conf ([General] Language=, the user's file before
// /etc/xdg/Brevane/), else the system's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as
// QLocale::system().uiLanguages() reads them). A language without a translation is English,
// the program's own. Translations are brevane_<code>.qm files, looked for in the data folders
// first (<data>/brevane/translations: a lab's own or corrected translation) and then among
// those built into the program; Qt's own (qtbase_<code>.qm) give its dialogs the same language.
// Numbers on the screen and in reports follow the language shown (German "0,234"); files
// always keep the period.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <vector>

class QCoreApplication;

namespace brevane {

inline constexpr char kLanguageKey[] = "Language"; // Brevane.conf's [General] Language=
inline constexpr char kEnglish[] = "en";           // the source texts, needing no file

// The folders translation files are looked for in, first match winning: the data folders'
// brevane/translations (~/.local/share, /usr/local/share, /usr/share: the installed files),
// then those built into the program, ":/i18n".
QStringList translationFolders();

// The language codes ("de", "pt_BR") that brevane_<code>.qm files in `folders` offer.
QStringList availableLanguages(const QStringList& folders);

// A language code as the files name it: "pt-BR", "pt_br" -> "pt_BR"; "" when not a code.
QString normalisedLanguage(const QString& code);

// The language to show: `requested` ("" when nothing asked) where it is available, else the first
// of `uiLanguages` ("de-DE", "en-US" ...) that is English or available, matched by its whole code,
// then by its language alone ("de-AT" is "de", "pt-PT" is not "pt_BR"). English otherwise, and
// for a requested language without a translation.
QString chooseLanguage(const QString& requested, const QStringList& uiLanguages, const QStringList& available);

// The locale numbers are shown in for language `code`: the system's where it is of that
// language (its region's conventions), else the language's own; the C locale for English, so
// the English program shows what it always did. Never with group separators.
QLocale displayLocale(const QString& code, const QLocale& system);

// Whether the program shows its own English: the default locale is then the C locale.
bool englishShown();

// The translators of one language, installed into the application while this lives.
class Translations {
public:
    // Loads brevane_<code>.qm from `folders` and Qt's qtbase_<code>.qm, installs both and makes
    // displayLocale() the default locale (the C locale for English, which installs nothing).
    Translations(const QString& code, const QStringList& folders);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    QString language() const { return code_; }
    // Whether the program's own file was found (false for English).
    bool loaded() const { return loaded_; }

private:
    QString code_;
    bool loaded_ = false;
    std::vector<std::unique_ptr<QTranslator>> installed_;
};

} // namespace brevane
