#include "aboutbox.h"
#include "accessiblenames.h"
#include "captiontips.h"
#include "checkwindow.h"
#include "databasepanel.h"
#include "designerfixture.h"
#include "designerwindow.h"
#include "editorfixture.h"
#include "form4.h"
#include "formfixture.h"
#include "layoutdesigner.h"
#include "menuface.h"
#include "modificatorwindow.h"
#include "recordeditor.h"
#include "scriptedprompts.h"
#include "unzipwindow.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

using namespace Qt::StringLiterals;

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::setActive(true); }
    void cleanup() { QDir::setCurrent(QDir::tempPath()); }
    void everyControlHasAName();
    void menuTabOrder();
    void editorTabOrderFollowsTheEye();
    void enterOrDoubleClickInstalls();
    void escapeCancelsTheModificator();
    void cutCaptionsShowInFull();
    void editorWindowsFitAtDoubleScale();
    void designerLargerThanTheScreenScrolls();
};

namespace {

// The controls of window that Tab can reach, in the order it reaches them.
QList<QWidget*> tabChain(QWidget* window) {
    QList<QWidget*> chain;
    QWidget* widget = window;
    do {
        widget = widget->nextInFocusChain();
        if (widget != window && widget->window() == window && !widget->isHidden() &&
            accessibility::takesFocus(widget))
            chain.append(widget);
    } while (widget != window);
    return chain;
}

// "Class objectName" of every control Tab can reach that a screen reader
// cannot name. Controls of hidden panels count; hidden holders do not.
QStringList unnamed(QWidget* window) {
    QStringList missing;
    for (QWidget* widget : tabChain(window)) {
        if (accessibility::nameOf(widget).isEmpty())
            missing << QString::fromLatin1(widget->metaObject()->className()) + u' ' +
                           widget->objectName();
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        if (button && button->text().isEmpty() && !button->icon().isNull() &&
            QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description).isEmpty())
            missing << u"no description: "_s + widget->objectName();
    }
    return missing;
}

QStringList names(const QList<QWidget*>& widgets) {
    QStringList result;
    for (const QWidget* widget : widgets)
        result << widget->objectName();
    return result;
}

// Each control after the one before: lower down, or on the same row to its right.
QStringList outOfOrder(QWidget* window, QWidget* container) {
    QStringList wrong;
    QRect last;
    for (QWidget* widget : tabChain(window)) {
        if (!container->isAncestorOf(widget) || !widget->isVisible())
            continue;
        const QRect at(widget->mapTo(window, QPoint()), widget->size());
        const bool below = at.top() >= last.bottom() - 2;
        const bool right = at.top() < last.bottom() && at.left() > last.left();
        if (!last.isNull() && !below && !right)
            wrong << widget->objectName();
        last = at;
    }
    return wrong;
}

// A project with one application, opened in the editor.
void openProject(EditorFixture& f) {
    ConfigFile config = designertest::sampleConfig();
    const ConfigWriteResult written = writeConfig(config, u"NO"_s, f.discFile(u"config.ini"_s));
    QVERIFY(written.ok);
    QVERIFY(f.window->openProjectFile(f.discFile(u"config.ini"_s)));
}

const QStringList kDiscWithCategories{u"[CATE]SI"_s, u"[CATG]Games"_s, u"[TITL]Disc"_s};

} // namespace

