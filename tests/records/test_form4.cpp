#include "form4.h"
#include "recordstesting.h"

#include <editorstate.h>
#include <twips.h>
#include <uitexts.h>

#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace recordstesting;

// The internet shortcut dialog on its own: its texts, prefixes, what OK hands
// over and that it is gone once closed.
class TestForm4 : public QObject {
    Q_OBJECT

private slots:
    void loadsWithWebAddressInBothLanguages_data();
    void loadsWithWebAddressInBothLanguages();
    void controlsStandAtTheirDesignedPlaces();
    void okWithoutEditingGivesTheBareWebPrefix();
    void choosingAKindReplacesTheTypedAddress();
    void blanksAroundTheAddressAreKept();
    void targetIsTheOneAtOkTime();
    void cancelAndCloseBoxHandNothingOver();
};

void TestForm4::loadsWithWebAddressInBothLanguages_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("webCaption");
    QTest::addColumn<QString>("cancelCaption");
    QTest::newRow("IT") << u"IT"_s << u"INDIRIZZO WEB (http)"_s << u"Cancella"_s;
    QTest::newRow("EN") << u"EN"_s << u"Web Address (http)"_s << u"Cancel"_s;
}

void TestForm4::loadsWithWebAddressInBothLanguages() {
    QFETCH(QString, language);
    QFETCH(QString, webCaption);
    QFETCH(QString, cancelCaption);
    EditorState state;
    const UiTexts texts(language);
    Form4 dialog(state, texts);
    dialog.setAttribute(Qt::WA_DeleteOnClose, false);

    QCOMPARE(dialog.objectName(), u"Form4"_s);
    QCOMPARE(dialog.windowTitle(), u"INERNET SHORTCUT"_s);
    QVERIFY(!dialog.isModal());
    QCOMPARE(control<QLabel>(&dialog, u"Label1"_s)->text(), texts.text(u"txtInternetHint"));
    QVERIFY(control<QLabel>(&dialog, u"Label1"_s)->alignment() & Qt::AlignHCenter);
    QCOMPARE(control<QRadioButton>(&dialog, u"Option1"_s)->text(), webCaption);
    QCOMPARE(control<QRadioButton>(&dialog, u"Option2"_s)->text(), u"FTP"_s);
    QCOMPARE(control<QRadioButton>(&dialog, u"Option3"_s)->text(), u"E-MAIL"_s);
    QCOMPARE(control<QPushButton>(&dialog, u"Command1"_s)->text(), u"OK"_s);
    QCOMPARE(control<QPushButton>(&dialog, u"Command2"_s)->text(), cancelCaption);
    QVERIFY(control<QRadioButton>(&dialog, u"Option1"_s)->isChecked());
    QCOMPARE(text(&dialog, u"Text1"_s), u"http://"_s);
}

void TestForm4::controlsStandAtTheirDesignedPlaces() {
    EditorState state;
    const UiTexts texts(u"IT");
    Form4 dialog(state, texts);
    dialog.setAttribute(Qt::WA_DeleteOnClose, false);
    const qreal ratio = twips::perPixel(dialog.screen());
    const auto px = [ratio](int value) { return twips::toPixels(value, ratio); };
    QCOMPARE(field(&dialog, u"Text1"_s)->geometry(), QRect(px(120), px(960), px(3975), px(375)));
    QCOMPARE(control<QWidget>(&dialog, u"Option3"_s)->geometry(),
             QRect(px(2280), px(600), px(855), px(255)));
    QCOMPARE(control<QWidget>(&dialog, u"Command2"_s)->geometry(),
             QRect(px(2640), px(1440), px(1455), px(375)));
    // A fixed dialog border: the author cannot resize it.
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
}

void TestForm4::okWithoutEditingGivesTheBareWebPrefix() {
    EditorState state;
    state.internetTarget = u"Text13"_s;
    const UiTexts texts(u"IT");
    QPointer<Form4> dialog = new Form4(state, texts);
    dialog->show();
    QSignalSpy chosen(dialog.data(), &Form4::commandChosen);
    QVERIFY(click(dialog, u"Command1"_s));
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.first().at(0).toString(), u"Text13"_s);
    QCOMPARE(chosen.first().at(1).toString(), u"[INTERNET]http://"_s);
    QVERIFY(!dialog->isVisible());
    flushDeletes();
    QVERIFY(dialog.isNull());
}

