#include "editorfixture.h"

#include "categoriespanel.h"
#include "databasepanel.h"
#include "designerwindow.h"
#include "layoutdesigner.h"
#include "modificatorwindow.h"

#include <configwriter.h>
#include <layoutblock.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

ConfigFile fullProject() {
    ConfigFile config;
    config.title = u"Demo disc"_s;
    config.windowIcon = u"icons\\disc.ico"_s;
    config.installButtonPicture = u"inst.bmp"_s;
    config.installButtonPressedPicture = u"inst2.bmp"_s;
    config.extraButtonPicture = u"NO"_s;
    config.extraButtonPressedPicture = u"NO"_s;
    config.introText = u"Benvenuti: è tutto qui"_s;
    config.aboutText = u"Fatto a mano"_s;
    config.categoriesEnabled = true;
    config.categories = {u"Giochi"_s, u"Utility"_s};
    config.apps = {
        {u"Tetris"_s, u"Un gioco"_s, u"img\\tetris.bmp"_s, u"Installa"_s, u"[UNZIP] tetris.zip"_s,
         u"giochi\\"_s, u"Leggimi"_s, u"[ASS]leggimi.txt"_s, u"Giochi"_s},
        {u"Editor"_s, u"Scrivere"_s, u"NO"_s, u"Installa"_s, u"setup.exe /s"_s, u"NO"_s, u"Web"_s,
         u"[INTERNET]http://example.org"_s, u"Utility"_s},
    };
    return config;
}

QString fullLayoutText() {
    LayoutValues values;
    values.control(LayoutObjectId::InstallButton) = {320, 16, 120, 40, 12632256, 0};
    values.windowWidth = 640;
    values.windowHeight = 480;
    values.backgroundPath = u"NO"_s;
    // As the designer leaves it: every line with its line end.
    return formatLayoutBlock(values).text;
}

} // namespace

class TestLifecycle : public QObject {
    Q_OBJECT

private slots:
    void startsOnTheFilePanelWithoutAProject() {
        EditorFixture f;
        QCOMPARE(f.window->windowTitle(), u"Menusmith. "_s);
        QCOMPARE(f.window->currentPanel(), Form2::Panel::File);
        QVERIFY(f.child<QRadioButton>(u"Option1"_s)->isChecked());
        QVERIFY(f.child<QLineEdit>(u"Text18"_s)->text().isEmpty());
        QCOMPARE(f.window->state().currentRecord, -1);
        QCOMPARE(f.window->state().editorLanguage, u"IT"_s);
        QCOMPARE(f.window->state().layoutText, u"NO"_s);
        QVERIFY(f.window->state().frameHeight > 0);
        QVERIFY(f.child<QLineEdit>(u"Text17"_s)->isHidden());
        QVERIFY(f.child<QPlainTextEdit>(u"Text19"_s)->isHidden());
        for (const auto name : {u"Frame1", u"Frame2", u"Frame4", u"Frame16"})
            QVERIFY(f.child<QWidget>(QString::fromUtf16(name))->isHidden());
    }

    void panelsRefuseWithoutAProject() {
        EditorFixture f;
        for (const auto panel : {Form2::Panel::Text, Form2::Panel::Icons, Form2::Panel::Database,
                                 Form2::Panel::Categories}) {
            f.prompts.expectMessageBox(Prompts::Answer::Ok,
                                       u"Devi aprire o creare il file config.ini"_s);
            f.window->selectPanel(panel);
            QCOMPARE(f.window->currentPanel(), Form2::Panel::File);
            QVERIFY(f.child<QRadioButton>(u"Option1"_s)->isChecked());
        }
        QCOMPARE(f.prompts.asked().last().title, u"ATTENZIONE"_s);
        QCOMPARE(f.prompts.asked().last().buttons, Prompts::Buttons::Ok);

        // The option button itself is switched back as well.
        f.prompts.expectMessageBox(Prompts::Answer::Ok);
        f.child<QRadioButton>(u"Option4"_s)->click();
        QVERIFY(f.child<QRadioButton>(u"Option1"_s)->isChecked());
        QVERIFY(f.child<QWidget>(u"Frame4"_s)->isHidden());

        // The designer and the test run refuse the same way; nothing starts.
        f.prompts.expectMessageBox(Prompts::Answer::Ok, u"Devi aprire"_s)
            .expectMessageBox(Prompts::Answer::Ok, u"Devi aprire"_s);
        f.window->openDesigner();
        f.window->testRun();
        QVERIFY(f.desktop.calls().isEmpty());
    }