void TestAccessibility::everyControlHasAName() {
    for (const QString& language : {u"IT"_s, u"EN"_s}) {
        FormFixture menu;
        menu.disc.writeConfig(kDiscWithCategories +
                              DiscKit::appLines({.name = u"Demo"_s, .category = u"Games"_s}));
        QCOMPARE(menu.load(language), std::nullopt);
        QCOMPARE(unnamed(menu.form.get()).join(u", "), QString());
        QCOMPARE(unnamed(AboutBox::showMenuAbout(menu.form.get(), menu.desktop, u"About"_s,
                                                 u"Credit"_s)),
                 QStringList());

        ScriptedPrompts prompts;
        VBUnzFrm unzip(VBUnzFrm::unzTexts(language), prompts);
        unzip.openFor(u"demo.zip"_s, u"/tmp/demo"_s); // loading sets the captions
        QCOMPARE(unnamed(&unzip).join(u", "), QString());

        EditorFixture editor(language);
        openProject(editor);
        QCOMPARE(unnamed(editor.window.get()).join(u", "), QString());
        QCOMPARE(unnamed(AboutBox::showEditorAbout(editor.window.get(), editor.desktop)),
                 QStringList());
        Form4 internet(editor.window->state(), editor.window->texts());
        QCOMPARE(unnamed(&internet).join(u", "), QString());
        editor.window->openDesigner();
        LayoutDesigner* designer = editor.window->designer();
        QVERIFY(designer->isOpen());
        QCOMPARE(unnamed(designer->designerWindow()).join(u", "), QString());
        QCOMPARE(unnamed(designer->modificator()).join(u", "), QString());
    }
}

void TestAccessibility::menuTabOrder() {
    FormFixture f;
    f.disc.writeConfig(kDiscWithCategories);
    QCOMPARE(f.load(), std::nullopt);
    QCOMPARE(names(tabChain(f.form.get())),
             (QStringList{u"Combo1"_s, u"List2"_s, u"Command1"_s, u"Command2"_s, u"Command4"_s,
                          u"Text1"_s}));
    // The text panel is read, not written, and Tab leaves it.
    QVERIFY(f.form->face()->textPanel()->isReadOnly());
    QVERIFY(f.form->face()->textPanel()->tabChangesFocus());
}

void TestAccessibility::editorTabOrderFollowsTheEye() {
    EditorFixture f;
    openProject(f);
    Form2* window = f.window.get();
    window->show();
    for (Form2::Panel panel : {Form2::Panel::File, Form2::Panel::Text, Form2::Panel::Icons}) {
        window->selectPanel(panel);
        QCoreApplication::processEvents();
        for (QWidget* frame : window->findChildren<QGroupBox*>()) {
            if (frame->isVisible() && frame->parentWidget()->objectName() == u"Form2Client")
                QCOMPARE(outOfOrder(window, frame).join(u", "), QString());
        }
    }
    window->selectPanel(Form2::Panel::Database);
    QTest::mouseClick(f.child<QPushButton>(u"Command5"_s), Qt::LeftButton);
    RecordEditor* editor = window->databasePanel()->recordEditor();
    QVERIFY(editor->isVisible());
    QCOMPARE(outOfOrder(window, editor).join(u", "), QString());

    Form4 internet(window->state(), window->texts());
    internet.show();
    QCOMPARE(outOfOrder(&internet, &internet).join(u", "), QString());

    window->openDesigner();
    ModificatorWindow* modificator = window->designer()->modificator();
    modificator->show();
    QCoreApplication::processEvents();
    QCOMPARE(outOfOrder(modificator, modificator).join(u", "), QString());
}

void TestAccessibility::enterOrDoubleClickInstalls() {
    FormFixture f;
    f.disc.writeConfig(DiscKit::appLines({.name = u"Ready"_s, .installCommand = u"setup"_s}) +
                       DiscKit::appLines({.name = u"Nothing"_s}));
    QCOMPARE(f.load(), std::nullopt);
    f.form->show();
    QListWidget* list = f.form->face()->appList();
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(f.desktop.calls().size(), 1);
    QCOMPARE(f.desktop.calls().at(0).action, RecordingDesktop::Action::StartProgram);

    const QPoint row = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
    QCOMPARE(f.desktop.calls().size(), 2);

    // Without an install command the install button is off, and so is Enter.
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(f.desktop.calls().size(), 2);
}

