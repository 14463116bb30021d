#include "designerfixture.h"
#include "designerplacement.h"
#include "designerwindow.h"
#include "editorstate.h"
#include "layoutdesigner.h"
#include "modificatorplacement.h"
#include "modificatorwindow.h"
#include "recordingdesktop.h"
#include "scriptedprompts.h"
#include "topmost.h"
#include "uitexts.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>

#include <memory>

using namespace Qt::StringLiterals;
using namespace designertest;
using Id = LayoutObjectId;
using Answer = Prompts::Answer;

namespace {

// Answers from the script, and notes for every prompt whether the
// modificator stood above all windows while it was shown.
class TopmostWatch : public Prompts {
public:
    explicit TopmostWatch(ScriptedPrompts& script)
        : m_script(script) {}

    QList<bool> modificatorTopmost; // one entry a prompt

    Answer messageBox(const QString& text, const QString& title, Buttons buttons, Icon icon,
                      Answer defaultButton) override {
        note();
        return m_script.messageBox(text, title, buttons, icon, defaultButton);
    }
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override {
        note();
        return m_script.inputBox(prompt, title, defaultText);
    }
    std::optional<QString> openFileDialog(const FileDialogRequest& request) override {
        note();
        return m_script.openFileDialog(request);
    }
    std::optional<QString> saveFileDialog(const FileDialogRequest& request) override {
        note();
        return m_script.saveFileDialog(request);
    }
    std::optional<QColor> colourDialog(const QColor& initial,
                                       const QList<QColor>& customColours) override {
        note();
        return m_script.colourDialog(initial, customColours);
    }

private:
    void note() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == u"Form3" && window->isVisible())
                modificatorTopmost << topmost::isTopmost(*window);
        }
    }
    ScriptedPrompts& m_script;
};

// Counts the events of one type that reach the watched object.
class EventCounter : public QObject {
public:
    EventCounter(QEvent::Type type, int* count, QObject* parent)
        : QObject(parent)
        , m_type(type)
        , m_count(count) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == m_type)
            ++*m_count;
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type m_type;
    int* m_count;
};

} // namespace

// The designer and its modificator as the editor's main window drives them:
// opening, picking, the arrows on the grid, colours, the background picture,
// the factory layout, and every way of closing.
class TestModificator : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void openingWithoutAProjectAsksForOne();
    void openingHidesTheEditorAndShowsBothWindows();
    void captionsFollowTheLanguage_data();
    void captionsFollowTheLanguage();
    void pickNamesTheObjectAndBringsTheModificatorBack_data();
    void pickNamesTheObjectAndBringsTheModificatorBack();

    void closeBoxesAndCancelKeepTheLayoutText_data();
    void closeBoxesAndCancelKeepTheLayoutText();
    void applyReplacesTheLayoutText();
    void fileWithoutLayoutLinesGivesTheFullBlock();
    void openPassCapturesTheLayoutWithoutShowingAnything();
    void openPassKeepsTheLayoutWhenTheFileIsGone();
    void selectionSurvivesReopening();
    void projectFileOfTheFilePanelIsRead();
    void aboutOpensTheEditorsAboutBox();

    void arrowsMoveByTheGrid();
    void halfPixelGridIsWrittenRounded();
    void zeroAndNegativeGrids();
    void gridThatIsNoNumberMovesNothing();
    void nothingPickedShowsTheHint();
    void scrollBarWritesTheGrid();
    void listAndTextPanelExceptions();
    void resizingTheFramesCentresTheirPictures();
    void windowMovesOutOfRangeAreClampedAndReportedOnce();

    void coloursGoThroughTheColourDialog();
    void textColourOnlyForListAndTextPanel();
    void backgroundPictureInASubfolderIsStoredRelative();
    void backgroundThatIsNoPictureIsRefused();
    void backgroundOutsideTheProjectKeepsItsFullPath();
    void factoryRestoreThenApply();
    void factoryRestoreNeedsConfirmation();
    void modificatorStepsDownAroundEveryPrompt();
    void modificatorStandsBesideTheDesigner_data();
    void modificatorStandsBesideTheDesigner();
    void modificatorOpensBesideTheDesigner();

