#include "formfixture.h"
#include "launchplan.h"
#include "menuface.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

// What the install, explore and extra buttons hand to the desktop or to the
// unzip window, and which folder is current while they do.
class TestLaunch : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QDir::setCurrent(QDir::tempPath()); }

    void plansByPrefix_data();
    void plansByPrefix();
    void extractionFolders_data();
    void extractionFolders();

    void internetOpensTheAddress();
    void documentWithAndWithoutFolder();
    void programStartsInTheRecordFolder();
    void programWithMissingFolderStartsInTheDisc();
    void failedActionSaysWhy_data();
    void failedActionSaysWhy();
    void exploreOpensTheFolder();
    void extraIgnoresTheRecordFolder();
    void unzipGoesToTheUnzipWindow();
};

namespace {

using Kind = LaunchPlan::Kind;

LaunchPlan plan(Kind kind, const QString& target, const QString& folder = {},
                const QString& zip = {}, const QString& root = {}) {
    return LaunchPlan{kind, target, folder, zip, root};
}

void selectRow(Form1& form, int row) {
    form.face()->appList()->setCurrentRow(row);
}

} // namespace

void TestLaunch::plansByPrefix_data() {
    QTest::addColumn<bool>("install");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<LaunchPlan>("expected");
    const QString h = u"/home/u"_s;
    QTest::newRow("internet ignores folder")
        << true << u"[INTERNET]http://example.org"_s << u"apps\\"_s
        << plan(Kind::Address, u"http://example.org"_s);
    QTest::newRow("document without folder")
        << true << u"[ASS]readme.txt"_s << u"NO"_s << plan(Kind::Document, u"readme.txt"_s);
    QTest::newRow("document with folder") << true << u"[ASS]readme.txt"_s << u"docs\\"_s
                                          << plan(Kind::Document, u"docs\\readme.txt"_s);
    QTest::newRow("unzip with blank") << true << u"[UNZIP] pack.zip"_s << u"NO"_s
                                      << plan(Kind::Unzip, {}, {}, u"pack.zip"_s, h + u"/pack/"_s);
    QTest::newRow("unzip with folder")
        << true << u"[UNZIP] pack.zip "_s << u"arc\\"_s
        << plan(Kind::Unzip, {}, {}, u"arc\\pack.zip"_s, h + u"/pack/"_s);
    QTest::newRow("program") << true << u"setup.sh --quiet"_s << u"app\\"_s
                             << plan(Kind::Program, u"setup.sh --quiet"_s, u"app\\"_s);
    QTest::newRow("prefix is case-sensitive") << true << u"[ass]readme.txt"_s << u"NO"_s
                                              << plan(Kind::Program, u"[ass]readme.txt"_s, u"NO"_s);
    QTest::newRow("extra zip has no folder")
        << false << u"[UNZIP]tools.zip"_s << u"arc\\"_s
        << plan(Kind::Unzip, {}, {}, u"tools.zip"_s, h + u"/tools/"_s);
    QTest::newRow("extra document")
        << false << u"[ASS]a.pdf"_s << u"x\\"_s << plan(Kind::Document, u"a.pdf"_s);
    QTest::newRow("extra program")
        << false << u"run.sh"_s << u"x\\"_s << plan(Kind::Program, u"run.sh"_s);
}

void TestLaunch::plansByPrefix() {
    QFETCH(bool, install);
    QFETCH(QString, command);
    QFETCH(QString, folder);
    QFETCH(LaunchPlan, expected);
    const LaunchPlan actual =
        install ? planInstall(command, folder, u"/home/u"_s) : planExtra(command, u"/home/u"_s);
    QCOMPARE(int(actual.kind), int(expected.kind));
    QCOMPARE(actual.target, expected.target);
    QCOMPARE(actual.folder, expected.folder);
    QCOMPARE(actual.zipFName, expected.zipFName);
    QCOMPARE(actual.extractRoot, expected.extractRoot);
}

void TestLaunch::extractionFolders_data() {
    QTest::addColumn<QString>("zip");
    QTest::addColumn<QString>("root");
    QTest::newRow("plain") << u"pack.zip"_s << u"/home/u/pack/"_s;
    QTest::newRow("path inside stays") << u"data\\pack.zip"_s << u"/home/u/data/pack/"_s;
    QTest::newRow("short name taken whole") << u"a.z"_s << u"/home/u/a.z/"_s;
    QTest::newRow("just the extension") << u".zip"_s << u"/home/u/.zip/"_s;
    QTest::newRow("climbing parts dropped") << u"..\\..\\etc\\x.zip"_s << u"/home/u/etc/x/"_s;
    QTest::newRow("absolute stays below home")
        << u"/media/disc/x.zip"_s << u"/home/u/media/disc/x/"_s;
    QTest::newRow("nothing left") << u"..\\.zip"_s << u"/home/u/"_s;
}

void TestLaunch::extractionFolders() {
    QFETCH(QString, zip);
    QFETCH(QString, root);
    QCOMPARE(extractionRootFor(zip, u"/home/u"_s), root);
}

