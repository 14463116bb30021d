#include "editorfixture.h"

#include "editorcommandline.h"

#include <productinfo.h>

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

void makeProgram(const QString& path) {
    EditorFixture::writeFile(path, "#!/bin/sh\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void openEmptyProject(EditorFixture& f) {
    EditorFixture::writeFile(f.discFile(u"config.ini"_s), "[TITL]t\r\n");
    f.openThroughDialog(f.discFile(u"config.ini"_s));
}

} // namespace

class TestActions : public QObject {
    Q_OBJECT

private slots:
    void testRunAnsweredNoStartsNothing() {
        EditorFixture f;
        openEmptyProject(f);
        makeProgram(f.binFolder() + u"menu"_s);
        f.prompts.expectMessageBox(Prompts::Answer::No, u"Aprire menu.exe ?"_s);
        f.window->testRun();
        const auto& question = f.prompts.asked().last();
        QVERIFY(question.text.startsWith(u"Se il progetto non è stato salvato, non si potranno"_s));
        QCOMPARE(question.title, u"ATTENZIONE"_s);
        QCOMPARE(question.buttons, Prompts::Buttons::YesNo);
        QCOMPARE(question.icon, Prompts::Icon::Information);
        QCOMPARE(question.defaultButton, Prompts::Answer::No);
        QVERIFY(f.desktop.calls().isEmpty());
    }

    void testRunStartsTheMenuBesideTheEditorOnTheProject() {
        EditorFixture f;
        openEmptyProject(f);
        makeProgram(f.binFolder() + u"menu"_s);
        f.prompts.expectMessageBox(Prompts::Answer::Yes);
        f.window->testRun();
        const QString disc = QDir::cleanPath(f.discFolder());
        QCOMPARE(f.desktop.log(), QStringList{u"start \"%1menu\" \"%2\" in %3"_s.arg(
                                      f.binFolder(), disc, f.discFolder())});
        QCOMPARE(QProcess::splitCommand(f.desktop.calls().first().target),
                 (QStringList{f.binFolder() + u"menu"_s, disc}));
    }

    void testRunPrefersTheDiscsOwnMenu() {
        EditorFixture f;
        openEmptyProject(f);
        makeProgram(f.binFolder() + u"menu"_s);
        makeProgram(f.discFile(u"menu"_s));
        f.prompts.expectMessageBox(Prompts::Answer::Yes);
        f.window->testRun();
        QCOMPARE(f.desktop.log(),
                 QStringList{u"start \"%1menu\" in %2"_s.arg(f.discFolder(), f.discFolder())});
    }

    void testRunFindsTheMenuOfTheBuildTree() {
        EditorFixture f;
        openEmptyProject(f);
        QDir(f.root.path()).mkpath(u"menu"_s);
        makeProgram(f.root.path() + u"/menu/menu"_s);
        f.prompts.expectMessageBox(Prompts::Answer::Yes);
        f.window->testRun();
        QCOMPARE(f.desktop.calls().size(), 1);
        QVERIFY(
            f.desktop.calls().first().target.startsWith(u"\"%1/menu/menu\" "_s.arg(f.root.path())));
    }

    void testRunWithoutAMenuSaysSo() {
        EditorFixture f;
        openEmptyProject(f);
        f.prompts.expectMessageBox(Prompts::Answer::Yes)
            .expectMessageBox(Prompts::Answer::Ok, u"Il programma menu non è stato trovato."_s);
        f.window->testRun();
        QVERIFY(f.prompts.asked().last().text.contains(QDir::toNativeSeparators(f.discFolder())));
        QVERIFY(f.desktop.calls().isEmpty());
    }

    void aMenuThatDoesNotStartIsReported() {
        EditorFixture f;
        openEmptyProject(f);
        makeProgram(f.binFolder() + u"menu"_s);
        f.desktop.setResult(RecordingDesktop::Action::StartProgram, false);
        f.prompts.expectMessageBox(Prompts::Answer::Yes)
            .expectMessageBox(Prompts::Answer::Ok, u"Il programma menu non è partito."_s);
        f.window->testRun();
        QCOMPARE(f.desktop.calls().size(), 1);
    }