private:
    void openDesigner();
    DesignerWindow& form1() { return *m_designer->designerWindow(); }
    ModificatorWindow& form3() { return *m_designer->modificator(); }
    MenuFace& face() { return *form1().face(); }
    void click(const char* modificatorButton);
    void pick(Id object);
    void setGrid(const QString& text);
    QString appliedBlock();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPrompts> m_script;
    std::unique_ptr<TopmostWatch> m_prompts;
    std::unique_ptr<UiTexts> m_texts;
    std::unique_ptr<QWidget> m_editor;
    RecordingDesktop m_desktop;
    EditorState m_state;
    std::unique_ptr<LayoutDesigner> m_designer;
};

void TestModificator::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    writeProject(*m_dir, sampleConfig());
    m_script = std::make_unique<ScriptedPrompts>();
    m_prompts = std::make_unique<TopmostWatch>(*m_script);
    m_state = EditorState();
    m_state.projectFolder = projectFolderOf(*m_dir);
    m_state.frameHeight = editorFrameHeight();
    m_state.layoutText = u"NO"_s;
    m_texts = std::make_unique<UiTexts>(u"IT");
    m_editor = std::make_unique<QWidget>();
    m_editor->setObjectName(u"Form2"_s);
    m_editor->show();
    m_designer =
        std::make_unique<LayoutDesigner>(m_state, *m_texts, *m_prompts, m_desktop, m_editor.get());
}

void TestModificator::cleanup() {
    m_designer.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_editor.reset();
    m_prompts.reset();
    m_script.reset(); // reports unused script lines
    m_texts.reset();
    m_dir.reset();
}

void TestModificator::openDesigner() {
    m_designer->open();
    QVERIFY(m_designer->isOpen());
    QVERIFY(QTest::qWaitForWindowExposed(&form1()));
}

void TestModificator::click(const char* modificatorButton) {
    auto* button = form3().findChild<QPushButton*>(QString::fromLatin1(modificatorButton));
    QVERIFY2(button, modificatorButton);
    button->click();
}

void TestModificator::pick(Id object) {
    // As the designer does for a click on the object.
    emit form1().picked(object);
}

void TestModificator::setGrid(const QString& text) {
    form3().findChild<QLineEdit*>(u"Text1"_s)->setText(text);
}

QString TestModificator::appliedBlock() {
    click("Command9");
    return m_state.layoutText;
}

void TestModificator::openingWithoutAProjectAsksForOne() {
    m_state.projectFolder.clear();
    m_script->expectMessageBox(Answer::Ok, u"Devi aprire o creare il file config.ini"_s);
    m_designer->open();
    QCOMPARE(m_script->asked().first().title, u"ATTENZIONE"_s);
    QVERIFY(!m_designer->isOpen());
    QVERIFY(m_editor->isVisible());
    // The open pass has nothing to read either.
    m_designer->captureLayout();
    QCOMPARE(m_state.layoutText, u"NO"_s);
}

void TestModificator::openingHidesTheEditorAndShowsBothWindows() {
    openDesigner();
    QVERIFY(!m_editor->isVisible());
    QVERIFY(form1().isVisible());
    QVERIFY(form3().isVisible());
    QVERIFY(topmost::isTopmost(form3()));
    QCOMPARE(form3().windowTitle(), u"Modificator"_s);
    QCOMPARE(form3().findChild<QLineEdit*>(u"Text1"_s)->text(), u"200"_s);
    QCOMPARE(form3().findChild<QLineEdit*>(u"Text3"_s)->text(), u"nessuno"_s);
    QCOMPARE(form1().face()->appList()->count(), 3);
    // A second request brings the same windows forward.
    DesignerWindow* first = &form1();
    m_designer->open();
    QCOMPARE(&form1(), first);
}

void TestModificator::captionsFollowTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("captions"); // Command1, Command3, Command9, Command10, Command13
    QTest::addColumn<QString>("sizeFrame");
    QTest::addColumn<QString>("none");
    QTest::newRow("IT") << u"IT"_s
                        << QStringList{u"SU"_s, u"SX"_s, u"APPLICA"_s, u"CANCELLA"_s,
                                       u"Impostazioni di default"_s}
                        << u"Posizione  e Dimensioni"_s << u"nessuno"_s;
    QTest::newRow("EN") << u"EN"_s
                        << QStringList{u"UP"_s, u"SX"_s, u"OK"_s, u"CANCEL"_s,
                                       u"Restore factory settings"_s}
                        << u"Size and Position"_s << u"None"_s;
}