void TestForm4::choosingAKindReplacesTheTypedAddress() {
    EditorState state;
    const UiTexts texts(u"EN");
    Form4 dialog(state, texts);
    dialog.setAttribute(Qt::WA_DeleteOnClose, false);
    dialog.show();
    setText(&dialog, u"Text1"_s, u"http://www.example.com/page"_s);
    control<QRadioButton>(&dialog, u"Option2"_s)->click();
    QCOMPARE(text(&dialog, u"Text1"_s), u"ftp://"_s);
    setText(&dialog, u"Text1"_s, u"ftp://files.example.com"_s);
    control<QRadioButton>(&dialog, u"Option3"_s)->click();
    QCOMPARE(text(&dialog, u"Text1"_s), u"mailto:"_s);
    control<QRadioButton>(&dialog, u"Option1"_s)->click();
    QCOMPARE(text(&dialog, u"Text1"_s), u"http://"_s);

    // Clicking the kind already chosen keeps the typed address.
    setText(&dialog, u"Text1"_s, u"http://www.example.com"_s);
    control<QRadioButton>(&dialog, u"Option1"_s)->click();
    QCOMPARE(text(&dialog, u"Text1"_s), u"http://www.example.com"_s);
    // The arrow keys choose another kind as a click does.
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    control<QRadioButton>(&dialog, u"Option1"_s)->setFocus();
    QVERIFY(control<QRadioButton>(&dialog, u"Option1"_s)->hasFocus());
    QTest::keyClick(control<QRadioButton>(&dialog, u"Option1"_s), Qt::Key_Right);
    QVERIFY(!control<QRadioButton>(&dialog, u"Option1"_s)->isChecked());
    QVERIFY(text(&dialog, u"Text1"_s) == u"mailto:"_s || text(&dialog, u"Text1"_s) == u"ftp://"_s);
}

void TestForm4::blanksAroundTheAddressAreKept() {
    QCOMPARE(Form4::commandFor(u" mailto:me@example.com "_s),
             u"[INTERNET] mailto:me@example.com "_s);
    EditorState state;
    const UiTexts texts(u"IT");
    QPointer<Form4> dialog = new Form4(state, texts);
    QSignalSpy chosen(dialog.data(), &Form4::commandChosen);
    setText(dialog, u"Text1"_s, u"  ftp://x  "_s);
    click(dialog, u"Command1"_s);
    QCOMPARE(chosen.first().at(1).toString(), u"[INTERNET]  ftp://x  "_s);
    flushDeletes();
}

void TestForm4::targetIsTheOneAtOkTime() {
    EditorState state;
    state.internetTarget = u"Text13"_s;
    const UiTexts texts(u"IT");
    QPointer<Form4> dialog = new Form4(state, texts);
    QSignalSpy chosen(dialog.data(), &Form4::commandChosen);
    state.internetTarget = u"Text16"_s;
    click(dialog, u"Command1"_s);
    QCOMPARE(chosen.first().at(0).toString(), u"Text16"_s);
    flushDeletes();
}

void TestForm4::cancelAndCloseBoxHandNothingOver() {
    EditorState state;
    const UiTexts texts(u"IT");
    QPointer<Form4> cancelled = new Form4(state, texts);
    cancelled->show();
    QSignalSpy cancelSpy(cancelled.data(), &Form4::commandChosen);
    QVERIFY(click(cancelled, u"Command2"_s));
    flushDeletes();
    QVERIFY(cancelled.isNull());
    QCOMPARE(cancelSpy.count(), 0);

    QPointer<Form4> closed = new Form4(state, texts);
    closed->show();
    QSignalSpy closeSpy(closed.data(), &Form4::commandChosen);
    closed->close();
    flushDeletes();
    QVERIFY(closed.isNull());
    QCOMPARE(closeSpy.count(), 0);
}

QTEST_MAIN(TestForm4)
#include "test_form4.moc"