    void helpIsBesideTheEditorNotTheProject() {
        EditorFixture f;
        openEmptyProject(f);
        const QString page = f.binFolder() + u"Help/index.htm"_s;
        // Without the page the editor says so itself.
        f.prompts.expectMessageBox(Prompts::Answer::Ok, u"index.htm\" non esiste."_s);
        f.child<QPushButton>(u"Command25"_s)->click();
        QVERIFY(f.desktop.log().isEmpty());

        QVERIFY(QDir().mkpath(f.binFolder() + u"Help"_s));
        EditorFixture::writeFile(page, "<html></html>");
        f.child<QPushButton>(u"Command25"_s)->click();
        f.window->findChild<QAction*>(u"Readme"_s)->trigger();
        QCOMPARE(f.desktop.log(), (QStringList{u"open "_s + page, u"open "_s + page}));
    }

    void mailAndWebLinks() {
        EditorFixture f;
        for (const auto item : {u"Emailme", u"suggerimenti", u"WebPage", u"Aggiornamenti"})
            f.window->findChild<QAction*>(QString::fromUtf16(item))->trigger();
        f.window->openLink(u"Label15"_s);
        f.window->openLink(u"Label28"_s);
        const QString first = QString::fromUtf16(product::makerMailFirst);
        const QString both = first + u", "_s + QString::fromUtf16(product::makerMailSecond);
        const QString web = QString::fromUtf16(product::makerWebPage);
        QCOMPARE(f.desktop.log(),
                 (QStringList{u"open mailto:"_s + both + u"?subject=e-mail da menusmith"_s,
                              u"open mailto:"_s + both + u"?subject=Suggerimenti da menusmith"_s,
                              u"open "_s + web, u"open "_s + web,
                              u"open mailto:"_s + first + u"?subject=e-mail da menusmith"_s,
                              u"open "_s + web}));
    }