void TestModificator::captionsFollowTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QStringList, captions);
    QFETCH(QString, sizeFrame);
    QFETCH(QString, none);
    m_state.editorLanguage = language;
    m_texts = std::make_unique<UiTexts>(language);
    m_designer =
        std::make_unique<LayoutDesigner>(m_state, *m_texts, *m_prompts, m_desktop, m_editor.get());
    openDesigner();
    QStringList shown;
    for (const char* name : {"Command1", "Command3", "Command9", "Command10", "Command13"})
        shown << form3().findChild<QPushButton*>(QString::fromLatin1(name))->text();
    QCOMPARE(shown, captions);
    QCOMPARE(form3().findChild<QGroupBox*>(u"Frame1"_s)->title(), sizeFrame);
    QCOMPARE(form3().findChild<QLineEdit*>(u"Text3"_s)->text(), none);
    // Labels without an English text keep the designed one.
    QCOMPARE(form3().findChild<QLabel*>(u"Label2"_s)->text(), u"+ ALTO"_s);
}

void TestModificator::pickNamesTheObjectAndBringsTheModificatorBack_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<Id>("object");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("shown");
    QTest::newRow("IT window") << u"IT"_s << Id::Window << u"form1"_s << u"Finestra principale"_s;
    QTest::newRow("EN window") << u"EN"_s << Id::Window << u"form1"_s << u"Main window"_s;
    QTest::newRow("IT extra") << u"IT"_s << Id::ExtraButton << u"command4"_s << u"Pulsante 3"_s;
    QTest::newRow("EN logo") << u"EN"_s << Id::Logo << u"picture9"_s << u"Logo Image"_s;
    QTest::newRow("IT list") << u"IT"_s << Id::AppList << u"list2"_s << u"Lista"_s;
}

void TestModificator::pickNamesTheObjectAndBringsTheModificatorBack() {
    QFETCH(QString, language);
    QFETCH(Id, object);
    QFETCH(QString, selected);
    QFETCH(QString, shown);
    m_state.editorLanguage = language;
    m_texts = std::make_unique<UiTexts>(language);
    m_designer =
        std::make_unique<LayoutDesigner>(m_state, *m_texts, *m_prompts, m_desktop, m_editor.get());
    openDesigner();
    form3().hide();
    pick(object);
    QCOMPARE(m_state.selectedObject, selected);
    QCOMPARE(form3().findChild<QLineEdit*>(u"Text3"_s)->text(), shown);
    QVERIFY(form3().isVisible());
}

void TestModificator::closeBoxesAndCancelKeepTheLayoutText_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("designer close box") << 0;
    QTest::newRow("modificator close box") << 1;
    QTest::newRow("cancel") << 2;
}

void TestModificator::closeBoxesAndCancelKeepTheLayoutText() {
    QFETCH(int, how);
    m_state.layoutText = u"[CO1T]5\r\n"_s; // an earlier design, not yet saved
    openDesigner();
    QSignalSpy closed(m_designer.get(), &LayoutDesigner::closed);
    pick(Id::InstallButton);
    click("Command1");
    QCOMPARE(face().controlGeometry(Id::InstallButton).top, 78.0);

    if (how == 0)
        form1().close();
    else if (how == 1)
        form3().close();
    else
        click("Command10");

    QCOMPARE(m_state.layoutText, u"[CO1T]5\r\n"_s);
    QCOMPARE(closed.size(), 1);
    QVERIFY(!m_designer->isOpen());
    QVERIFY(!m_state.layoutApply);
    QVERIFY(m_editor->isVisible());
    // Both windows go; nothing of them is left on screen.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY(window->objectName() != u"Form1" && window->objectName() != u"Form3");
}

void TestModificator::applyReplacesTheLayoutText() {
    openDesigner();
    QSignalSpy closed(m_designer.get(), &LayoutDesigner::closed);
    pick(Id::InstallButton);
    click("Command1");
    const QString block = appliedBlock();
    QCOMPARE(layoutLineCount(block), 43);
    QCOMPARE(layoutValue(block, u"[CO1T]"_s), u"78"_s);
    QCOMPARE(closed.size(), 1);
    QVERIFY(!m_state.layoutApply);
    QVERIFY(!m_designer->isOpen());
    QVERIFY(m_editor->isVisible());
}

