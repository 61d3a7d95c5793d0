#include "app/uilanguage.h"
#include "comforts/comfortsettings.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestUiLanguage : public QObject
{
    Q_OBJECT

private slots:
    void desktopLanguageChoosesTheGamesLanguage_data();
    void desktopLanguageChoosesTheGamesLanguage();
    void languageChosenInSettingsWinsOverTheDesktop_data();
    void languageChosenInSettingsWinsOverTheDesktop();
    void qtDialogsSpeakTheGamesLanguage_data();
    void qtDialogsSpeakTheGamesLanguage();
};

void TestUiLanguage::desktopLanguageChoosesTheGamesLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("lcMessages");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<UiLanguage>("expected");

    const auto J = UiLanguage::Japanese;
    const auto E = UiLanguage::English;
    const QString none;
    QTest::newRow("nothing set") << none << none << none << none << J;
    QTest::newRow("C") << none << none << none << QStringLiteral("C") << J;
    QTest::newRow("POSIX") << none << none << none << QStringLiteral("POSIX") << J;
    QTest::newRow("C.UTF-8") << none << none << none << QStringLiteral("C.UTF-8") << J;
    QTest::newRow("English LANG") << none << none << none << QStringLiteral("en_US.UTF-8") << E;
    QTest::newRow("bare en") << none << none << none << QStringLiteral("en") << E;
    QTest::newRow("Japanese LANG") << none << none << none << QStringLiteral("ja_JP.UTF-8") << J;
    QTest::newRow("a language the game lacks") << none << none << none << QStringLiteral("fr_FR.UTF-8") << J;
    QTest::newRow("not English for starting with e") << none << none << none << QStringLiteral("eo") << J;
    QTest::newRow("LC_MESSAGES over LANG, to English")
        << none << none << QStringLiteral("en_GB.UTF-8") << QStringLiteral("ja_JP.UTF-8") << E;
    QTest::newRow("LC_MESSAGES over LANG, to Japanese")
        << none << none << QStringLiteral("ja_JP.UTF-8") << QStringLiteral("en_US.UTF-8") << J;
    QTest::newRow("LC_ALL=C over an English LC_MESSAGES")
        << none << QStringLiteral("C") << QStringLiteral("en_US.UTF-8") << none << J;
    QTest::newRow("LC_ALL over LANG")
        << none << QStringLiteral("en_US.UTF-8") << none << QStringLiteral("ja_JP.UTF-8") << E;
    QTest::newRow("LANGUAGE=en in a C session") << QStringLiteral("en") << none << none << QStringLiteral("C") << E;
    QTest::newRow("LANGUAGE=en with nothing else") << QStringLiteral("en") << none << none << none << E;
    QTest::newRow("LANGUAGE over an English LANG")
        << QStringLiteral("ja:en") << none << none << QStringLiteral("en_US.UTF-8") << J;
    QTest::newRow("LANGUAGE's first language the game speaks")
        << QStringLiteral("fr:en_GB:ja") << none << none << QStringLiteral("ja_JP.UTF-8") << E;
    QTest::newRow("LANGUAGE naming none: LANG decides")
        << QStringLiteral("fr:de") << none << none << QStringLiteral("en_US.UTF-8") << E;
    QTest::newRow("LANGUAGE naming none, C session") << QStringLiteral("de") << none << none << QStringLiteral("C") << J;
}

void TestUiLanguage::desktopLanguageChoosesTheGamesLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, lcAll);
    QFETCH(QString, lcMessages);
    QFETCH(QString, lang);
    QFETCH(UiLanguage, expected);

    QCOMPARE(uiLanguageFor(LocaleEnvironment{language, lcAll, lcMessages, lang}), expected);
}

void TestUiLanguage::languageChosenInSettingsWinsOverTheDesktop_data()
{
    QTest::addColumn<QString>("kept"); // play/language in the settings file, empty for none
    QTest::addColumn<QString>("lang");
    QTest::addColumn<UiLanguage>("expected");

    const auto J = UiLanguage::Japanese;
    const auto E = UiLanguage::English;
    QTest::newRow("none chosen, English desktop") << QString() << QStringLiteral("en_US.UTF-8") << E;
    QTest::newRow("none chosen, C locale") << QString() << QStringLiteral("C") << J;
    QTest::newRow("English chosen, Japanese desktop") << QStringLiteral("en") << QStringLiteral("ja_JP.UTF-8") << E;
    QTest::newRow("English chosen, C locale") << QStringLiteral("en") << QStringLiteral("C") << E;
    QTest::newRow("Japanese chosen, English desktop") << QStringLiteral("ja") << QStringLiteral("en_GB.UTF-8") << J;
    QTest::newRow("an unknown value is no choice") << QStringLiteral("fr") << QStringLiteral("en_US.UTF-8") << E;
}

void TestUiLanguage::languageChosenInSettingsWinsOverTheDesktop()
{
    QFETCH(QString, kept);
    QFETCH(QString, lang);
    QFETCH(UiLanguage, expected);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("namiyose.conf"));
    if (!kept.isEmpty()) {
        QSettings out(path, QSettings::IniFormat);
        out.setValue(QStringLiteral("play/language"), kept);
    }
    QSettings in(path, QSettings::IniFormat);
    const std::optional<UiLanguage> chosen = comforts::loadLanguage(in);
    QCOMPARE(uiLanguageFor(chosen, LocaleEnvironment{{}, {}, {}, lang}), expected);

    // What is saved comes back, and no choice leaves no value behind.
    QSettings again(dir.filePath(QStringLiteral("again.conf")), QSettings::IniFormat);
    comforts::saveLanguage(again, chosen);
    QCOMPARE(comforts::loadLanguage(again), chosen);
    QCOMPARE(again.contains(QStringLiteral("play/language")), chosen.has_value());
}

void TestUiLanguage::qtDialogsSpeakTheGamesLanguage_data()
{
    QTest::addColumn<UiLanguage>("language");
    QTest::addColumn<QString>("lookIn");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("cancel");

    QTest::newRow("Japanese")
        << UiLanguage::Japanese << QStringLiteral("アドレス:") << QStringLiteral("ファイル名(&N):")
        << QStringLiteral("キャンセル");
    QTest::newRow("English")
        << UiLanguage::English << QStringLiteral("Look in:") << QStringLiteral("File &name:")
        << QStringLiteral("Cancel");
}

// The texts of the save dialogs of 魚拓 and 釣行記録 as Qt looks them up once
// the game's translators are installed.
void TestUiLanguage::qtDialogsSpeakTheGamesLanguage()
{
    QFETCH(UiLanguage, language);
    QFETCH(QString, lookIn);
    QFETCH(QString, fileName);
    QFETCH(QString, cancel);

    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (language == UiLanguage::Japanese && !QFile::exists(folder + QStringLiteral("/qtbase_ja.qm")))
        QSKIP("Qt's Japanese translations (qt6-translations-l10n) are not installed");

    const auto translators = loadQtTranslations(language);
    if (language == UiLanguage::English) {
        QVERIFY(translators.empty());
    } else {
        QVERIFY(!translators.empty());
        QVERIFY2(translators.front()->filePath().endsWith(QStringLiteral("/qtbase_ja.qm")),
                 qPrintable(translators.front()->filePath()));
    }
    for (const auto &translator : translators)
        QVERIFY(QCoreApplication::installTranslator(translator.get()));

    QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), lookIn);
    QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"), fileName);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
}

QTEST_GUILESS_MAIN(TestUiLanguage)
#include "test_uilanguage.moc"