void TestLaunch::internetOpensTheAddress() {
    FormFixture f;
    f.disc.writeConfig(DiscKit::appLines({.name = u"Web"_s,
                                          .installCommand = u"[INTERNET]https://example.org/x"_s,
                                          .folder = u"web\\"_s,
                                          .extraCaption = u"Mail"_s,
                                          .extraCommand = u"[INTERNET]mailto:a@example.org"_s}));
    QVERIFY(!f.load());
    selectRow(*f.form, 0);
    f.form->face()->installButton()->click();
    f.form->face()->extraButton()->click();
    QCOMPARE(f.desktop.log(),
             QStringList({u"open https://example.org/x"_s, u"open mailto:a@example.org"_s}));
}

void TestLaunch::documentWithAndWithoutFolder() {
    FormFixture f;
    f.disc.writeFile(u"readme.txt"_s);
    f.disc.writeFile(u"Docs/Manual.PDF"_s);
    QStringList lines = DiscKit::appLines({.name = u"A"_s, .installCommand = u"[ASS]readme.txt"_s});
    lines += DiscKit::appLines(
        {.name = u"B"_s, .installCommand = u"[ASS]manual.pdf"_s, .folder = u"docs\\"_s});
    f.disc.writeConfig(lines);
    QVERIFY(!f.load());
    selectRow(*f.form, 0);
    f.form->face()->installButton()->click();
    selectRow(*f.form, 1);
    f.form->face()->installButton()->click();
    // Found on this disc in whatever case it has, "\" read as the separator.
    QCOMPARE(f.desktop.log(), QStringList({u"open "_s + f.disc.path(u"readme.txt"_s),
                                           u"open "_s + f.disc.path(u"Docs/Manual.PDF"_s)}));
}

void TestLaunch::programStartsInTheRecordFolder() {
    FormFixture f;
    f.disc.writeFile(u"Apps/Demo/setup.sh"_s, "#!/bin/sh\n");
    f.disc.writeConfig(DiscKit::appLines(
        {.name = u"A"_s, .installCommand = u"setup.sh"_s, .folder = u"apps\\demo\\"_s}));
    QVERIFY(!f.load());
    selectRow(*f.form, 0);
    f.form->face()->installButton()->click();
    QCOMPARE(f.desktop.calls().size(), 1);
    const RecordingDesktop::Call call = f.desktop.calls().first();
    QCOMPARE(call.target, u"setup.sh"_s);
    QCOMPARE(QDir(call.currentFolder), QDir(f.disc.path(u"Apps/Demo"_s)));
    QCOMPARE(QDir(call.workingFolder), QDir(f.disc.path(u"Apps/Demo"_s)));
    QCOMPARE(QDir::current(), QDir(f.disc.folder()));
}

void TestLaunch::programWithMissingFolderStartsInTheDisc() {
    FormFixture f;
    QStringList lines =
        DiscKit::appLines({.name = u"A"_s, .installCommand = u"a.sh"_s, .folder = u"gone\\"_s});
    lines += DiscKit::appLines({.name = u"B"_s, .installCommand = u"b.sh"_s});
    f.disc.writeConfig(lines);
    QVERIFY(!f.load());
    for (int row : {0, 1}) {
        selectRow(*f.form, row);
        f.form->face()->installButton()->click();
    }
    QCOMPARE(f.desktop.calls().size(), 2);
    for (const auto& call : f.desktop.calls())
        QCOMPARE(QDir(call.currentFolder), QDir(f.disc.folder()));
}

void TestLaunch::failedActionSaysWhy_data() {
    using Action = RecordingDesktop::Action;
    using Reason = DesktopFailure::Reason;
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("reason");
    QTest::addColumn<QString>("says");
    QTest::newRow("Windows program") << u"EN"_s << u"Command1"_s << int(Action::StartProgram)
                                     << int(Reason::WindowsProgram) << u"is a Windows program"_s;
    QTest::newRow("programma per Windows")
        << u"IT"_s << u"Command1"_s << int(Action::StartProgram) << int(Reason::WindowsProgram)
        << u"è un programma per Windows"_s;
    QTest::newRow("program missing") << u"EN"_s << u"Command4"_s << int(Action::StartProgram)
                                     << int(Reason::NotFound) << u"does not exist"_s;
    QTest::newRow("no program") << u"IT"_s << u"Command4"_s << int(Action::StartProgram)
                                << int(Reason::NotAProgram) << u"non è un programma"_s;
    QTest::newRow("refused") << u"EN"_s << u"Command1"_s << int(Action::StartProgram)
                             << int(Reason::CannotStart) << u"cannot be started"_s;
    QTest::newRow("no application")
        << u"EN"_s << u"Command4"_s << int(Action::OpenDocumentOrAddress)
        << int(Reason::NoApplication) << u"no application"_s;
    QTest::newRow("cartella mancante") << u"IT"_s << u"Command2"_s << int(Action::OpenFolder)
                                       << int(Reason::NotFound) << u"non esiste"_s;
}