void TestModificator::fileWithoutLayoutLinesGivesTheFullBlock() {
    // Opening the project: the open pass, then a save of what it kept.
    m_designer->captureLayout();
    const QString block = m_state.layoutText;
    QCOMPARE(layoutLineCount(block), 43);
    QCOMPARE(layoutValue(block, u"[PI1L]"_s), u"240"_s);
    QCOMPARE(layoutValue(block, u"[FO1H]"_s), u"421"_s);

    writeProject(*m_dir, sampleConfig(), block);
    const ConfigReadResult saved = readConfig(m_dir->filePath(u"config.ini"_s));
    QVERIFY(saved.config);
    QCOMPARE(saved.config->layout.lines.size(), 43);
}

void TestModificator::openPassCapturesTheLayoutWithoutShowingAnything() {
    writeProject(*m_dir, sampleConfig(), u"[CO4L]12\r\n[BKGR]pic.bmp"_s);
    struct ShowWatch : QObject {
        QStringList shown;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Show && watched->isWidgetType() &&
                static_cast<QWidget*>(watched)->isWindow())
                shown << watched->objectName();
            return false;
        }
    } watch;
    qApp->installEventFilter(&watch);
    QSignalSpy closed(m_designer.get(), &LayoutDesigner::closed);
    m_designer->captureLayout();
    qApp->removeEventFilter(&watch);

    QCOMPARE(watch.shown, QStringList());
    QCOMPARE(layoutValue(m_state.layoutText, u"[CO4L]"_s), u"12"_s);
    QCOMPARE(layoutValue(m_state.layoutText, u"[CO4T]"_s), u"264"_s);
    QCOMPARE(layoutValue(m_state.layoutText, u"[BKGR]"_s), u"pic.bmp"_s);
    QVERIFY(!m_state.layoutApply);
    QVERIFY(!m_designer->isOpen());
    QVERIFY(m_editor->isVisible());
    QCOMPARE(closed.size(), 1);
}

void TestModificator::openPassKeepsTheLayoutWhenTheFileIsGone() {
    m_state.layoutText = u"[CO1T]5\r\n"_s;
    QFile::remove(m_dir->filePath(u"config.ini"_s));
    m_designer->captureLayout();
    QCOMPARE(m_state.layoutText, u"[CO1T]5\r\n"_s);
    QVERIFY(!m_state.layoutApply);
}

void TestModificator::selectionSurvivesReopening() {
    openDesigner();
    pick(Id::ExploreButton);
    click("Command10");
    openDesigner();
    QCOMPARE(m_state.selectedObject, u"command2"_s);
    QCOMPARE(form3().findChild<QLineEdit*>(u"Text3"_s)->text(), u"nessuno"_s);
    click("Command4");
    QCOMPARE(face().controlGeometry(Id::ExploreButton).left, 570.0);
}

void TestModificator::projectFileOfTheFilePanelIsRead() {
    const ConfigWriteResult written =
        writeConfig(sampleConfig(), u"[CO1T]7"_s, m_dir->filePath(u"Other.ini"_s));
    QVERIFY(written.ok);
    m_state.projectFile = m_dir->filePath(u"Other.ini"_s);
    m_designer->captureLayout();
    QCOMPARE(layoutValue(m_state.layoutText, u"[CO1T]"_s), u"7"_s);
}

void TestModificator::aboutOpensTheEditorsAboutBox() {
    openDesigner();
    auto* about = form1().findChild<QAction*>(u"About"_s);
    QVERIFY(about);
    QCOMPARE(about->text(), u"About"_s);
    about->trigger();
    auto* box = form1().findChild<QDialog*>(u"frmAbout"_s);
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QVERIFY(!box->isModal());
    QVERIFY(m_desktop.calls().isEmpty());
}

