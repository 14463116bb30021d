// Publish in a temporary folder: a small project and a stand-in runtime made
// into a disc folder, what it refuses before copying anything, the image
// through a recording writer, the command line and the Project menu item.
#include "discfiles.h"
#include "editorcommandline.h"
#include "editorfixture.h"
#include "publisher.h"
#include "runtimelocation.h"
#include "uitexts.h"

#include <QAction>
#include <QImage>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kConfig = "[TITL]Disc \x96 one\r\n[ICON]Pictures\\Icon.bmp\r\n"
                           "[NOME]Reader\r\n[DESC]\r\n[IMGN]NO\r\n[INSC]NO\r\n[COMM]NO\r\n"
                           "[ESAM]NO\r\n[EXTN]NO\r\n[EXTR]NO\r\n";
// A picture that is not on the disc: an error of the disc check.
const QByteArray kBroken = "[TITL]Broken\r\n[NOME]Gone\r\n[DESC]\r\n[IMGN]gone.bmp\r\n"
                           "[INSC]NO\r\n[COMM]NO\r\n[ESAM]NO\r\n[EXTN]NO\r\n[EXTR]NO\r\n";

// A project folder, a stand-in runtime and a place for the disc.
struct Workbench {
    QTemporaryDir root;
    QString project = root.filePath(u"project"_s);
    QString runtime = root.filePath(u"runtime"_s);
    QString target = root.filePath(u"disc"_s);
    QStringList progress;

    explicit Workbench(const QByteArray& config = kConfig) {
        for (const QString& folder :
             QStringList{project + u"/pictures"_s, project + u"/docs"_s, runtime + u"/lib"_s,
                         runtime + u"/plugins/platforms"_s})
            QDir().mkpath(folder);
        EditorFixture::writeFile(project + u"/config.ini"_s, config);
        EditorFixture::writeFile(project + u"/docs/guide.txt"_s, "read me");
        QImage icon(16, 16, QImage::Format_RGB32);
        icon.fill(Qt::red);
        icon.save(project + u"/pictures/icon.bmp"_s);
        EditorFixture::writeFile(runtime + u"/menu"_s, "ELF");
        EditorFixture::writeFile(runtime + u"/qt.conf"_s, "[Paths]\n");
        EditorFixture::writeFile(runtime + u"/lib/libQt6Core.so.6"_s, "ELF");
    }
    PublishRequest request() const {
        PublishRequest request;
        request.projectFolder = project;
        request.targetFolder = target;
        request.runtimeFolder = runtime;
        return request;
    }
    PublishResult publish(const PublishRequest& request, const IsoWriter& writer = {}) {
        return publishDisc(
            request, UiTexts(u"EN"), [this](const QString& line) { progress.append(line); },
            writer);
    }
    QByteArray disc(const QString& name) const {
        return EditorFixture::readFile(target + u'/' + name);
    }
};

} // namespace

class TestPublish : public QObject {
    Q_OBJECT

private slots:
    void makesTheProjectADisc() {
        Workbench bench;
        // The author's own read-me: FAT would take ours for it.
        EditorFixture::writeFile(bench.project + u"/readme.TXT"_s, "the author's");
        const PublishResult result = bench.publish(bench.request());
        QVERIFY2(result.published, qPrintable(result.message));
        QCOMPARE(bench.disc(u"config.ini"_s), kConfig);
        QCOMPARE(bench.disc(u"docs/guide.txt"_s), "read me");
        QCOMPARE(bench.disc(u"discmenu-runtime/lib/libQt6Core.so.6"_s), "ELF");
        QVERIFY(bench.disc(u"menu.sh"_s).contains("--library-path"));
        QVERIFY(bench.disc(u"autorun.sh"_s).contains("sh \"$(dirname -- \"$0\")/menu.sh\""));
        QCOMPARE(bench.disc(u".autorun"_s), bench.disc(u"autorun.sh"_s));
        QCOMPARE(bench.disc(u"autorun.inf"_s),
                 "[autorun]\r\nlabel=Disc \x96 one\r\nicon=Pictures\\Icon.bmp\r\n");
        QVERIFY(bench.disc(u"LEGGIMI.txt"_s).contains("sh menu.sh"));
        QVERIFY(!bench.disc(u"LEGGIMI.txt"_s).contains('@'));
        QCOMPARE(bench.disc(u"readme.TXT"_s), "the author's");
        QVERIFY(!QFileInfo::exists(bench.target + u"/README.txt"_s));
        QVERIFY(bench.progress.contains(
            u"README.txt is in the project already: the author's own stays."_s));
        QCOMPARE(QImage(bench.target + u"/.VolumeIcon.png"_s).pixelColor(0, 0), QColor(Qt::red));
        QVERIFY(bench.progress.contains(u"Copying the menu runtime: 100%"_s));
    }