void TestLaunch::failedActionSaysWhy() {
    QFETCH(QString, language);
    QFETCH(QString, button);
    QFETCH(int, action);
    QFETCH(int, reason);
    QFETCH(QString, says);
    FormFixture f;
    const QString file = f.disc.path(u"sub/thing"_s);
    f.desktop.setResult(RecordingDesktop::Action(action), false);
    f.desktop.setFailure({DesktopFailure::Reason(reason), file});
    f.disc.makeFolder(u"sub"_s);
    const bool program = action == int(RecordingDesktop::Action::StartProgram);
    f.disc.writeConfig(QStringList{u"[TITL]Disc"_s} +
                       DiscKit::appLines({.name = u"A"_s,
                                          .installCommand = u"setup.exe"_s,
                                          .folder = u"sub\\"_s,
                                          .extraCaption = u"More"_s,
                                          .extraCommand = program ? u"run"_s : u"[ASS]x.pdf"_s}));
    QVERIFY(!f.load(language));
    selectRow(*f.form, 0);
    f.prompts.expectMessageBox(Prompts::Answer::Ok, says);
    f.form->findChild<QPushButton*>(button)->click();
    QCOMPARE(f.desktop.calls().size(), 1);
    QCOMPARE(f.prompts.remaining(), 0);
    const ScriptedPrompts::Asked& asked = f.prompts.asked().constFirst();
    QVERIFY2(asked.text.contains(file), qPrintable(asked.text));
    QCOMPARE(asked.title, u"Disc"_s);
    // The disc folder is current again.
    QCOMPARE(QDir::current(), QDir(f.disc.folder()));
}

void TestLaunch::exploreOpensTheFolder() {
    FormFixture f;
    f.disc.makeFolder(u"apps/demo"_s);
    f.disc.writeConfig(DiscKit::appLines({.name = u"A"_s, .folder = u"apps\\demo\\"_s}));
    QVERIFY(!f.load());
    selectRow(*f.form, 0);
    QVERIFY(f.form->face()->exploreButton()->isEnabled());
    QDir::setCurrent(QDir::tempPath());
    f.form->face()->exploreButton()->click();
    QCOMPARE(f.desktop.calls().size(), 1);
    QCOMPARE(int(f.desktop.calls().first().action), int(RecordingDesktop::Action::OpenFolder));
    QCOMPARE(QDir(f.desktop.calls().first().target), QDir(f.disc.path(u"apps/demo"_s)));
    QCOMPARE(QDir(f.desktop.calls().first().currentFolder), QDir(f.disc.folder()));
}

void TestLaunch::extraIgnoresTheRecordFolder() {
    FormFixture f;
    f.disc.writeFile(u"tools/run.sh"_s);
    f.disc.writeFile(u"guide.txt"_s);
    QStringList lines = DiscKit::appLines({.name = u"A"_s,
                                           .folder = u"tools\\"_s,
                                           .extraCaption = u"Run"_s,
                                           .extraCommand = u"tools\\run.sh"_s});
    lines += DiscKit::appLines({.name = u"B"_s,
                                .folder = u"tools\\"_s,
                                .extraCaption = u"Guide"_s,
                                .extraCommand = u"[ASS]guide.txt"_s});
    f.disc.writeConfig(lines);
    QVERIFY(!f.load());
    selectRow(*f.form, 0);
    f.form->face()->extraButton()->click();
    selectRow(*f.form, 1);
    f.form->face()->extraButton()->click();
    QCOMPARE(f.desktop.calls().size(), 2);
    QCOMPARE(f.desktop.calls()[0].target, u"tools\\run.sh"_s);
    QCOMPARE(QDir(f.desktop.calls()[0].currentFolder), QDir(f.disc.folder()));
    QCOMPARE(f.desktop.calls()[1].target, f.disc.path(u"guide.txt"_s));
}

void TestLaunch::unzipGoesToTheUnzipWindow() {
    FormFixture f;
    f.disc.writeFile(u"Archives/Pack.zip"_s);
    QStringList lines = DiscKit::appLines({.name = u"A"_s,
                                           .installCommand = u"[UNZIP] pack.zip"_s,
                                           .folder = u"archives\\"_s,
                                           .extraCaption = u"Tools"_s,
                                           .extraCommand = u"[UNZIP]archives\\pack.zip"_s});
    f.disc.writeConfig(lines);
    QVERIFY(!f.load());
    QSignalSpy spy(f.form.get(), &Form1::unzipRequested);
    selectRow(*f.form, 0);
    f.form->face()->installButton()->click();
    f.form->face()->extraButton()->click();
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy[0], QVariantList({u"Archives/Pack.zip"_s, u"/home/user/pack/"_s}));
    QCOMPARE(spy[1], QVariantList({u"Archives/Pack.zip"_s, u"/home/user/archives/pack/"_s}));
    QVERIFY(f.desktop.calls().isEmpty());
}

QTEST_MAIN(TestLaunch)
#include "test_launch.moc"