void TestModificator::arrowsMoveByTheGrid() {
    openDesigner();
    pick(Id::InstallButton);
    click("Command1");
    QCOMPARE(face().controlGeometry(Id::InstallButton), (FaceGeometry{560, 78, 57, 57}));
    click("Command3");
    click("Command5");
    click("Command8");
    QCOMPARE(face().controlGeometry(Id::InstallButton), (FaceGeometry{550, 78, 67, 67}));
    QCOMPARE(face().installButton()->geometry(), QRect(550, 78, 67, 67));

    pick(Id::Window);
    const WindowTwips before = form1().windowTwips();
    click("Command1");
    click("Command4");
    click("Command7");
    const WindowTwips after = form1().windowTwips();
    QCOMPARE(after.top, before.top - 200);
    QCOMPARE(after.left, before.left + 200);
    QCOMPARE(after.width, before.width - 200);
    QCOMPARE(after.height, before.height);
    const qreal ratio = form1().twipsPerPixel();
    QCOMPARE(form1().frameGeometry().width(), qRound(after.width / ratio));
}

void TestModificator::halfPixelGridIsWrittenRounded() {
    openDesigner();
    form3().findChild<QScrollBar*>(u"HScroll1"_s)->setValue(50);
    pick(Id::InstallButton);
    click("Command1"); // 88 - 2.5
    QCOMPARE(face().controlGeometry(Id::InstallButton).top, 85.5);
    click("Command8");
    click("Command8"); // 57 + 5
    pick(Id::ExploreButton);
    click("Command2"); // 176 + 2.5
    const QString block = appliedBlock();
    QCOMPARE(layoutValue(block, u"[CO1T]"_s), u"86"_s);
    QCOMPARE(layoutValue(block, u"[CO1W]"_s), u"62"_s);
    QCOMPARE(layoutValue(block, u"[CO2T]"_s), u"178"_s);
}

void TestModificator::zeroAndNegativeGrids() {
    openDesigner();
    pick(Id::TextPanel);
    const FaceGeometry start = face().controlGeometry(Id::TextPanel);
    setGrid(u"0"_s);
    for (const char* arrow : {"Command1", "Command2", "Command3", "Command4", "Command5",
                              "Command6", "Command7", "Command8"})
        click(arrow);
    QCOMPARE(face().controlGeometry(Id::TextPanel), start);

    setGrid(u"-200"_s);
    click("Command1");
    click("Command4");
    QCOMPARE(face().controlGeometry(Id::TextPanel).top, start.top + 10);
    QCOMPARE(face().controlGeometry(Id::TextPanel).left, start.left - 10);
    pick(Id::Window);
    const WindowTwips before = form1().windowTwips();
    click("Command2");
    QCOMPARE(form1().windowTwips().top, before.top - 200);
}

void TestModificator::gridThatIsNoNumberMovesNothing() {
    openDesigner();
    pick(Id::InstallButton);
    setGrid(u"dieci"_s);
    m_script->expectMessageBox(Answer::Ok, u"La griglia deve essere un numero."_s);
    click("Command2");
    QCOMPARE(face().controlGeometry(Id::InstallButton), kDesignerPlacement.controls[0].geometry);
    QCOMPARE(m_script->asked().last().title, u"ATTENZIONE"_s);
}

void TestModificator::nothingPickedShowsTheHint() {
    openDesigner();
    m_script->expectMessageBox(Answer::Ok, u"Clicca su un oggetto del menu per selezionarlo."_s);
    click("Command5");
    QCOMPARE(m_script->asked().last().title, u"ATTENZIONE"_s);
    QCOMPARE(m_script->asked().last().buttons, Prompts::Buttons::Ok);
}

void TestModificator::scrollBarWritesTheGrid() {
    openDesigner();
    auto* scroll = form3().findChild<QScrollBar*>(u"HScroll1"_s);
    QCOMPARE(scroll->minimum(), 50);
    QCOMPARE(scroll->maximum(), 1000);
    QCOMPARE(scroll->value(), 200);
    QCOMPARE(scroll->pageStep(), 100);
    QCOMPARE(scroll->singleStep(), 1);
    scroll->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(form3().findChild<QLineEdit*>(u"Text1"_s)->text(), u"300"_s);
    // The arrows read the field, not the bar.
    setGrid(u"400"_s);
    pick(Id::InstallButton);
    click("Command2");
    QCOMPARE(face().controlGeometry(Id::InstallButton).top, 108.0);
}