void TestAccessibility::escapeCancelsTheModificator() {
    EditorFixture f;
    openProject(f);
    f.window->openDesigner();
    LayoutDesigner* designer = f.window->designer();
    QVERIFY(designer->isOpen());
    QSignalSpy closed(designer, &LayoutDesigner::closed);
    QTest::keyClick(designer->modificator(), Qt::Key_Escape);
    QCOMPARE(closed.size(), 1);
    QVERIFY(!designer->isOpen());
    QVERIFY(!f.window->state().layoutApply);
}

void TestAccessibility::cutCaptionsShowInFull() {
    QWidget window;
    auto* button = new QPushButton(u"A caption much too long for its button"_s, &window);
    auto* label = new QLabel(u"A label much too long for its place"_s, &window);
    auto* fits = new QLabel(u"Fits"_s, &window);
    auto* wrapped = new QLabel(u"Words that wrap onto many lines in a narrow label"_s, &window);
    wrapped->setWordWrap(true);
    button->setGeometry(0, 0, 40, 24);
    label->setGeometry(0, 30, 40, 20);
    fits->setGeometry(0, 60, 200, 20);
    wrapped->setGeometry(0, 90, 60, 30);
    QCOMPARE(captiontips::cutCaption(button), button->text());
    QCOMPARE(captiontips::cutCaption(label), label->text());
    QCOMPARE(captiontips::cutCaption(fits), QString());
    QCOMPARE(captiontips::cutCaption(wrapped), wrapped->text());
    wrapped->resize(400, 30);
    QCOMPARE(captiontips::cutCaption(wrapped), QString());

    captiontips::showCutCaptions(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(button, &hover);
    QTRY_COMPARE(QToolTip::text(), button->text());
}

void TestAccessibility::editorWindowsFitAtDoubleScale() {
    // A 1366 x 768 screen at 200 % leaves 683 x 384 points, less a frame and a panel.
    const QSize room(683 - 16, 384 - 64);
    EditorFixture f;
    openProject(f);
    f.window->openDesigner();
    Form4 internet(f.window->state(), f.window->texts());
    CheckWindow check(f.window->texts());
    for (QWidget* window : std::initializer_list<QWidget*>{
             f.window.get(), f.window->designer()->modificator(), &internet, &check}) {
        const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
        QVERIFY2(least.width() <= room.width() && least.height() <= room.height(),
                 qPrintable(window->objectName() + u' ' + QString::number(least.width()) + u'x' +
                            QString::number(least.height())));
    }
}

void TestAccessibility::designerLargerThanTheScreenScrolls() {
    EditorFixture f;
    openProject(f);
    f.window->openDesigner();
    DesignerWindow* designer = f.window->designer()->designerWindow();
    const QRect area = designer->screen()->availableGeometry();
    const qreal perPixel = designer->twipsPerPixel();
    const WindowTwips wanted{(area.right() - 50) * perPixel, (area.bottom() - 40) * perPixel,
                             (area.width() + 300) * perPixel, (area.height() + 200) * perPixel};
    QVERIFY(designer->setWindowTwips(wanted));
    designer->show();
    QVERIFY(QTest::qWaitForWindowExposed(designer));

    QVERIFY(area.contains(designer->frameGeometry()));
    MenuFace* face = designer->face();
    const int frame = designer->frameGeometry().width() - designer->width();
    QCOMPARE(face->width(), area.width() + 300 - frame);
    auto* scroller = designer->findChild<QScrollArea*>(u"designerScroller"_s);
    QVERIFY(scroller);
    QCOMPARE(scroller->horizontalScrollBar()->maximum(),
             face->width() - scroller->viewport()->width());
    QCOMPARE(scroller->verticalScrollBar()->maximum(),
             face->height() - scroller->viewport()->height());
    // What the file keeps is the design, not what the screen could show.
    QCOMPARE(designer->windowTwips().width, wanted.width);
    QCOMPARE(designer->windowTwips().left, wanted.left);

    // Stretched by the author, the window is the design again and scrolls no more.
    designer->resize(400, 300);
    QCOMPARE(face->size(), scroller->size());
    QCOMPARE(scroller->horizontalScrollBar()->maximum(), 0);
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