    void refusesBeforeCopying_data() {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("said");
        QTest::newRow("no config.ini") << QByteArray() << u""_s << u"no config.ini"_s;
        QTest::newRow("disc inside the project") << kConfig << u"inside"_s << u"can neither lie"_s;
        QTest::newRow("no runtime") << kConfig << u"runtime"_s << u"runtime was not found"_s;
        QTest::newRow("image without xorriso") << kConfig << u"iso"_s << u"package \"xorriso\""_s;
        QTest::newRow("errors of the check") << kBroken << u""_s << u"check found errors"_s;
        QTest::newRow("another config.ini") << kConfig << u"other"_s << u"another config.ini"_s;
    }
    void refusesBeforeCopying() {
        QFETCH(QByteArray, config);
        QFETCH(QString, change);
        QFETCH(QString, said);
        Workbench bench(config);
        if (config.isEmpty())
            QFile::remove(bench.project + u"/config.ini"_s);
        PublishRequest request = bench.request();
        if (change == u"inside")
            request.targetFolder = bench.project + u"/disc"_s;
        if (change == u"runtime")
            request.runtimeFolder = bench.root.filePath(u"nowhere"_s);
        if (change == u"iso")
            request.isoFile = bench.root.filePath(u"disc.iso"_s);
        if (change == u"other") {
            QDir().mkpath(bench.target);
            EditorFixture::writeFile(bench.target + u"/CONFIG.INI"_s, "[TITL]Another disc\r\n");
        }
        const PublishResult result = bench.publish(request);
        QVERIFY(!result.published);
        QVERIFY2(result.message.contains(said), qPrintable(result.message));
        QVERIFY(!QFileInfo::exists(request.targetFolder + u"/discmenu-runtime"_s));
        QVERIFY(!QFileInfo::exists(request.targetFolder + u"/menu.sh"_s));
    }

    // --force: errors of the check and another config.ini do not stop it.
    void consentPublishesAnyway() {
        Workbench bench(kBroken);
        QDir().mkpath(bench.target);
        EditorFixture::writeFile(bench.target + u"/config.ini"_s, "[TITL]Another disc\r\n");
        PublishRequest request = bench.request();
        request.ignoreCheckErrors = request.replaceConfig = true;
        const PublishResult result = bench.publish(request);
        QVERIFY2(result.published, qPrintable(result.message));
        QCOMPARE(bench.disc(u"config.ini"_s), kBroken);
        QCOMPARE(result.findings.first().code, u"missing-file"_s);
        QVERIFY(!QFileInfo::exists(bench.target + u"/.VolumeIcon.png"_s));
    }

    void writesTheImageOfTheDisc() {
        Workbench bench;
        PublishRequest request = bench.request();
        request.isoFile = bench.root.filePath(u"disc.iso"_s);
        QStringList arguments;
        const PublishResult result = bench.publish(request, [&](const QStringList& given) {
            arguments = given;
            return std::optional<QString>();
        });
        QVERIFY2(result.published, qPrintable(result.message));
        QCOMPARE(arguments, xorrisoArguments(bench.target, request.isoFile, u"DISC_ONE"_s));
        QCOMPARE(discfiles::volumeName(u"  Demo disc – programs, documents and links!"_s),
                 u"DEMO_DISC_PROGRAMS_DOCUMENTS_AND"_s);
    }