void TestModificator::listAndTextPanelExceptions() {
    openDesigner();
    pick(Id::AppList);
    click("Command5");
    QCOMPARE(face().controlGeometry(Id::AppList).height, 212.0 + 24);
    click("Command6");
    QCOMPARE(face().controlGeometry(Id::AppList).height, 212.0 + 24 - 10);

    FaceGeometry panel = face().controlGeometry(Id::TextPanel);
    panel.height = 15;
    QVERIFY(face().setControlGeometry(Id::TextPanel, panel));
    pick(Id::TextPanel);
    click("Command6");
    QCOMPARE(face().controlGeometry(Id::TextPanel).height, 15.0);

    FaceGeometry button = face().controlGeometry(Id::ExtraButton);
    button.height = 15;
    QVERIFY(face().setControlGeometry(Id::ExtraButton, button));
    pick(Id::ExtraButton);
    click("Command6");
    QCOMPARE(face().controlGeometry(Id::ExtraButton).height, 5.0);
    click("Command6");
    QCOMPARE(face().controlGeometry(Id::ExtraButton).height, 5.0);
}

void TestModificator::resizingTheFramesCentresTheirPictures() {
    writePicture(m_dir->filePath(u"logo.bmp"_s), {100, 40}, Qt::yellow);
    writePicture(m_dir->filePath(u"default.bmp"_s), {50, 50}, Qt::cyan);
    openDesigner();
    pick(Id::AppPicture);
    const QPoint before = face().appPicture()->pos();
    click("Command2"); // a move does not centre
    QCOMPARE(face().appPicture()->pos(), before);
    click("Command8");
    click("Command8");
    QCOMPARE(face().appPicture()->pos(), before + QPoint(10, 0));
    pick(Id::Logo);
    click("Command5");
    click("Command5");
    QCOMPARE(face().logo()->pos(), QPoint((625 - 100) / 2, (106 - 40) / 2));
}

void TestModificator::windowMovesOutOfRangeAreClampedAndReportedOnce() {
    openDesigner();
    pick(Id::Window);
    // A size the file cannot hold is refused, silently like a shrink below zero.
    const WindowTwips before = form1().windowTwips();
    setGrid(u"10000000"_s);
    click("Command8");
    click("Command5");
    QCOMPARE(form1().windowTwips(), before);
    setGrid(u"20000"_s);
    click("Command4");
    click("Command4");
    click("Command2");
    click("Command2");
    m_script->expectMessageBox(Answer::Ok, u"fuori dai limiti del file"_s);
    const QString block = appliedBlock();
    QCOMPARE(layoutValue(block, u"[FO1L]"_s), u"32767"_s);
    QCOMPARE(layoutValue(block, u"[FO1T]"_s), u"32767"_s);
    QVERIFY(m_script->asked().last().text.contains(u"[FO1T], [FO1L]"_s));
    QCOMPARE(m_script->asked().size(), 1);
}

void TestModificator::coloursGoThroughTheColourDialog() {
    openDesigner();
    pick(Id::InstallButton);
    m_script->expectColour(QColor(0x10, 0x20, 0x30)).expectColour(std::nullopt);
    click("Command11");
    QCOMPARE(face().backColour(Id::InstallButton), ConfigColour(0x302010));
    // Sixteen black custom colours, starting from black, every time.
    const ScriptedPrompts::Asked& asked = m_script->asked().last();
    QCOMPARE(asked.initialColour, QColor(Qt::black));
    QCOMPARE(asked.customColours, QList<QColor>(16, QColor(Qt::black)));
    click("Command11"); // cancelled
    QCOMPARE(face().backColour(Id::InstallButton), ConfigColour(0x302010));

    pick(Id::Window);
    m_script->expectColour(QColor(0, 0, 255));
    click("Command11");
    QCOMPARE(face().windowColour(), ConfigColour(0xFF0000));
    const QString block = appliedBlock();
    QCOMPARE(layoutValue(block, u"[CO1C]"_s), QString::number(0x302010));
    QCOMPARE(layoutValue(block, u"[FO1C]"_s), QString::number(0xFF0000));
}