    void panelsSwitchOnceAProjectIsOpen() {
        EditorFixture f;
        EditorFixture::writeFile(f.discFile(u"config.ini"_s), "[TITL]x\r\n");
        f.openThroughDialog(f.discFile(u"config.ini"_s));
        f.window->selectPanel(Form2::Panel::Database);
        QCOMPARE(f.window->currentPanel(), Form2::Panel::Database);
        QVERIFY(f.child<QRadioButton>(u"Option4"_s)->isChecked());
        QVERIFY(f.child<QWidget>(u"Frame3"_s)->isHidden());
        f.window->findChild<QAction*>(u"icone"_s)->trigger();
        QCOMPARE(f.window->currentPanel(), Form2::Panel::Icons);
        QVERIFY(f.child<QRadioButton>(u"Option3"_s)->isChecked());
    }

    void newProjectOntoAnExistingFile_data() {
        QTest::addColumn<bool>("reset");
        QTest::newRow("Yes resets it") << true;
        QTest::newRow("No keeps it") << false;
    }
    void newProjectOntoAnExistingFile() {
        QFETCH(bool, reset);
        EditorFixture f;
        EditorFixture::writeFile(f.discFile(u"other.ini"_s), "[TITL]Before\r\n[NOME]Kept\r\n");
        f.openThroughDialog(f.discFile(u"other.ini"_s));
        const QByteArray old = "[TITL]Old\r\n";
        EditorFixture::writeFile(f.discFile(u"config.ini"_s), old);

        f.prompts.expectSaveFile(f.discFile(u"CONFIG.INI"_s).left(f.discFolder().size()) +
                                 u"config.ini"_s);
        f.prompts.expectMessageBox(reset ? Prompts::Answer::Yes : Prompts::Answer::No,
                                   u"Il file config.ini esiste già"_s);
        f.window->newProject();

        const auto& request = f.prompts.asked().at(1);
        QCOMPARE(request.kind, ScriptedPrompts::Kind::SaveFile);
        QCOMPARE(request.file.title, u"Salva il file config.ini"_s);
        QCOMPARE(request.file.suggestedName, u"config.ini"_s);
        QCOMPARE(request.file.defaultExtension, u"ini"_s);
        QCOMPARE(request.file.initialFolder, f.discFolder());
        QCOMPARE(request.file.filters,
                 (QList<Prompts::FileFilter>{{u"file config.ini"_s, u"config.ini"_s}}));
        const auto& question = f.prompts.asked().at(2);
        QVERIFY(question.text.endsWith(u"\rAzzerare il config.ini selezionato ?"_s));
        QCOMPARE(question.buttons, Prompts::Buttons::YesNo);
        QCOMPARE(question.icon, Prompts::Icon::Information);
        QCOMPARE(question.defaultButton, Prompts::Answer::No);

        const QByteArray now = EditorFixture::readFile(f.discFile(u"config.ini"_s));
        if (reset) {
            QCOMPARE(now, (u"Nuovo file config.ini creato il "_s +
                           QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat) +
                           u"\r\n"_s)
                              .toLatin1());
            QCOMPARE(f.child<QLineEdit>(u"Text18"_s)->text(), f.discFile(u"config.ini"_s));
            QCOMPARE(f.window->state().projectFolder, f.discFolder());
        } else {
            QCOMPARE(now, old);
            QCOMPARE(f.child<QLineEdit>(u"Text18"_s)->text(), f.discFile(u"other.ini"_s));
        }
        // The editor keeps what it held either way.
        QCOMPARE(f.child<QLineEdit>(u"Text1"_s)->text(), u"Before"_s);
        QCOMPARE(f.window->records().size(), 1);
    }

    void newProjectCancelledChangesNothing() {
        EditorFixture f;
        f.prompts.expectSaveFile(std::nullopt);
        f.window->newProject();
        QVERIFY(f.child<QLineEdit>(u"Text18"_s)->text().isEmpty());
        QVERIFY(!f.window->state().hasProject());
        QCOMPARE(f.prompts.asked().first().file.initialFolder, f.binFolder());
    }

    void newProjectInAFolderThatCannotBeWritten() {
        EditorFixture f;
        f.prompts.expectSaveFile(f.discFile(u"missing/config.ini"_s));
        f.prompts.expectMessageBox(Prompts::Answer::Ok, u"Impossibile creare"_s);
        f.window->newProject();
        QVERIFY(!f.window->state().hasProject());
        QVERIFY(f.child<QLineEdit>(u"Text18"_s)->text().isEmpty());
    }

    void openWithoutCategoryLinesGivesNotAssigned() {
        EditorFixture f;
        EditorFixture::writeFile(f.discFile(u"config.ini"_s),
                                 "[CATE]SI\r\n[CATG]A\r\n[NOME]One\r\n[CATN]A\r\n[NOME]Two\r\n"
                                 "[NOME]Three\r\n");
        f.openThroughDialog(f.discFile(u"config.ini"_s));
        const auto& request = f.prompts.asked().first().file;
        QCOMPARE(request.title, u"Apri il file config.ini"_s);
        QCOMPARE(request.filters,
                 (QList<Prompts::FileFilter>{{u"File config.ini"_s, u"config.ini"_s}}));
        QCOMPARE(request.defaultExtension, u"ini"_s);
        const auto records = f.window->records();
        QCOMPARE(records.size(), 3);
        QCOMPARE(records[0].category, u"A"_s);
        QCOMPARE(records[1].category, u"n/a"_s);
        QCOMPARE(records[2].category, u"n/a"_s);

        EditorFixture::writeFile(f.discFile(u"plain.ini"_s), "[NOME]One\r\n[NOME]Two\r\n");
        f.openThroughDialog(f.discFile(u"plain.ini"_s));
        for (const AppEntry& app : f.window->records())
            QCOMPARE(app.category, u"n/a"_s);
    }

    void categoriesOnlyWithCapitalSi() {
        EditorFixture f;
        EditorFixture::writeFile(f.discFile(u"config.ini"_s),
                                 "[CATE]si\r\n[CATG]Giochi\r\n[NOME]One\r\n");
        f.openThroughDialog(f.discFile(u"config.ini"_s));
        QVERIFY(!f.window->categoriesPanel()->categoriesEnabled());
        QCOMPARE(f.window->categoriesPanel()->categories(), QStringList{u"Giochi"_s});

        EditorFixture::writeFile(f.discFile(u"config.ini"_s),
                                 "[CATE]SI\r\n[CATG]Giochi\r\n[CATG]Utility\r\n[NOME]One\r\n");
        f.openThroughDialog(f.discFile(u"config.ini"_s));
        QVERIFY(f.window->categoriesPanel()->categoriesEnabled());
        auto* combo = f.child<QComboBox>(u"Combo1"_s);
        if (!combo)
            QSKIP("the record editor's drop-down is not built yet");
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(0), u"Giochi"_s);
        QCOMPARE(combo->itemText(1), u"Utility"_s);
        QCOMPARE(combo->itemText(2), QString());
    }

    void openCancelledOrUnreadableKeepsTheProject() {
        EditorFixture f;
        EditorFixture::writeFile(f.discFile(u"config.ini"_s), "[TITL]Mine\r\n");
        f.openThroughDialog(f.discFile(u"config.ini"_s));

        f.prompts.expectOpenFile(std::nullopt);
        f.window->openProject();
        f.prompts.expectOpenFile(f.discFile(u"gone.ini"_s));
        f.prompts.expectMessageBox(Prompts::Answer::Ok, u"Impossibile aprire il file config.ini"_s);
        f.window->openProject();
        QVERIFY(f.prompts.asked().last().text.contains(u"gone.ini"_s));
        QCOMPARE(f.prompts.asked().last().icon, Prompts::Icon::Critical);
        QCOMPARE(f.child<QLineEdit>(u"Text18"_s)->text(), f.discFile(u"config.ini"_s));
        QCOMPARE(f.child<QLineEdit>(u"Text1"_s)->text(), u"Mine"_s);
        QCOMPARE(f.window->state().projectFolder, f.discFolder());
        QCOMPARE(QDir::currentPath() + u'/', f.discFolder());
    }

    void saveWithAnEmptyTitleWritesNo() {
        EditorFixture f;
        EditorFixture::writeFile(f.discFile(u"config.ini"_s), "[TITL]\r\n[NOME]One\r\n");
        f.openThroughDialog(f.discFile(u"config.ini"_s));
        QVERIFY(f.child<QLineEdit>(u"Text1"_s)->text().isEmpty());
        f.prompts.expectMessageBox(Prompts::Answer::Ok,
                                   u"Vuoi sovrascrivere una eventuale configurazione ?"_s);
        f.window->saveProject();
        const auto& question = f.prompts.asked().last();
        QCOMPARE(question.title, u"Sovrascrivere"_s);
        QCOMPARE(question.buttons, Prompts::Buttons::OkCancel);
        QCOMPARE(f.child<QLineEdit>(u"Text1"_s)->text(), u"NO"_s);
        QCOMPARE(f.child<QLineEdit>(u"Text8"_s)->text(), u"NO"_s);
        const QByteArray saved = EditorFixture::readFile(f.discFile(u"config.ini"_s));
        QVERIFY(saved.contains("\r\n[TITL]NO\r\n"));
        QVERIFY(saved.contains("\r\n[NOME]One\r\n"));
    }

    void saveWithoutAProjectOrCancelledWritesNothing() {
        EditorFixture f;
        f.prompts.expectMessageBox(Prompts::Answer::Ok, u"Devi selezionare il file confi.ini"_s);
        f.window->saveProject();
        QCOMPARE(f.prompts.asked().last().title, QCoreApplication::applicationName());
        QCOMPARE(f.child<QLineEdit>(u"Text1"_s)->text(), u"NO"_s);

        const QByteArray old = "[TITL]Old\r\n";
        EditorFixture::writeFile(f.discFile(u"config.ini"_s), old);
        f.openThroughDialog(f.discFile(u"config.ini"_s));
        f.child<QLineEdit>(u"Text1"_s)->setText(u"New"_s);
        f.prompts.expectMessageBox(Prompts::Answer::Cancel, u"sovrascrivere"_s);
        f.window->saveProject();
        QCOMPARE(EditorFixture::readFile(f.discFile(u"config.ini"_s)), old);
    }

    void aRefusedSaveKeepsTheOldFileAndTheProject() {
        EditorFixture f;
        const QByteArray old = "[TITL]Old\r\n";
        EditorFixture::writeFile(f.discFile(u"config.ini"_s), old);
        f.openThroughDialog(f.discFile(u"config.ini"_s));

        // A character the file's code page cannot store names its field, once
        // UTF-8 has been declined.
        f.child<QLineEdit>(u"Text1"_s)->setText(u"Menu \u4E2D"_s);
        f.prompts.expectMessageBox(Prompts::Answer::Ok)
            .expectMessageBox(Prompts::Answer::No, u"UTF-8"_s)
            .expectMessageBox(Prompts::Answer::Ok, u"Il file config.ini non è stato salvato."_s);
        f.window->saveProject();
        QVERIFY(f.prompts.asked().last().text.contains(u"Il campo [TITL] contiene"_s));
        QCOMPARE(f.prompts.asked().last().icon, Prompts::Icon::Critical);
        QCOMPARE(EditorFixture::readFile(f.discFile(u"config.ini"_s)), old);
        QCOMPARE(f.child<QLineEdit>(u"Text1"_s)->text(), u"Menu \u4E2D"_s);
        QCOMPARE(f.window->state().projectFolder, f.discFolder());

        // A folder that has gone away since the open: the system's reason is
        // shown, and the file comes back whole with the folder.
        f.child<QLineEdit>(u"Text1"_s)->setText(u"Fine"_s);
        const QString moved = f.root.path() + u"/moved"_s;
        QVERIFY(QDir().rename(f.discFolder(), moved));
        f.prompts.expectMessageBox(Prompts::Answer::Ok)
            .expectMessageBox(Prompts::Answer::Ok, u"non è stato salvato"_s);
        f.window->saveProject();
        // In the editor's words, with the reason.
        QVERIFY(f.prompts.asked().last().text.contains(u"La cartella del file"_s));
        QCOMPARE(f.child<QLineEdit>(u"Text18"_s)->text(), f.discFile(u"config.ini"_s));
        QVERIFY(QDir().rename(moved, f.discFolder()));
        QCOMPARE(EditorFixture::readFile(f.discFile(u"config.ini"_s)), old);
    }

    void anExistingConfigIniInOtherLetterCaseIsTheOne_data() {
        QTest::addColumn<QString>("existing");
        QTest::newRow("Config.ini") << u"Config.ini"_s;
        QTest::newRow("CONFIG.INI") << u"CONFIG.INI"_s;
    }
    void anExistingConfigIniInOtherLetterCaseIsTheOne() {
        QFETCH(QString, existing);
        EditorFixture f;
        EditorFixture::writeFile(f.discFile(existing), "[TITL]Old\r\n");
        f.openThroughDialog(f.discFile(u"config.ini"_s));
        QCOMPARE(f.child<QLineEdit>(u"Text1"_s)->text(), u"Old"_s);
        QCOMPARE(f.window->state().projectFile, f.discFile(existing));

        f.child<QLineEdit>(u"Text1"_s)->setText(u"New"_s);
        f.prompts.expectMessageBox(Prompts::Answer::Ok, u"sovrascrivere"_s);
        f.window->saveProject();
        QVERIFY(EditorFixture::readFile(f.discFile(existing)).contains("[TITL]New\r\n"));

        // New asks before replacing it, and makes no second file.
        f.prompts.expectSaveFile(f.discFile(u"config.ini"_s))
            .expectMessageBox(Prompts::Answer::Yes, u"esiste già"_s);
        f.window->newProject();
        QVERIFY(EditorFixture::readFile(f.discFile(existing)).startsWith("Nuovo file config.ini"));
        QCOMPARE(QDir(f.discFolder()).entryList(QDir::Files), QStringList{existing});
        QCOMPARE(f.window->state().projectFile, f.discFile(existing));
    }

    void aFileWithoutAnyConfigLineTakesTwoAnswersToReplace() {
        EditorFixture f;
        EditorFixture::writeFile(f.discFile(u"config.ini"_s), "[TITL]Mine\r\n");
        f.openThroughDialog(f.discFile(u"config.ini"_s));
        const QByteArray picture("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        const QString photo = f.discFile(u"photo.png"_s);
        EditorFixture::writeFile(photo, picture);

        f.prompts.expectOpenFile(photo).expectMessageBox(Prompts::Answer::No, u"photo.png"_s);
        f.window->openProject();
        QCOMPARE(f.prompts.asked().last().defaultButton, Prompts::Answer::No);
        QVERIFY(
            f.prompts.asked().last().text.contains(u"non contiene nessuna riga di config.ini"_s));
        QCOMPARE(f.window->state().projectFile, f.discFile(u"config.ini"_s));
        QCOMPARE(f.child<QLineEdit>(u"Text1"_s)->text(), u"Mine"_s);

        f.prompts.expectOpenFile(photo).expectMessageBox(Prompts::Answer::Yes);
        f.window->openProject();
        QCOMPARE(f.window->state().projectFile, photo);
        f.prompts.expectMessageBox(Prompts::Answer::Cancel, u"sovrascrivere"_s);
        f.window->saveProject();
        QCOMPARE(EditorFixture::readFile(photo), picture);
    }

    void anUnreadableFileIsReportedInTheEditorsLanguage() {
        EditorFixture f(u"EN"_s);
        f.prompts.expectOpenFile(f.discFile(u"gone.ini"_s))
            .expectMessageBox(Prompts::Answer::Ok, u"config.ini cannot be opened."_s);
        f.window->openProject();
        QVERIFY(f.prompts.asked().last().text.contains(u"gone.ini\" does not exist."_s));
    }

    void openThenSaveGivesTheSameBytes() {
        EditorFixture f;
        ConfigWriteResult result;
        const QByteArray original = formatConfig(fullProject(), fullLayoutText(), &result);
        QVERIFY(result.ok);
        QCOMPARE(fullLayoutText().count(u"\r\n"_s), 43);
        EditorFixture::writeFile(f.discFile(u"config.ini"_s), original);
        f.openThroughDialog(f.discFile(u"config.ini"_s));
        QCOMPARE(f.window->state().layoutText, fullLayoutText());
        QCOMPARE(f.child<QPlainTextEdit>(u"Text19"_s)->toPlainText().size() > 0, true);

        f.prompts.expectMessageBox(Prompts::Answer::Ok);
        f.window->saveProject();
        QCOMPARE(EditorFixture::readFile(f.discFile(u"config.ini"_s)), original);
    }

    void settingsComeBackAsTheFileHoldsThem() {
        EditorFixture f;
        // A long introduction, blanks, a lone line feed, a tab, a NUL and the
        // bytes the code page leaves undefined: none may change on the way.
        QByteArray bytes("[TITL]  spaced title  \r\n[ICON]a\nb\r\n[IC1a]t\tab\r\n[IC1b]nul");
        bytes.append('\0');
        bytes.append("x\r\n[IC2a]\x81\x8d\x8f\x90\x9d\xff\r\n[INTR]");
        bytes.append(QByteArray(40000, 'i'));
        bytes.append("\r\n[ABOU]");
        bytes.append(QByteArray(70000, 'a'));
        bytes.append("\r\n");
        EditorFixture::writeFile(f.discFile(u"config.ini"_s), bytes);
        f.openThroughDialog(f.discFile(u"config.ini"_s));
        QCOMPARE(f.child<QLineEdit>(u"Text7"_s)->text().size(), 40000);
        // What the author types goes in as typed, outer blanks included.
        f.child<QLineEdit>(u"Text6"_s)->setText(u" img\\pressed.bmp "_s);
        f.prompts.expectMessageBox(Prompts::Answer::Ok);
        f.window->saveProject();

        const QByteArray saved = EditorFixture::readFile(f.discFile(u"config.ini"_s));
        const auto lineOf = [](const QByteArray& file, const char* tag) {
            const qsizetype start = file.indexOf(tag);
            return start < 0 ? QByteArray() : file.mid(start, file.indexOf("\r\n", start) - start);
        };
        for (const char* tag :
             {"[TITL]", "[ICON]", "[IC1a]", "[IC1b]", "[IC2a]", "[INTR]", "[ABOU]"})
            QVERIFY2(lineOf(saved, tag) == lineOf(bytes, tag), tag);
        QCOMPARE(lineOf(saved, "[IC2b]"), QByteArray("[IC2b] img\\pressed.bmp "));
    }

    void aFileWithoutLayoutGetsTheBuiltInPlacement() {
        EditorFixture f;
        ConfigWriteResult result;
        ConfigFile config = fullProject();
        config.categoriesEnabled = false;
        const QByteArray original = formatConfig(config, u"NO"_s, &result);
        EditorFixture::writeFile(f.discFile(u"config.ini"_s), original);
        f.openThroughDialog(f.discFile(u"config.ini"_s));
        // The open pass through the designer fills in every layout line.
        const QString layout = f.window->state().layoutText;
        QCOMPARE(layout.count(u"\r\n"_s), 43);
        QVERIFY(layout.startsWith(u"[CO1T]"_s));
        QCOMPARE(f.child<QPlainTextEdit>(u"Text19"_s)->toPlainText(),
                 QString(layout).remove(u'\r'));
        QVERIFY(!f.window->state().layoutApply);
        f.prompts.expectMessageBox(Prompts::Answer::Ok);
        f.window->saveProject();
        const QByteArray saved = EditorFixture::readFile(f.discFile(u"config.ini"_s));
        QVERIFY(saved.startsWith(original));
        QCOMPARE(saved.mid(original.size()), layout.toLatin1() + "\r\n");
    }

    void theDesignerOpensOnlyWithAProject() {
        EditorFixture f;
        EditorFixture::writeFile(f.discFile(u"config.ini"_s), "[TITL]x\r\n");
        f.openThroughDialog(f.discFile(u"config.ini"_s));
        f.window->show();
        f.window->openDesigner();
        QVERIFY(f.window->designer()->isOpen());
        QVERIFY(f.window->isHidden());
    }

    void editingARecordLocksThePanelsButNotTheFileMenu() {
        EditorFixture f;
        EditorFixture::writeFile(f.discFile(u"config.ini"_s), "[NOME]One\r\n[NOME]Two\r\n");
        f.openThroughDialog(f.discFile(u"config.ini"_s));
        QCOMPARE(f.child<QLineEdit>(u"Text17"_s)->text(), u"-1"_s);
        f.window->selectPanel(Form2::Panel::Database);
        f.child<QListWidget>(u"List2"_s)->setCurrentRow(1);
        QCOMPARE(f.window->state().currentRecord, 1);
        QCOMPARE(f.child<QLineEdit>(u"Text17"_s)->text(), u"1"_s);

        f.child<QPushButton>(u"Command4"_s)->click();
        QVERIFY(f.window->databasePanel()->isEditing());
        for (const auto name :
             {u"Option1", u"Option2", u"Option3", u"Option4", u"Option5", u"Command13"})
            QVERIFY(!f.child<QWidget>(QString::fromUtf16(name))->isEnabled());
        for (const auto name : {u"file2", u"Configurazionetesto", u"icone", u"categorie",
                                u"database", u"AspettoGrafico", u"save", u"testamenu2"})
            QVERIFY(!f.window->findChild<QAction*>(QString::fromUtf16(name))->isEnabled());
        for (const auto name : {u"nuovo", u"load", u"esci", u"Readme", u"Aboutbox"})
            QVERIFY(f.window->findChild<QAction*>(QString::fromUtf16(name))->isEnabled());

        f.child<QPushButton>(u"Command99"_s)->click();
        QVERIFY(!f.window->databasePanel()->isEditing());
        QVERIFY(f.child<QWidget>(u"Option1"_s)->isEnabled());
        QVERIFY(f.window->findChild<QAction*>(u"save"_s)->isEnabled());
    }

    void exitAnsweredNoKeepsRunning() {
        EditorFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.prompts.expectMessageBox(Prompts::Answer::No, u"Uscire comunque ?"_s);
        f.window->exitEditor();
        QVERIFY(f.window->isVisible());
        const auto& question = f.prompts.asked().last();
        QVERIFY(question.text.startsWith(u"Se il progetto non è stato salvato tutte"_s));
        QCOMPARE(question.title, u"ATTENZIONE"_s);
        QCOMPARE(question.buttons, Prompts::Buttons::YesNo);
        QCOMPARE(question.icon, Prompts::Icon::Information);
        QCOMPARE(question.defaultButton, Prompts::Answer::No);

        // The close box asks the same; No cancels the close.
        f.prompts.expectMessageBox(Prompts::Answer::No, u"Uscire comunque ?"_s);
        QVERIFY(!f.window->close());
        QVERIFY(f.window->isVisible());

        f.prompts.expectMessageBox(Prompts::Answer::Yes, u"Uscire comunque ?"_s);
        f.window->exitEditor();
        QVERIFY(!f.window->isVisible());
    }
};

QTEST_MAIN(TestLifecycle)
#include "test_menusmith_lifecycle.moc"
