#include "fakes/Fakes.h"
#include "platform/print/ReportFonts.h"
#include "shared/Formats.h"
#include "shared/Language.h"

#include <QCoreApplication>

using namespace brevane;

namespace {
struct ChoiceCase {
    const char* name;
    const char* requested;   // --language or Brevane.conf; "" for neither
    QStringList uiLanguages; // as QLocale::system().uiLanguages() lists them
    const char* chosen;
};
struct LocaleCase {
    const char* name;
    const char* language;
    const char* system;
    float seconds;
    const char* shown;
};
const QStringList kAvailable{"ar", "de", "ja", "pt_BR", "zh_CN"};
} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    // What was asked wins where there is a translation of it, and gives English where there is
    // none; the system's list is walked in its order, English in it stopping the walk; a region
    // without a file of its own takes the language's, a language of another region's file not.
    void choice_data()
    {
        fakes::addRows<ChoiceCase>({
            {"system German", "", {"de-DE", "de"}, "de"},
            {"system English", "", {"en-US", "de-DE"}, "en"},
            {"first with a translation", "", {"fr-FR", "ja-JP", "de"}, "ja"},
            {"none translated", "", {"fr-FR", "it"}, "en"},
            {"script in the list", "", {"zh-Hans-CN"}, "zh_CN"},
            {"Brazil", "", {"pt-BR"}, "pt_BR"},
            {"Portugal is not Brazil", "", {"pt-PT", "pt"}, "en"},
            {"asked over the system", "ar", {"de-DE"}, "ar"},
            {"asked with region", "de_CH", {"ja-JP"}, "de"},
            {"asked in another spelling", "PT-br", {}, "pt_BR"},
            {"asked English", "en", {"de-DE"}, "en"},
            {"asked without translation", "fr", {"de-DE"}, "en"},
            {"asked nonsense", "--x", {"de-DE"}, "en"},
        });
    }
    void choice()
    {
        QFETCH(ChoiceCase, row);
        QCOMPARE(chooseLanguage(QString::fromLatin1(row.requested), row.uiLanguages, kAvailable),
                 QString::fromLatin1(row.chosen));
    }

    // Times on the screen and in reports: the language's decimal mark, the system's region where it
    // speaks that language; English exactly as before; never a group separator.
    void shownNumbers_data()
    {
        fakes::addRows<LocaleCase>({
            {"English", "en", "de_DE", 0.234f, "0.234"},
            {"English, long", "en", "en_US", 1234.5f, "1234.500"},
            {"German", "de", "en_US", 0.234f, "0,234"},
            {"German, long", "de", "de_DE", 1234.5f, "1234,500"},
            {"Swiss German system", "de", "de_CH", 0.234f, "0.234"},
        });
    }
    void shownNumbers()
    {
        QFETCH(LocaleCase, row);
        const QLocale before;
        QLocale::setDefault(displayLocale(QString::fromLatin1(row.language), QLocale(QString::fromLatin1(row.system))));
        const QString shown = formatSeconds(row.seconds);
        QLocale::setDefault(before);
        QCOMPARE(shown, QString::fromLatin1(row.shown));
    }

    void normalised_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("code");
        for (const auto& [given, code] : {std::pair{"DE", "de"},
                                          {"pt-BR", "pt_BR"},
                                          {"zh_cn", "zh_CN"},
                                          {" ja ", "ja"},
                                          {"es-419", "es_419"},
                                          {"de_DE.UTF-8", ""}})
            QTest::newRow(given) << QString::fromLatin1(given) << QString::fromLatin1(code);
    }
    void normalised()
    {
        QFETCH(QString, given);
        QFETCH(QString, code);
        QCOMPARE(normalisedLanguage(given), code);
    }

    // The built-in translations are found, installed and speak; English installs none and leaves the
    // texts as they are.
    void builtInTranslations()
    {
        const QStringList available = availableLanguages(translationFolders());
        for (const char* shipped : {"de", "ja", "ar"})
            QVERIFY2(available.contains(QLatin1String(shipped)), qPrintable(available.join(u' ')));
        const char* source = "Are you sure you want to exit?";
        {
            const Translations german(QStringLiteral("de"), translationFolders());
            QVERIFY(german.loaded());
            QCOMPARE(QCoreApplication::translate("frmMain", source),
                     QStringLiteral("Wollen Sie das Programm wirklich beenden?"));
            QVERIFY(!englishShown());
        }
        const Translations english(QStringLiteral("en"), translationFolders());
        QVERIFY(!english.loaded());
        QCOMPARE(QCoreApplication::translate("frmMain", source), QString::fromLatin1(source));
        QVERIFY(englishShown());
    }

    // A folder in the data folders, where a lab puts its own or a corrected translation, comes
    // before the built-in one.
    void labFolderFirst()
    {
        QTemporaryDir home;
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral("brevane/translations")));
        const QStringList folders = translationFolders();
        QCOMPARE(folders.first(), home.filePath(QStringLiteral("brevane/translations")));
        QCOMPARE(folders.last(), QStringLiteral(":/i18n"));
    }

    // A report in Japanese asks for a font of the script after the layout's own; a Latin one for that alone.
    void reportFonts()
    {
        const QString layout = QStringLiteral("Times New Roman");
        QCOMPARE(reportFontFamilies(layout, QLocale::LatinScript), QStringList{layout});
        const QStringList japanese = reportFontFamilies(layout, QLocale::JapaneseScript);
        QVERIFY(japanese.size() == 3 && japanese.first() == layout);
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