void TestModificator::textColourOnlyForListAndTextPanel() {
    openDesigner();
    // Nothing picked: the dialog shows, nothing changes, nothing is said.
    m_script->expectColour(QColor(Qt::red));
    click("Command12");
    pick(Id::InstallButton);
    m_script->expectColour(QColor(Qt::red));
    click("Command12");
    QCOMPARE(face().textColour(Id::InstallButton), ConfigColour(0));
    pick(Id::AppList);
    m_script->expectColour(QColor(Qt::red));
    click("Command12");
    QCOMPARE(face().textColour(Id::AppList), ConfigColour(0x0000FF));
    pick(Id::TextPanel);
    m_script->expectColour(QColor(Qt::green));
    click("Command12");
    const QString block = appliedBlock();
    QCOMPARE(layoutValue(block, u"[LS2F]"_s), QString::number(0x0000FF));
    QCOMPARE(layoutValue(block, u"[TX1F]"_s), QString::number(0x00FF00));
    QCOMPARE(layoutValue(block, u"[CO1C]"_s), u"12632256"_s);
}

void TestModificator::backgroundPictureInASubfolderIsStoredRelative() {
    const QString picture = writePicture(m_dir->filePath(u"sub/name.bmp"_s), {64, 48}, Qt::red);
    writeProject(*m_dir, sampleConfig(), u"[BKGR]old.bmp"_s);
    openDesigner();
    auto* field = form3().findChild<QLineEdit*>(u"Text2"_s);
    QCOMPARE(field->text(), u"old.bmp"_s);

    m_script->expectOpenFile(std::nullopt).expectOpenFile(picture);
    click("Command15"); // cancelled
    QCOMPARE(field->text(), u"old.bmp"_s);
    click("Command15");
    const ScriptedPrompts::Asked& asked = m_script->asked().last();
    QCOMPARE(asked.file.title, u"Scegli un'immagine per il background"_s);
    QCOMPARE(asked.file.initialFolder, m_state.projectFolder);
    QCOMPARE(asked.file.filters.size(), 6);
    QCOMPARE(asked.file.filters.last().description, u"Tutti i file (*.*)"_s);
    QCOMPARE(asked.file.filters.at(3).patterns, u"*.wmf;*.emf"_s);
    QCOMPARE(field->text(), u"sub\\name.bmp"_s);
    QCOMPARE(face().picture(FacePicture::Background).size(), QSize(64, 48));

    const QString block = appliedBlock();
    QCOMPARE(layoutValue(block, u"[BKGR]"_s), u"sub\\name.bmp"_s);
    ConfigFile config = sampleConfig();
    writeProject(*m_dir, config, block);
    const ConfigReadResult saved = readConfig(m_dir->filePath(u"config.ini"_s));
    QCOMPARE(saved.config->layout.lines.last().value, u"sub\\name.bmp"_s);
}

void TestModificator::backgroundThatIsNoPictureIsRefused() {
    writeText(m_dir->filePath(u"notes.bmp"_s), "not a picture");
    openDesigner();
    m_script->expectOpenFile(m_dir->filePath(u"notes.bmp"_s))
        .expectMessageBox(Answer::Ok, u"non è un'immagine"_s);
    click("Command15");
    QCOMPARE(form3().findChild<QLineEdit*>(u"Text2"_s)->text(), QString());
}

void TestModificator::backgroundOutsideTheProjectKeepsItsFullPath() {
    QTemporaryDir elsewhere;
    const QString picture = writePicture(elsewhere.filePath(u"far.bmp"_s), {8, 8}, Qt::blue);
    openDesigner();
    m_script->expectOpenFile(picture);
    click("Command15");
    // Not cut down to a name that would point into the project folder.
    QCOMPARE(form3().findChild<QLineEdit*>(u"Text2"_s)->text(), QDir::toNativeSeparators(picture));
    QCOMPARE(face().picture(FacePicture::Background).size(), QSize(8, 8));
}

void TestModificator::factoryRestoreThenApply() {
    writeProject(*m_dir, sampleConfig(), u"[BKGR]old.bmp\r\n[CO1T]3"_s);
    openDesigner();
    m_script->expectMessageBox(Answer::Ok,
                               u"Vuoi tornare alle impostazioni definite per default ?"_s);
    click("Command13");
    const ScriptedPrompts::Asked& asked = m_script->asked().last();
    QCOMPARE(asked.title, u"Attenzione "_s);
    QCOMPARE(asked.buttons, Prompts::Buttons::OkCancel);
    QCOMPARE(form3().findChild<QLineEdit*>(u"Text2"_s)->text(), QString());

    const QString block = appliedBlock();
    QCOMPARE(layoutValue(block, u"[FO1W]"_s), u"619"_s);
    QCOMPARE(layoutValue(block, u"[FO1H]"_s), QString::number(422 - m_state.frameHeight));
    QCOMPARE(layoutValue(block, u"[FO1T]"_s), u"100"_s);
    QCOMPARE(layoutValue(block, u"[CO1T]"_s), u"298"_s);
    QCOMPARE(layoutValue(block, u"[PI1C]"_s), u"0"_s);
    QVERIFY(block.endsWith(u"\r\n[BKGR]\r\n"_s));
}

