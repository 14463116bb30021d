#include "formfixture.h"
#include "menuface.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

// Choosing a category and an application: what the panel, the picture and
// the three buttons show afterwards.
class TestSelection : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QDir::setCurrent(QDir::tempPath()); }

    void rowShowsDescriptionPictureAndButtons();
    void unsetFieldsDisableTheirButtons();
    void extraCaptionKeptWhenTheNextRowHasNone();
    void installCommandKeptWhenTheNextRowHasNone();
    void missingPictureKeepsThePreviousOne();
    void focusAloneChoosesNoRow();
    void clickAndKeyEachUpdateOnce();
    void categoryChangeKeepsThePanel();
    void emptyCategoryDisablesTheButtons();
};

namespace {

void clickRow(Form1& form, int row) {
    QListWidget* list = form.face()->appList();
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void chooseCategory(Form1& form, const QString& name) {
    QComboBox* combo = form.face()->categoryBox();
    const int index = combo->findText(name);
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

QStringList rows(Form1& form) {
    QStringList result;
    for (int row = 0; row < form.face()->appList()->count(); ++row)
        result.append(form.face()->appList()->item(row)->text());
    return result;
}

} // namespace

void TestSelection::rowShowsDescriptionPictureAndButtons() {
    FormFixture f;
    f.disc.writePicture(u"pics/App.bmp"_s, QSize(40, 30));
    f.disc.writePicture(u"default.bmp"_s, QSize(10, 10));
    f.disc.writeConfig(QStringList{u"[INTR]Intro"_s} +
                       DiscKit::appLines({.name = u"App"_s,
                                          .description = u"About the app"_s,
                                          .picture = u"PICS\\app.bmp"_s,
                                          .installCaption = u"Install"_s,
                                          .installCommand = u"setup.sh"_s,
                                          .folder = u"app\\"_s,
                                          .extraCaption = u"Readme"_s,
                                          .extraCommand = u"[ASS]readme.txt"_s}));
    QVERIFY(!f.load());
    QCOMPARE(f.form->face()->textPanel()->toPlainText(), u"Intro"_s);
    f.form->show();
    clickRow(*f.form, 0);
    MenuFace* face = f.form->face();
    QCOMPARE(face->textPanel()->toPlainText(), u"About the app"_s);
    QCOMPARE(face->appPicture()->size(), QSize(40, 30));
    QCOMPARE(face->appPicture()->pos(), QPoint(136, 106)); // (313-40)/2 = 136.5 → 136
    QCOMPARE(face->installButton()->text(), u"Install"_s);
    QVERIFY(face->installButton()->isEnabled());
    QVERIFY(face->exploreButton()->isEnabled());
    QVERIFY(face->extraButton()->isEnabled());
    QCOMPARE(face->extraButton()->text(), u"Readme"_s);
    QCOMPARE(f.form->selectedCommand(), u"setup.sh"_s);
}

void TestSelection::unsetFieldsDisableTheirButtons() {
    FormFixture f;
    f.disc.writePicture(u"default.bmp"_s, QSize(20, 21));
    f.disc.writePicture(u"other.bmp"_s, QSize(60, 60));
    QStringList lines = DiscKit::appLines({.name = u"Full"_s, .picture = u"other.bmp"_s});
    lines += DiscKit::appLines({.name = u"Bare"_s, .installCaption = u"Caption only"_s});
    f.disc.writeConfig(lines);
    QVERIFY(!f.load());
    f.form->show();
    clickRow(*f.form, 0);
    QCOMPARE(f.form->face()->appPicture()->size(), QSize(60, 60));
    clickRow(*f.form, 1);
    MenuFace* face = f.form->face();
    // [IMGN] "NO" shows default.bmp, centred.
    QCOMPARE(face->appPicture()->size(), QSize(20, 21));
    QCOMPARE(face->appPicture()->pos(), QPoint(146, 110)); // 146.5 → 146, 110
    QCOMPARE(face->textPanel()->toPlainText(), QString());
    QVERIFY(!face->installButton()->isEnabled());
    QCOMPARE(face->installButton()->text(), u"Caption only"_s);
    QVERIFY(!face->exploreButton()->isEnabled());
    QVERIFY(!face->extraButton()->isEnabled());
}

void TestSelection::extraCaptionKeptWhenTheNextRowHasNone() {
    FormFixture f;
    QStringList lines =
        DiscKit::appLines({.name = u"A"_s, .extraCaption = u"Manual"_s, .extraCommand = u"x"_s});
    lines += DiscKit::appLines({.name = u"B"_s});
    f.disc.writeConfig(lines);
    QVERIFY(!f.load());
    f.form->show();
    clickRow(*f.form, 0);
    clickRow(*f.form, 1);
    QVERIFY(!f.form->face()->extraButton()->isEnabled());
    QCOMPARE(f.form->face()->extraButton()->text(), u"Manual"_s);
}

void TestSelection::installCommandKeptWhenTheNextRowHasNone() {
    FormFixture f;
    QStringList lines = DiscKit::appLines({.name = u"A"_s, .installCommand = u"a.sh"_s});
    lines += DiscKit::appLines({.name = u"B"_s});
    f.disc.writeConfig(lines);
    QVERIFY(!f.load());
    f.form->show();
    clickRow(*f.form, 0);
    clickRow(*f.form, 1);
    QCOMPARE(f.form->selectedCommand(), u"a.sh"_s);
    QVERIFY(!f.form->face()->installButton()->isEnabled());
}

void TestSelection::missingPictureKeepsThePreviousOne() {
    FormFixture f;
    f.disc.writePicture(u"a.bmp"_s, QSize(30, 30));
    QStringList lines = DiscKit::appLines({.name = u"A"_s, .picture = u"a.bmp"_s});
    lines += DiscKit::appLines(
        {.name = u"B"_s, .picture = u"missing.bmp"_s, .installCommand = u"b.sh"_s});
    f.disc.writeConfig(lines);
    QVERIFY(!f.load());
    f.form->show();
    clickRow(*f.form, 0);
    clickRow(*f.form, 1);
    QCOMPARE(f.form->face()->appPicture()->size(), QSize(30, 30));
    // The rest of the update went on.
    QVERIFY(f.form->face()->installButton()->isEnabled());
}

void TestSelection::focusAloneChoosesNoRow() {
    FormFixture f;
    QStringList lines{u"[INTR]Intro"_s};
    lines +=
        DiscKit::appLines({.name = u"A"_s, .description = u"first"_s, .installCommand = u"a"_s});
    lines += DiscKit::appLines({.name = u"B"_s, .description = u"second"_s});
    f.disc.writeConfig(lines);
    QVERIFY(!f.load());
    MenuFace* face = f.form->face();
    QListWidget* list = face->appList();
    // The window's first activation gives the list the focus; Tab does again.
    f.form->show();
    QApplication::setActiveWindow(f.form.get());
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    face->textPanel()->setFocus(Qt::TabFocusReason);
    list->setFocus(Qt::TabFocusReason);
    QVERIFY(list->hasFocus());
    QCOMPARE(face->textPanel()->toPlainText(), u"Intro"_s);
    QVERIFY(list->selectedItems().isEmpty());
    QCOMPARE(list->currentRow(), -1);
    for (QPushButton* button : {face->installButton(), face->exploreButton(), face->extraButton()})
        QVERIFY(!button->isEnabled());
    // The first arrow key chooses the first row.
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(face->textPanel()->toPlainText(), u"first"_s);
    QVERIFY(face->installButton()->isEnabled());
}

void TestSelection::clickAndKeyEachUpdateOnce() {
    FormFixture f;
    QStringList lines = DiscKit::appLines({.name = u"A"_s, .description = u"first"_s});
    lines += DiscKit::appLines({.name = u"B"_s, .description = u"second"_s});
    f.disc.writeConfig(lines);
    QVERIFY(!f.load());
    f.form->show();
    // A row chosen with the mouse or the keyboard; every update writes the
    // description once.
    QSignalSpy updates(f.form->face()->textPanel(), &QPlainTextEdit::textChanged);
    clickRow(*f.form, 1);
    QCOMPARE(updates.count(), 1);
    QTest::keyClick(f.form->face()->appList(), Qt::Key_Up);
    QCOMPARE(updates.count(), 2);
    QCOMPARE(f.form->face()->textPanel()->toPlainText(), u"first"_s);
}

void TestSelection::categoryChangeKeepsThePanel() {
    FormFixture f;
    QStringList lines{u"[CATE]SI"_s, u"[CATG]Games"_s, u"[CATG]Tools"_s};
    lines += DiscKit::appLines({.name = u"Chess"_s,
                                .description = u"Board"_s,
                                .installCaption = u"Play"_s,
                                .installCommand = u"chess.sh"_s,
                                .folder = u"chess\\"_s,
                                .category = u"Games"_s});
    lines += DiscKit::appLines({.name = u"Edit"_s, .category = u"Tools"_s});
    lines += DiscKit::appLines({.name = u"Zip"_s, .category = u"Tools"_s});
    f.disc.writeConfig(lines);
    QVERIFY(!f.load());
    f.form->show();
    QCOMPARE(rows(*f.form), QStringList({u"Chess"_s}));
    clickRow(*f.form, 0);
    chooseCategory(*f.form, u"Tools"_s);
    QCOMPARE(rows(*f.form), QStringList({u"Edit"_s, u"Zip"_s}));
    MenuFace* face = f.form->face();
    QCOMPARE(face->appList()->currentRow(), -1);
    QCOMPARE(face->textPanel()->toPlainText(), u"Board"_s);
    QCOMPARE(face->installButton()->text(), u"Play"_s);
    QVERIFY(face->installButton()->isEnabled());
    QCOMPARE(f.form->selectedCommand(), u"chess.sh"_s);
    // With no row chosen a click does nothing.
    face->installButton()->click();
    face->exploreButton()->click();
    QVERIFY(f.desktop.calls().isEmpty());
    // Choosing a row of the new category reads the filtered lists.
    clickRow(*f.form, 1);
    QVERIFY(!face->installButton()->isEnabled());
    chooseCategory(*f.form, u"Games"_s);
    QCOMPARE(rows(*f.form), QStringList({u"Chess"_s}));
}

void TestSelection::emptyCategoryDisablesTheButtons() {
    FormFixture f;
    QStringList lines{u"[CATE]SI"_s, u"[CATG]Games"_s, u"[CATG]Empty"_s};
    lines += DiscKit::appLines({.name = u"Chess"_s,
                                .installCommand = u"chess.sh"_s,
                                .folder = u"c\\"_s,
                                .extraCaption = u"More"_s,
                                .extraCommand = u"more.sh"_s,
                                .category = u"Games"_s});
    f.disc.writeConfig(lines);
    QVERIFY(!f.load());
    f.form->show();
    clickRow(*f.form, 0);
    chooseCategory(*f.form, u"Empty"_s);
    QCOMPARE(f.form->face()->appList()->count(), 0);
    QVERIFY(!f.form->face()->installButton()->isEnabled());
    QVERIFY(!f.form->face()->exploreButton()->isEnabled());
    QVERIFY(!f.form->face()->extraButton()->isEnabled());
    // Captions stay as the last selection left them.
    QCOMPARE(f.form->face()->extraButton()->text(), u"More"_s);
}

QTEST_MAIN(TestSelection)
#include "test_selection.moc"
