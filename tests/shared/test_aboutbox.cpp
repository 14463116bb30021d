#include "aboutbox.h"
#include "clickablelabel.h"
#include "framemeasure.h"
#include "recordingdesktop.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

// Both about windows: their texts, their links, and one window per owner.
class TestAboutBox : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(u"menu"_s); }

    void menuAboutShowsTextCreditTitleAndVersion();
    void emptyAboutTextStillShowsCredit();
    void menuLinksGoThroughTheShell();
    void editorAboutHasButtonsAndNoAboutText();
    void secondRequestShowsTheSameWindow();
    void closedWindowIsCreatedAgain();

    void frameHeightCoversTheMenuBar();
};

namespace {

QString labelText(QWidget* box, const QString& name) {
    auto* label = box->findChild<QLabel*>(name);
    return label ? label->text() : u"<missing %1>"_s.arg(name);
}

} // namespace

void TestAboutBox::menuAboutShowsTextCreditTitleAndVersion() {
    QWidget owner;
    RecordingDesktop desktop;
    AboutBox* box = AboutBox::showMenuAbout(&owner, desktop, u"Disc of 2026"_s, u"Credit line"_s);
    QVERIFY(box->isVisible());
    QVERIFY(!box->isModal());
    QCOMPARE(box->objectName(), u"frmAbout"_s);
    QCOMPARE(box->windowTitle(), u"About menu"_s);
    QCOMPARE(labelText(box, u"lblTitle"_s), u"menu"_s);
    QCOMPARE(labelText(box, u"lblVersion"_s), u"Version 1.3.0"_s);
    QCOMPARE(labelText(box, u"Label2"_s), u"Disc of 2026"_s);
    QCOMPARE(labelText(box, u"Label3"_s), u"Credit line"_s);
    QCOMPARE(labelText(box, u"Label15"_s), u"E-mail"_s);
    QCOMPARE(labelText(box, u"Label28"_s), u"Web Page "_s);
    QCOMPARE(box->findChild<QPushButton*>(u"cmdOK"_s)->text(), u"OK"_s);
    // Label2 lives in its frame.
    QCOMPARE(box->findChild<QLabel*>(u"Label2"_s)->parentWidget()->objectName(), u"Frame1"_s);
    box->close();
}

void TestAboutBox::emptyAboutTextStillShowsCredit() {
    QWidget owner;
    RecordingDesktop desktop;
    AboutBox* box = AboutBox::showMenuAbout(&owner, desktop, QString(), u"Credit"_s);
    QCOMPARE(labelText(box, u"Label2"_s), QString());
    QCOMPARE(labelText(box, u"Label3"_s), u"Credit"_s);
    QVERIFY(box->findChild<QLabel*>(u"Label3"_s)->isVisibleTo(box));
    box->close();
}

void TestAboutBox::menuLinksGoThroughTheShell() {
    QWidget owner;
    RecordingDesktop desktop;
    AboutBox* box = AboutBox::showMenuAbout(&owner, desktop, u"x"_s, u"y"_s);
    QTest::mouseClick(box->findChild<ClickableLabel*>(u"Label15"_s), Qt::LeftButton);
    QTest::mouseClick(box->findChild<ClickableLabel*>(u"Label28"_s), Qt::LeftButton);
    QTest::mouseClick(box->findChild<ClickableLabel*>(u"picIcon"_s), Qt::LeftButton);
    const QString mail = AboutBox::mailLink(AboutBox::Kind::Menu);
    QVERIFY(mail.startsWith(u"mailto:"_s));
    QVERIFY(mail.contains(u", "_s));
    QVERIFY(mail.endsWith(u"?subject=e-mail da menu.exe"_s));
    QCOMPARE(desktop.log(), QStringList({u"open "_s + mail, u"open "_s + AboutBox::webLink(),
                                         u"open "_s + AboutBox::webLink()}));
    // A right click is no click on a link.
    desktop.clear();
    QTest::mouseClick(box->findChild<ClickableLabel*>(u"Label15"_s), Qt::RightButton);
    QVERIFY(desktop.calls().isEmpty());
    box->close();
}

void TestAboutBox::editorAboutHasButtonsAndNoAboutText() {
    QWidget owner;
    RecordingDesktop desktop;
    AboutBox* box = AboutBox::showEditorAbout(&owner, desktop);
    QVERIFY(!box->findChild<QLabel*>(u"Label2"_s));
    QVERIFY(!box->findChild<QLabel*>(u"Label3"_s));
    QCOMPARE(labelText(box, u"lblVersion"_s), u"Version 1.3.0"_s);
    QVERIFY(!labelText(box, u"lblDescription"_s).isEmpty());
    auto* mail = box->findChild<QPushButton*>(u"Command1"_s);
    auto* web = box->findChild<QPushButton*>(u"Command2"_s);
    QCOMPARE(mail->text(), u"E-mail"_s);
    QCOMPARE(web->text(), u"Web-Page"_s);
    QTest::mouseClick(mail, Qt::LeftButton);
    QTest::mouseClick(web, Qt::LeftButton);
    QVERIFY(AboutBox::mailLink(AboutBox::Kind::Editor).endsWith(u"?subject=e-mail da menusmith"_s));
    QCOMPARE(desktop.log(), QStringList({u"open "_s + AboutBox::mailLink(AboutBox::Kind::Editor),
                                         u"open "_s + AboutBox::webLink()}));
    box->close();
}

void TestAboutBox::secondRequestShowsTheSameWindow() {
    QWidget owner;
    RecordingDesktop desktop;
    AboutBox* first = AboutBox::showMenuAbout(&owner, desktop, u"a"_s, u"b"_s);
    AboutBox* second = AboutBox::showMenuAbout(&owner, desktop, u"changed"_s, u"b"_s);
    QCOMPARE(first, second);
    QCOMPARE(owner.findChildren<AboutBox*>().size(), 1);
    first->close();
}

void TestAboutBox::closedWindowIsCreatedAgain() {
    QWidget owner;
    RecordingDesktop desktop;
    QPointer<AboutBox> first = AboutBox::showMenuAbout(&owner, desktop, u"a"_s, u"b"_s);
    QTest::mouseClick(first->findChild<QPushButton*>(u"cmdOK"_s), Qt::LeftButton);
    QTRY_VERIFY(first.isNull()); // destroyed once closed
    AboutBox* again = AboutBox::showMenuAbout(&owner, desktop, u"new text"_s, u"b"_s);
    QCOMPARE(labelText(again, u"Label2"_s), u"new text"_s);
    again->close();
}

void TestAboutBox::frameHeightCoversTheMenuBar() {
    QMainWindow reference;
    reference.menuBar()->addMenu(u"About"_s);
    reference.show();
    const FrameMeasure measure = measureFrame(u"Form2"_s);
    QVERIFY(measure.menuBarHeight > 0);
    QCOMPARE(measure.menuBarHeight, reference.menuBar()->height());
    QVERIFY(measure.frameHeight >= measure.menuBarHeight);
    QCOMPARE(measureFrameHeight(u"Form5"_s), measure.frameHeight);
    // The measuring window is gone again.
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY(window->objectName() != u"Form2"_s || !window->isVisible());
}

QTEST_MAIN(TestAboutBox)
#include "test_aboutbox.moc"