void TestModificator::factoryRestoreNeedsConfirmation() {
    openDesigner();
    m_script->expectMessageBox(Answer::Cancel, u"Vuoi tornare"_s);
    click("Command13");
    QCOMPARE(face().controlGeometry(Id::InstallButton), kDesignerPlacement.controls[0].geometry);
}

void TestModificator::modificatorStepsDownAroundEveryPrompt() {
    writePicture(m_dir->filePath(u"back.bmp"_s), {8, 8}, Qt::red);
    openDesigner();
    m_script
        ->expectMessageBox(Answer::Ok) // the hint
        .expectColour(std::nullopt)    // back colour
        .expectColour(std::nullopt)    // text colour
        .expectOpenFile(m_dir->filePath(u"back.bmp"_s))
        .expectMessageBox(Answer::Cancel); // factory
    // Its native window stays the same one, on screen throughout.
    const QWindow* native = form3().windowHandle();
    QVERIFY(native);
    int hidden = 0;
    auto* watch = new EventCounter(QEvent::Hide, &hidden, &form3());
    form3().installEventFilter(watch);
    click("Command1");
    click("Command11");
    click("Command12");
    click("Command15");
    click("Command13");
    QCOMPARE(m_prompts->modificatorTopmost, QList<bool>(5, false));
    // And takes its place again each time.
    QVERIFY(topmost::isTopmost(form3()));
    QVERIFY(form3().isVisible());
    QCOMPARE(form3().windowHandle(), native);
    QCOMPARE(hidden, 0);
}

void TestModificator::modificatorStandsBesideTheDesigner_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("designer");
    QTest::addColumn<QRect>("control");
    QTest::addColumn<QPoint>("expected");
    // The modificator is 200 x 300.
    QTest::newRow("room on the right") << QRect(0, 0, 1600, 900) << QRect(100, 50, 640, 480)
                                       << QRect(200, 100, 50, 50) << QPoint(748, 50);
    QTest::newRow("designer at the right edge")
        << QRect(0, 0, 1600, 900) << QRect(900, 50, 640, 480) << QRect(1000, 100, 50, 50)
        << QPoint(692, 50);
    QTest::newRow("no room beside: off the control, least over the designer")
        << QRect(0, 0, 800, 600) << QRect(0, 0, 700, 500) << QRect(560, 10, 60, 60)
        << QPoint(600, 300);
}

void TestModificator::modificatorStandsBesideTheDesigner() {
    QFETCH(QRect, screen);
    QFETCH(QRect, designer);
    QFETCH(QRect, control);
    QFETCH(QPoint, expected);
    const QSize size(200, 300);
    const QPoint placed = modificatorPosition(designer, size, screen, control);
    QCOMPARE(placed, expected);
    QVERIFY(screen.contains(QRect(placed, size)));
    QVERIFY(!QRect(placed, size).intersects(control));
}

void TestModificator::modificatorOpensBesideTheDesigner() {
    // A designer in the screen's corner, with room beside it.
    writeProject(*m_dir, sampleConfig(), u"[FO1T]0\r\n[FO1L]0\r\n[FO1W]300\r\n[FO1H]250"_s);
    openDesigner();
    const QRect screen = form1().screen()->availableGeometry();
    QVERIFY(screen.contains(form3().frameGeometry()));
    QVERIFY(!form3().frameGeometry().intersects(form1().frameGeometry()));
    for (const Id object : {Id::InstallButton, Id::AppPicture, Id::AppList, Id::Window}) {
        pick(object);
        QVERIFY(screen.contains(form3().frameGeometry()));
        QVERIFY(!form3().frameGeometry().intersects(form1().frameGeometry()));
    }
}

QTEST_MAIN(TestModificator)
#include "test_modificator.moc"