    void aboutBoxIsNotModalAndShownOnce() {
        EditorFixture f;
        f.window->findChild<QAction*>(u"Aboutbox"_s)->trigger();
        f.window->showAbout();
        const auto boxes = f.window->findChildren<QDialog*>(u"frmAbout"_s);
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes.first()->isVisible());
        QVERIFY(!boxes.first()->isModal());
        QVERIFY(f.desktop.calls().isEmpty());
    }

    void iconPickersStoreRelativePaths() {
        EditorFixture f;
        openEmptyProject(f);
        QDir(f.discFolder()).mkpath(u"img"_s);
        f.prompts.expectOpenFile(f.discFile(u"img/inst.bmp"_s))
            .expectOpenFile(f.discFile(u"disc.ico"_s))
            .expectOpenFile(std::nullopt)
            .expectOpenFile(f.root.path() + u"/elsewhere/x.gif"_s);
        f.child<QPushButton>(u"Command16"_s)->click();
        f.child<QPushButton>(u"Command15"_s)->click();
        f.child<QPushButton>(u"Command15"_s)->click();
        f.child<QPushButton>(u"Command19"_s)->click();
        QCOMPARE(f.child<QLineEdit>(u"Text3"_s)->text(), u"img\\inst.bmp"_s);
        QCOMPARE(f.child<QLineEdit>(u"Text2"_s)->text(), u"disc.ico"_s);
        QCOMPARE(f.child<QLineEdit>(u"Text6"_s)->text(),
                 QDir::toNativeSeparators(f.root.path() + u"/elsewhere/x.gif"_s));
        const auto& request = f.prompts.asked().at(1).file;
        QCOMPARE(request.title, u"Scegli un'icona"_s);
        QCOMPARE(request.initialFolder, f.discFolder());
        QVERIFY(request.defaultExtension.isEmpty());
        QCOMPARE(request.filters, f.window->texts().filter(u"filterIcon"));
        QCOMPARE(QDir::currentPath() + u'/', f.discFolder());
    }

    void menusInBothLanguages_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("IT") << u"IT"_s;
        QTest::newRow("EN") << u"EN"_s;
    }
    void menusInBothLanguages() {
        QFETCH(QString, language);
        const bool english = language == u"EN";
        EditorFixture f(language);
        struct Item {
            const char16_t* name;
            const char16_t* italian;
            const char16_t* english;
            const char16_t* key;
        };
        // Menu by menu, in order; a separator has no caption.
        const QList<std::pair<Item, QList<Item>>> menus{
            {{u"file", u"File", u"File", u""},
             {{u"nuovo", u"&Nuovo Progetto...", u"New Project", u"Ctrl+N"},
              {u"load", u"&Apri...", u"Open Project", u"Ctrl+A"},
              {u"mnuFileBar1", u"", u"", u""},
              {u"save", u"&Salva", u"Save", u"Ctrl+S"},
              {u"fg", u"", u"", u""},
              {u"testamenu2", u"Testa menu.exe", u"Test menu", u"Ctrl+T"},
              {u"fgdfhgdhfh", u"", u"", u""},
              {u"esci", u"&Esci", u"Exit", u"Ctrl+Q"}}},
            {{u"Progetto", u"&Progetto", u"Project", u""},
             {{u"file2", u"&File ", u"File", u"F1"},
              {u"Configurazionetesto", u"&Configurazione testo", u"Text config", u"F2"},
              {u"icone", u"&Icone", u"Icons", u"F3"},
              {u"categorie", u"&Categorie", u"Category set", u"F4"},
              {u"database", u"&Database", u"Database", u"F5"},
              {u"AspettoGrafico", u"Aspetto &Grafico", u"Graphics", u"F6"},
              {u"CheckDisc", u"Verifica disco", u"Check disc", u"F7"},
              {u"PrepareDisc", u"Prepara disco…", u"Prepare disc…", u""}}},
            {{u"Help", u"&Help", u"Help", u""},
             {{u"Readme", u"Guida", u"Readme", u""},
              {u"Aboutbox", u"About", u"About", u""},
              {u"hjgh", u"", u"", u""},
              {u"Emailme", u"E-mail", u"E-mail", u""},
              {u"suggerimenti", u"Invia Suggerimenti", u"Suggestions", u""},
              {u"yutut", u"", u"", u""},
              {u"WebPage", u"Web Page", u"Web Page", u""},
              {u"Aggiornamenti", u"Aggiornamenti", u"Upgrade", u""}}}};
        const QList<QAction*> bar = f.window->menuBar()->actions();
        QCOMPARE(bar.size(), menus.size());
        for (qsizetype m = 0; m < menus.size(); ++m) {
            const auto& [title, items] = menus[m];
            QMenu* menu = bar[m]->menu();
            QVERIFY(menu);
            QCOMPARE(menu->objectName(), QString::fromUtf16(title.name));
            QCOMPARE(menu->title(), QString::fromUtf16(english ? title.english : title.italian));
            const QList<QAction*> actions = menu->actions();
            QCOMPARE(actions.size(), items.size());
            for (qsizetype i = 0; i < items.size(); ++i) {
                const Item& item = items[i];
                QAction* action = actions[i];
                QCOMPARE(action->objectName(), QString::fromUtf16(item.name));
                QCOMPARE(action->isSeparator(), QStringView(item.italian).isEmpty());
                if (action->isSeparator())
                    continue;
                QCOMPARE(action->text(), QString::fromUtf16(english ? item.english : item.italian));
                QCOMPARE(action->shortcut(), QKeySequence(QString::fromUtf16(item.key)));
            }
        }
    }

    void everyCaptionOfTheWindowInBothLanguages_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("IT") << u"IT"_s;
        QTest::newRow("EN") << u"EN"_s;
    }
    void everyCaptionOfTheWindowInBothLanguages() {
        QFETCH(QString, language);
        EditorFixture f(language);
        const UiTexts texts(language);
        const QStringList controls{
            u"Option1"_s,   u"Option2"_s,   u"Option3"_s,   u"Option4"_s,   u"Option5"_s,
            u"Command13"_s, u"Command25"_s, u"Label28"_s,   u"Label15"_s,   u"Command2"_s,
            u"Command1"_s,  u"Command10"_s, u"Command3"_s,  u"Command22"_s, u"Frame5"_s,
            u"Label26"_s,   u"Frame7"_s,    u"Frame9"_s,    u"Frame8"_s,    u"Label27"_s,
            u"Label25"_s,   u"Label4"_s,    u"Label5"_s,    u"Label12"_s,   u"Label13"_s,
            u"Label14"_s,   u"Frame10"_s,   u"Command5"_s,  u"Command4"_s,  u"Command6"_s,
            u"Command7"_s,  u"Command99"_s, u"Frame13"_s,   u"Label17"_s,   u"Label18"_s,
            u"Label19"_s,   u"Frame14"_s,   u"Label20"_s,   u"Label23"_s,   u"Label21"_s,
            u"Label24"_s,   u"Label22"_s,   u"Frame15"_s,   u"Label30"_s,   u"Check1"_s,
            u"Label29"_s,   u"Command28"_s, u"Command29"_s, u"Command30"_s, u"Command31"_s};
        for (const QString& name : controls) {
            const QList<QWidget*> found = f.window->findChildren<QWidget*>(name);
            QVERIFY2(found.size() == 1, qPrintable(name));
            QString caption;
            if (auto* button = qobject_cast<QAbstractButton*>(found.first()))
                caption = button->text();
            else if (auto* label = qobject_cast<QLabel*>(found.first()))
                caption = label->text();
            else if (auto* frame = qobject_cast<QGroupBox*>(found.first()))
                caption = frame->title();
            QVERIFY2(!caption.isEmpty(), qPrintable(name));
            QCOMPARE(caption, texts.text(name));
        }
    }

    void italianCaptionsAndTooltips() {
        EditorFixture f;
        QCOMPARE(f.child<QPushButton>(u"Command13"_s)->text(), u"Aspetto Grafico  (Salva prima)"_s);
        QCOMPARE(f.child<QPushButton>(u"Command99"_s)->text(), u"CANCELLA"_s);
        QCOMPARE(f.child<QRadioButton>(u"Option2"_s)->text(), u"Configurazione testo"_s);
        QCOMPARE(f.child<QGroupBox>(u"Frame5"_s)->title(), u"Percorso di config.ini"_s);
        QCOMPARE(f.child<QLabel>(u"Label5"_s)->text(), u"Icona per il pulsante \"INSTALLA\""_s);
        QCOMPARE(f.window->findChild<QAction*>(u"load"_s)->text(), u"&Apri..."_s);
        QCOMPARE(f.window->findChild<QAction*>(u"load"_s)->shortcut(), QKeySequence(u"Ctrl+A"_s));
        QCOMPARE(f.window->findChild<QAction*>(u"AspettoGrafico"_s)->shortcut(),
                 QKeySequence(u"F6"_s));
        QCOMPARE(f.child<QWidget>(u"Command12"_s)->toolTip(),
                 u"Clicca qui per inserire un'immagine"_s);
        QCOMPARE(f.child<QWidget>(u"Command26"_s)->toolTip(),
                 f.window->texts().text(u"tipAnyFile"));
    }

    void englishCaptionsAndMessages() {
        EditorFixture f(u"EN"_s);
        QCOMPARE(f.window->state().editorLanguage, u"EN"_s);
        QCOMPARE(f.window->windowTitle(), u"Menusmith. "_s);
        QCOMPARE(f.child<QPushButton>(u"Command13"_s)->text(), u"Graphics"_s);
        QCOMPARE(f.child<QPushButton>(u"Command99"_s)->text(), u"CANCEL"_s);
        QCOMPARE(f.child<QPushButton>(u"Command1"_s)->text(), u"Open Project"_s);
        QCOMPARE(f.child<QPushButton>(u"Command5"_s)->text(), u"Add"_s);
        QCOMPARE(f.child<QRadioButton>(u"Option5"_s)->text(), u"Category set"_s);
        QCOMPARE(f.child<QLabel>(u"Label28"_s)->text(), u"Tarsel Web Page"_s);
        QCOMPARE(f.window->findChild<QAction*>(u"Aggiornamenti"_s)->text(), u"Upgrade"_s);
        QCOMPARE(f.child<QWidget>(u"Command23"_s)->toolTip(), u"Select a ZIP file"_s);

        f.prompts.expectMessageBox(Prompts::Answer::Ok,
                                   u"You must open or create the config.ini"_s);
        f.window->selectPanel(Form2::Panel::Icons);
        QCOMPARE(f.prompts.asked().last().title, u"Attention"_s);
        f.prompts.expectMessageBox(Prompts::Answer::No, u"Exit ?"_s);
        f.window->exitEditor();
        f.prompts.expectSaveFile(std::nullopt);
        f.window->newProject();
        QCOMPARE(f.prompts.asked().last().file.title, u"Save a config.ini file"_s);
    }

    void commandLine() {
        const QString program = u"menusmith"_s;
        // Without a language asked for, the system's.
        const QLocale italian(QLocale::Italian, QLocale::Italy);
        const QLocale german(QLocale::German, QLocale::Germany);
        QCOMPARE(parseEditorCommandLine({program}, {}, italian).language, u"IT"_s);
        QCOMPARE(parseEditorCommandLine({program}, {}, german).language, u"EN"_s);
        QCOMPARE(parseEditorCommandLine({program}, u"EN"_s, italian).language, u"EN"_s);
        QCOMPARE(parseEditorCommandLine({program}, u"DE"_s, italian).language, u"IT"_s);
        QCOMPARE(parseEditorCommandLine({program, u"--lang"_s, u"it"_s}, {}, german).language,
                 u"IT"_s);
        QCOMPARE(parseEditorCommandLine({program, u"--lang"_s, u"EN"_s}, {}).language, u"EN"_s);
        QCOMPARE(parseEditorCommandLine({program, u"--lang"_s, u"IT"_s}, u"EN"_s).language,
                 u"IT"_s);

        const auto version = parseEditorCommandLine({program, u"--version"_s}, {});
        QVERIFY(version.exitNow);
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.output, u"menusmith 1.3.0\n"_s);
        const auto help = parseEditorCommandLine({program, u"--help"_s}, {});
        QVERIFY(help.exitNow);
        QVERIFY(help.output.contains(u"--lang"_s));
        const auto wrong = parseEditorCommandLine({program, u"--colour"_s}, {});
        QVERIFY(wrong.exitNow);
        QCOMPARE(wrong.exitCode, 2);

        QTemporaryDir dir;
        const auto folder = parseEditorCommandLine({program, dir.path()}, {});
        QVERIFY(!folder.exitNow);
        QCOMPARE(folder.configPath, dir.path() + u"/config.ini"_s);
        const auto file = parseEditorCommandLine({program, dir.path() + u"/my.ini"_s}, {});
        QCOMPARE(file.configPath, dir.path() + u"/my.ini"_s);
    }

    void openingFromTheCommandLine() {
        EditorFixture f;
        EditorFixture::writeFile(f.discFile(u"config.ini"_s), "[TITL]Given\r\n");
        QVERIFY(f.window->openProjectFile(f.discFile(u"config.ini"_s)));
        QCOMPARE(f.child<QLineEdit>(u"Text1"_s)->text(), u"Given"_s);
        QCOMPARE(f.window->state().projectFile, f.discFile(u"config.ini"_s));
        f.prompts.expectMessageBox(Prompts::Answer::Ok, u"Impossibile aprire"_s);
        QVERIFY(!f.window->openProjectFile(f.discFile(u"none.ini"_s)));
        QCOMPARE(f.child<QLineEdit>(u"Text1"_s)->text(), u"Given"_s);
    }
};

QTEST_MAIN(TestActions)
#include "test_menusmith_actions.moc"
