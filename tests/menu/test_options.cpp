#include "menuoptions.h"

#include "menulanguage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The menu's command line: which disc, which language, help and version.
class TestOptions : public QObject {
    Q_OBJECT

private slots:
    void discIsTheProgramFolderByDefault();
    void folderOrConfigFileGiven();
    void languageFromOptionOrEnvironment();
    void languageFirstFound_data();
    void languageFirstFound();
    void discLanguageIsReadBeforeTheWindow();
    void helpVersionAndMistakes();
    void missingConfigSaysWhere();
};

void TestOptions::discIsTheProgramFolderByDefault() {
    const MenuOptions options = MenuOptions::parse({u"menu"_s}, u"/opt/disc/"_s, {});
    QCOMPARE(int(options.outcome), int(MenuOptions::Outcome::Run));
    QCOMPARE(options.discFolder, u"/opt/disc"_s);
    QVERIFY(options.language.isEmpty());
    QVERIFY(!options.folderGiven);
}

void TestOptions::folderOrConfigFileGiven() {
    QTemporaryDir dir;
    QFile config(dir.filePath(u"config.ini"_s));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.close();
    const MenuOptions folder = MenuOptions::parse({u"menu"_s, dir.path()}, u"/opt"_s, {});
    QCOMPARE(folder.discFolder, QDir::cleanPath(dir.path()));
    QVERIFY(folder.folderGiven);
    const MenuOptions file = MenuOptions::parse({u"menu"_s, config.fileName()}, u"/opt"_s, {});
    QCOMPARE(file.discFolder, QDir::cleanPath(dir.path()));
    const MenuOptions two = MenuOptions::parse({u"menu"_s, u"a"_s, u"b"_s}, u"/opt"_s, {});
    QCOMPARE(int(two.outcome), int(MenuOptions::Outcome::Error));
}

void TestOptions::languageFromOptionOrEnvironment() {
    QCOMPARE(MenuOptions::parse({u"menu"_s, u"--lang"_s, u"EN"_s}, u"/opt"_s, {}).language,
             u"EN"_s);
    QCOMPARE(MenuOptions::parse({u"menu"_s, u"--lang=en"_s}, u"/opt"_s, {}).language, u"EN"_s);
    QCOMPARE(MenuOptions::parse({u"menu"_s}, u"/opt"_s, u"EN"_s).language, u"EN"_s);
    // The option wins over the environment; an unknown environment value is passed over.
    QCOMPARE(MenuOptions::parse({u"menu"_s, u"--lang"_s, u"IT"_s}, u"/opt"_s, u"EN"_s).language,
             u"IT"_s);
    QVERIFY(MenuOptions::parse({u"menu"_s}, u"/opt"_s, u"de_DE"_s).language.isEmpty());
    const MenuOptions wrong = MenuOptions::parse({u"menu"_s, u"--lang"_s, u"FR"_s}, u"/opt"_s, {});
    QCOMPARE(int(wrong.outcome), int(MenuOptions::Outcome::Error));
    QVERIFY(wrong.message.contains(u"FR"_s));
}

void TestOptions::languageFirstFound_data() {
    QTest::addColumn<QString>("given"); // by --lang or MENU_LANG
    QTest::addColumn<QString>("disc");  // [LING]
    QTest::addColumn<QLocale>("system");
    QTest::addColumn<QString>("language");
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale c(QLocale::C);
    QTest::newRow("given wins over disc and system") << u"EN"_s << u"IT"_s << italian << u"EN"_s;
    QTest::newRow("disc wins over system") << QString() << u"EN"_s << italian << u"EN"_s;
    QTest::newRow("disc in any letter case") << QString() << u" it"_s << german << u"IT"_s;
    QTest::newRow("unknown disc value: system") << QString() << u"DE"_s << italian << u"IT"_s;
    QTest::newRow("Italian system") << QString() << QString() << italian << u"IT"_s;
    QTest::newRow("Swiss Italian system")
        << QString() << QString() << QLocale(QLocale::Italian, QLocale::Switzerland) << u"IT"_s;
    QTest::newRow("German system: English") << QString() << QString() << german << u"EN"_s;
    QTest::newRow("C locale: English") << QString() << QString() << c << u"EN"_s;
}

void TestOptions::languageFirstFound() {
    QFETCH(QString, given);
    QFETCH(QString, disc);
    QFETCH(QLocale, system);
    QFETCH(QString, language);
    QCOMPARE(chooseMenuLanguage(given, disc, system), language);
}

void TestOptions::discLanguageIsReadBeforeTheWindow() {
    QTemporaryDir dir;
    QVERIFY(discLanguage(dir.path()).isEmpty());
    QFile config(dir.filePath(u"Config.INI"_s));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write("[TITL]x\r\n[LING]EN\r\n[NOME]a\r\n");
    config.close();
    QCOMPARE(discLanguage(dir.path()), u"EN"_s);
}

void TestOptions::helpVersionAndMistakes() {
    const MenuOptions help = MenuOptions::parse({u"menu"_s, u"--help"_s}, u"/opt"_s, {});
    QCOMPARE(int(help.outcome), int(MenuOptions::Outcome::ShowHelp));
    QVERIFY(help.message.contains(u"--lang"_s));
    QVERIFY(help.message.contains(u"FOLDER"_s));
    const MenuOptions version = MenuOptions::parse({u"menu"_s, u"--version"_s}, u"/opt"_s, {});
    QCOMPARE(version.message, u"menu 1.3.0\n"_s);
    const MenuOptions unknown = MenuOptions::parse({u"menu"_s, u"--frobnicate"_s}, u"/opt"_s, {});
    QCOMPARE(int(unknown.outcome), int(MenuOptions::Outcome::Error));
}

void TestOptions::missingConfigSaysWhere() {
    QTemporaryDir dir;
    MenuOptions options = MenuOptions::parse({u"menu"_s}, dir.path(), {});
    QString message = missingConfigMessage(options);
    QVERIFY(message.contains(QDir::toNativeSeparators(QDir::cleanPath(dir.path()))));
    QVERIFY(message.contains(u"menu FOLDER"_s)); // beside the program: say how to name a disc
    options = MenuOptions::parse({u"menu"_s, dir.path()}, u"/opt"_s, {});
    QVERIFY(!missingConfigMessage(options).contains(u"menu FOLDER"_s));
    QVERIFY(missingConfigMessage(
                MenuOptions::parse({u"menu"_s, dir.filePath(u"nope"_s)}, u"/opt"_s, {}))
                .contains(u"does not exist"_s));
    QFile config(dir.filePath(u"Config.INI"_s));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.close();
    QCOMPARE(missingConfigMessage(options), QString());
}

QTEST_MAIN(TestOptions)
#include "test_options.moc"
