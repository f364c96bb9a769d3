#include "shared/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace brevane {

namespace {

const QString kPrefix = QStringLiteral("brevane_");
const QString kBuiltIn = QStringLiteral(":/i18n");

QString languageOnly(const QString& code)
{
    return code.section(u'_', 0, 0);
}

} // namespace

QStringList translationFolders()
{
    QStringList folders = QStandardPaths::locateAll(
        QStandardPaths::GenericDataLocation, QStringLiteral("brevane/translations"), QStandardPaths::LocateDirectory);
    folders << kBuiltIn;
    return folders;
}

QStringList availableLanguages(const QStringList& folders)
{
    QStringList codes;
    for (const QString& folder : folders)
        for (const QString& file : QDir(folder).entryList({kPrefix + QStringLiteral("*.qm")}, QDir::Files)) {
            const QString code = normalisedLanguage(file.mid(kPrefix.size()).chopped(3));
            if (!code.isEmpty() && !codes.contains(code))
                codes << code;
        }
    codes.sort();
    return codes;
}

QString normalisedLanguage(const QString& code)
{
    static const QRegularExpression form(QStringLiteral("^([A-Za-z]{2,3})(?:[-_]([A-Za-z]{2}|[0-9]{3}))?$"));
    const QRegularExpressionMatch m = form.match(code.trimmed());
    if (!m.hasMatch())
        return {};
    const QString language = m.captured(1).toLower();
    return m.captured(2).isEmpty() ? language : language + u'_' + m.captured(2).toUpper();
}

QString chooseLanguage(const QString& requested, const QStringList& uiLanguages, const QStringList& available)
{
    const auto english = [] { return QString::fromLatin1(kEnglish); };
    const auto match = [&](const QString& wanted) -> QString {
        QString code = normalisedLanguage(wanted);
        if (code.isEmpty())
            return {};
        if (languageOnly(code) == english())
            return english();
        if (available.contains(code))
            return code;
        // A region that has no file of its own takes the language's file without region.
        return available.contains(languageOnly(code)) ? languageOnly(code) : QString();
    };
    if (!requested.isEmpty()) {
        QString code = match(requested);
        return code.isEmpty() ? english() : code;
    }
    for (const QString& wanted : uiLanguages) {
        // Qt also lists the script ("zh-Hans-CN"); the files name language and region only.
        const QStringList parts = wanted.split(u'-');
        const QString plain = parts.size() == 3 ? parts[0] + u'-' + parts[2] : wanted;
        if (QString code = match(plain); !code.isEmpty())
            return code;
    }
    return english();
}

QLocale displayLocale(const QString& code, const QLocale& system)
{
    if (code == QLatin1String(kEnglish))
        return QLocale::c();
    const QLocale language(code);
    QLocale locale = system.language() == language.language() ? system : language;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

bool englishShown()
{
    return QLocale() == QLocale::c();
}

Translations::Translations(const QString& code, const QStringList& folders)
    : code_(code)
{
    QLocale::setDefault(displayLocale(code_, QLocale::system()));
    if (code_ == QLatin1String(kEnglish))
        return;
    for (const QString& folder : folders) {
        auto own = std::make_unique<QTranslator>();
        if (own->load(kPrefix + code_, folder)) {
            QCoreApplication::installTranslator(own.get());
            installed_.push_back(std::move(own));
            loaded_ = true;
            break;
        }
    }
    // Qt's standard buttons and its file, print and colour dialogs; Qt names Brazil's "pt_BR" too.
    auto qt = std::make_unique<QTranslator>();
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (qt->load(QStringLiteral("qtbase_") + code_, qtFolder) ||
        qt->load(QStringLiteral("qtbase_") + languageOnly(code_), qtFolder)) {
        QCoreApplication::installTranslator(qt.get());
        installed_.push_back(std::move(qt));
    }
}

Translations::~Translations()
{
    for (const auto& t : installed_)
        QCoreApplication::removeTranslator(t.get());
}

} // namespace brevane