    // Installed below the prefix's library folder, or gathered in the build tree.
    void findsTheRuntimeBesideTheEditor_data() {
        QTest::addColumn<QString>("editor");
        QTest::addColumn<QString>("place");
        QTest::newRow("installed") << u"usr/bin"_s << u"usr/lib/discmenu/runtime"_s;
        QTest::newRow("build tree") << u"build/menusmith"_s << u"build/runtime"_s;
        QTest::newRow("nowhere") << u"usr/bin"_s << u""_s;
    }
    void findsTheRuntimeBesideTheEditor() {
        QFETCH(QString, editor);
        QFETCH(QString, place);
        Workbench bench;
        const QString runtime = bench.root.filePath(place);
        if (!place.isEmpty()) {
            QVERIFY(QDir().mkpath(QFileInfo(runtime).absolutePath()));
            QVERIFY(QDir().rename(bench.runtime, runtime));
        }
        const QString editorFolder = bench.root.filePath(editor);
        QCOMPARE(findRuntime(editorFolder).value_or(QString()),
                 place.isEmpty() ? QString() : runtime);
        // Where the message says it looked.
        QVERIFY(runtimeCandidates(editorFolder)
                    .contains(QDir::cleanPath(editorFolder + u"/../lib/discmenu/runtime"_s)));
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("force");
        QTest::addColumn<QString>("iso");
        QTest::newRow("plain") << QStringList{u"--publish"_s, u"p"_s, u"t"_s} << 0 << false
                               << u""_s;
        QTest::newRow("forced, with an image")
            << QStringList{u"--publish"_s, u"p"_s, u"t"_s, u"--force"_s, u"--iso"_s, u"d.iso"_s}
            << 0 << true << u"d.iso"_s;
        QTest::newRow("one folder") << QStringList{u"--publish"_s, u"p"_s} << 2 << false << u""_s;
        QTest::newRow("--force alone") << QStringList{u"--force"_s} << 2 << false << u""_s;
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(bool, force);
        QFETCH(QString, iso);
        const EditorCommandLine line =
            parseEditorCommandLine(QStringList{u"menusmith"_s} + arguments, {});
        QCOMPARE(line.exitCode, exitCode);
        QCOMPARE(line.publish, exitCode == 0);
        if (!line.publish)
            return;
        QCOMPARE(line.publishRequest.projectFolder, QFileInfo(u"p"_s).absoluteFilePath());
        QCOMPARE(line.publishRequest.targetFolder, QFileInfo(u"t"_s).absoluteFilePath());
        QCOMPARE(line.publishRequest.ignoreCheckErrors, force);
        QCOMPARE(line.publishRequest.replaceConfig, force);
        QCOMPARE(QFileInfo(line.publishRequest.isoFile).fileName(), iso);
    }

    // The Project menu's item: the saved project, a disc folder chosen through
    // the save dialog, the runtime found beside the editor's folder.
    void projectMenuPreparesTheDisc() {
        EditorFixture f(u"EN"_s);
        Workbench bench;
        QVERIFY(QDir().rename(bench.runtime, f.root.filePath(u"runtime"_s)));
        QVERIFY(f.window->openProjectFile(bench.project + u"/config.ini"_s));
        f.prompts.expectMessageBox(Prompts::Answer::Ok);
        f.window->saveProject();
        auto* item = f.window->findChild<QAction*>(u"PrepareDisc"_s);
        QCOMPARE(item->text(), u"Prepare disc…"_s);

        auto* title = f.child<QLineEdit>(u"Text1"_s);
        const QString savedTitle = title->text();
        title->setText(u"Changed title"_s);
        f.prompts.expectMessageBox(Prompts::Answer::No, u"Save first?"_s);
        item->trigger();
        QVERIFY(!QFileInfo::exists(bench.target));

        title->setText(savedTitle);
        f.prompts.expectSaveFile(bench.target + u"/config.ini"_s)
            .expectMessageBox(Prompts::Answer::Ok, u"The disc is ready"_s);
        item->trigger();
        QCOMPARE(bench.disc(u"config.ini"_s),
                 EditorFixture::readFile(bench.project + u"/config.ini"_s));
        QVERIFY(QFileInfo::exists(bench.target + u"/discmenu-runtime/menu"_s));
    }
};

QTEST_MAIN(TestPublish)
#include "test_publish.moc"
