#include "databasepanel.h"
#include "recordeditor.h"
#include "recordstesting.h"
#include "scriptedprompts.h"

#include <editorstate.h>
#include <uitexts.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace recordstesting;

namespace {

AppEntry app(const QString& name, const QString& category = u"n/a"_s) {
    return {name,          name + u" description"_s, name + u".bmp"_s,
            u"INSTALLA"_s, name + u".exe"_s,         name + u"\\"_s,
            u"README"_s,   name + u".txt"_s,         category};
}

QStringList namesOf(const QList<AppEntry>& records) {
    QStringList names;
    for (const AppEntry& record : records)
        names.append(record.name);
    return names;
}

} // namespace

// The Database panel and its record editor: where Add puts the new record,
// what OK and cancel store, deletes and moves at the edges, the category
// drop-down, and what the panel reports to the main window.
class TestDatabasePanel : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsBrowsingWithNoRecord();
    void clickingANameShowsItsRecord();
    void focusAloneChoosesNoRecord();
    void addWithNoCurrentRecordInsertsAtTheTop();
    void addAfterTheThirdRecordInsertsAtIndexThree();
    void addBeyondTheEndAppends();
    void addThenCancelKeepsTheEmptyRecord();
    void addThenOkWithEmptyFieldsStoresNo();
    void okStoresTheFieldsAndTheChosenCategory();
    void okRenamesTheRecordInBothNameLists();
    void addWithCategoriesOnKeepsNoCategoryUntilOneIsChosen();
    void cancelDiscardsTypedChanges();
    void longFieldsSurviveOk();
    void modifyWithoutACurrentRecordRefuses();
    void deleteShowsTheRecordThatMovedUp();
    void deletingTheLastRecordLeavesTheFieldsEmpty();
    void deleteWithoutACurrentRecordDoesNothing();
    void movesSwapWithTheNeighbour();
    void movesAtTheEndsDoNothing();
    void browsingControlsAreOffWhileEditing();
    void openingAShorterProjectWhileEditingStoresNothing();
    void categoryNotOfferedIsKept_data();
    void categoryNotOfferedIsKept();
    void rebuiltChoicesKeepTheRecordsCategory();
    void captionsAndTooltipsComeFromTheTexts();

private:
    void select(int row) { list()->setCurrentRow(row); }
    QListWidget* list() const { return control<QListWidget>(m_panel, u"List2"_s); }
    QComboBox* combo() const { return control<QComboBox>(m_panel, u"Combo1"_s); }

    EditorState m_state;
    UiTexts m_texts{u"IT"};
    ScriptedPrompts* m_prompts = nullptr;
    DatabasePanel* m_panel = nullptr;
    QSignalSpy* m_editing = nullptr;
};

void TestDatabasePanel::init() {
    m_state = EditorState{};
    m_prompts = new ScriptedPrompts;
    m_panel = new DatabasePanel(m_state, m_texts, *m_prompts);
    m_panel->resize(700, 500);
    m_panel->show();
    m_panel->setRecords({app(u"A"_s), app(u"B"_s), app(u"C"_s)});
    m_editing = new QSignalSpy(m_panel, &DatabasePanel::editingChanged);
}

void TestDatabasePanel::cleanup() {
    delete m_editing;
    delete m_panel;
    delete m_prompts;
}

void TestDatabasePanel::startsBrowsingWithNoRecord() {
    QVERIFY(!m_panel->isEditing());
    QCOMPARE(entries(list()), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
    QCOMPARE(list()->currentRow(), -1);
    QCOMPARE(m_state.currentRecord, -1);
    QCOMPARE(text(m_panel, u"Text9"_s), QString());
    QVERIFY(combo()->isHidden());
    QVERIFY(control<QLabel>(m_panel, u"Label30"_s)->isHidden());
}

void TestDatabasePanel::clickingANameShowsItsRecord() {
    QSignalSpy shown(m_panel, &DatabasePanel::currentRecordShown);
    const QRect row = list()->visualItemRect(list()->item(1));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(m_state.currentRecord, 1);
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown.last().at(0).toInt(), 1);
    QCOMPARE(text(m_panel, u"Text9"_s), u"B"_s);
    QCOMPARE(text(m_panel, u"Text10"_s), u"B description"_s);
    QCOMPARE(text(m_panel, u"Text11"_s), u"B.bmp"_s);
    QCOMPARE(text(m_panel, u"Text12"_s), u"INSTALLA"_s);
    QCOMPARE(text(m_panel, u"Text13"_s), u"B.exe"_s);
    QCOMPARE(text(m_panel, u"Text14"_s), u"B\\"_s);
    QCOMPARE(text(m_panel, u"Text15"_s), u"README"_s);
    QCOMPARE(text(m_panel, u"Text16"_s), u"B.txt"_s);
    auto* names = control<QListWidget>(m_panel, u"List11"_s);
    QCOMPARE(entries(names), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
    QCOMPARE(names->currentRow(), 1);
}

void TestDatabasePanel::focusAloneChoosesNoRecord() {
    m_panel->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_panel));
    control<QWidget>(m_panel, u"Command5"_s)->setFocus();
    // Tabbing into the list makes its first row current but selects nothing.
    list()->setFocus(Qt::TabFocusReason);
    QVERIFY(list()->hasFocus());
    QCOMPARE(m_state.currentRecord, -1);
    QVERIFY(click(m_panel, u"Command6"_s));
    QCOMPARE(m_panel->records().size(), 3);
    // The arrow keys do choose.
    QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(list()->selectedItems().size(), 1);
    QCOMPARE(m_state.currentRecord, list()->currentRow());
    QCOMPARE(text(m_panel, u"Text9"_s), list()->currentItem()->text());
    QCOMPARE(control<QListWidget>(m_panel, u"List11"_s)->currentRow(), list()->currentRow());
}

void TestDatabasePanel::addWithNoCurrentRecordInsertsAtTheTop() {
    QVERIFY(click(m_panel, u"Command5"_s));
    QVERIFY(m_panel->isEditing());
    QCOMPARE(m_editing->count(), 1);
    QCOMPARE(m_editing->last().at(0).toBool(), true);
    QCOMPARE(m_state.currentRecord, 0);
    const QList<AppEntry> records = m_panel->records();
    QCOMPARE(namesOf(records), (QStringList{QString(), u"A"_s, u"B"_s, u"C"_s}));
    AppEntry empty;
    empty.category = u"n/a"_s;
    QCOMPARE(records.first(), empty);
    QCOMPARE(list()->currentRow(), 0);
    QCOMPARE(text(m_panel, u"Text9"_s), QString());
    QCOMPARE(text(m_panel, u"Text13"_s), QString());
    auto* names = control<QListWidget>(m_panel, u"List11"_s);
    QCOMPARE(names->count(), 4);
    QCOMPARE(names->currentRow(), 0);
    // The editor lies over the whole panel.
    QCOMPARE(m_panel->recordEditor()->geometry(), m_panel->rect());
    QVERIFY(m_panel->recordEditor()->isVisible());
}

void TestDatabasePanel::addAfterTheThirdRecordInsertsAtIndexThree() {
    m_panel->setRecords({app(u"A"_s), app(u"B"_s), app(u"C"_s), app(u"D"_s)});
    select(2);
    QCOMPARE(m_state.currentRecord, 2);
    QVERIFY(click(m_panel, u"Command5"_s));
    QCOMPARE(m_state.currentRecord, 3);
    QCOMPARE(namesOf(m_panel->records()), (QStringList{u"A"_s, u"B"_s, u"C"_s, QString(), u"D"_s}));
    QCOMPARE(list()->currentRow(), 3);
}

void TestDatabasePanel::addBeyondTheEndAppends() {
    // Opening a shorter project does not reset the current record.
    select(2);
    m_panel->setRecords({app(u"X"_s)});
    QCOMPARE(m_state.currentRecord, 2);
    QCOMPARE(text(m_panel, u"Text9"_s), QString());
    QVERIFY(click(m_panel, u"Command5"_s));
    QCOMPARE(m_state.currentRecord, 1);
    setText(m_panel, u"Text9"_s, u"Y"_s);
    QVERIFY(click(m_panel, u"Command7"_s));
    QCOMPARE(namesOf(m_panel->records()), (QStringList{u"X"_s, u"Y"_s}));
    QCOMPARE(entries(list()), (QStringList{u"X"_s, u"Y"_s}));
}

void TestDatabasePanel::addThenCancelKeepsTheEmptyRecord() {
    select(0);
    QVERIFY(click(m_panel, u"Command5"_s));
    setText(m_panel, u"Text9"_s, u"typed"_s);
    QVERIFY(click(m_panel, u"Command99"_s));
    QVERIFY(!m_panel->isEditing());
    QCOMPARE(m_editing->count(), 2);
    QCOMPARE(m_editing->last().at(0).toBool(), false);
    const QList<AppEntry> records = m_panel->records();
    QCOMPARE(namesOf(records), (QStringList{u"A"_s, QString(), u"B"_s, u"C"_s}));
    QCOMPARE(records.at(1).category, u"n/a"_s);
    QCOMPARE(records.at(1).installCommand, QString());
    QCOMPARE(text(m_panel, u"Text9"_s), QString());
    QCOMPARE(m_state.currentRecord, 1);
}

void TestDatabasePanel::addThenOkWithEmptyFieldsStoresNo() {
    QVERIFY(click(m_panel, u"Command5"_s));
    QVERIFY(click(m_panel, u"Command7"_s));
    QVERIFY(!m_panel->isEditing());
    const AppEntry expected{QString(), QString(), u"NO"_s, u"NO"_s, u"NO"_s,
                            u"NO"_s,   u"NO"_s,   u"NO"_s, u"n/a"_s};
    QCOMPARE(m_panel->records().first(), expected);
    // The fields show what was stored.
    QCOMPARE(text(m_panel, u"Text11"_s), u"NO"_s);
    QCOMPARE(text(m_panel, u"Text16"_s), u"NO"_s);
    QCOMPARE(text(m_panel, u"Text9"_s), QString());
}

void TestDatabasePanel::okStoresTheFieldsAndTheChosenCategory() {
    m_panel->setCategoriesShown(true);
    m_panel->setCategoryChoices({u"Giochi"_s, u"Utility"_s});
    select(1);
    QVERIFY(click(m_panel, u"Command4"_s));
    QVERIFY(m_panel->isEditing());
    setText(m_panel, u"Text9"_s, u"Bee"_s);
    setText(m_panel, u"Text14"_s, QString());
    combo()->setCurrentIndex(1);
    QVERIFY(click(m_panel, u"Command7"_s));
    AppEntry expected = app(u"B"_s);
    expected.name = u"Bee"_s;
    expected.folder = u"NO"_s;
    expected.category = u"Utility"_s;
    QCOMPARE(m_panel->records().at(1), expected);
    QCOMPARE(list()->item(1)->text(), u"Bee"_s);

    // The empty last entry stores an empty category.
    QVERIFY(click(m_panel, u"Command4"_s));
    combo()->setCurrentIndex(2);
    QVERIFY(click(m_panel, u"Command7"_s));
    QCOMPARE(m_panel->records().at(1).category, QString());

    // With categories off OK stores "n/a".
    m_panel->setCategoriesShown(false);
    QVERIFY(click(m_panel, u"Command4"_s));
    QVERIFY(click(m_panel, u"Command7"_s));
    QCOMPARE(m_panel->records().at(1).category, u"n/a"_s);
}

void TestDatabasePanel::okRenamesTheRecordInBothNameLists() {
    select(1);
    QVERIFY(click(m_panel, u"Command4"_s));
    setText(m_panel, u"Text9"_s, u"Bee"_s);
    QVERIFY(click(m_panel, u"Command7"_s));
    QCOMPARE(entries(list()), (QStringList{u"A"_s, u"Bee"_s, u"C"_s}));
    // Modify opens the editor as it stands: its list must not show the old name.
    QVERIFY(click(m_panel, u"Command4"_s));
    auto* names = control<QListWidget>(m_panel, u"List11"_s);
    QCOMPARE(entries(names), (QStringList{u"A"_s, u"Bee"_s, u"C"_s}));
    QCOMPARE(names->currentRow(), 1);
    QVERIFY(click(m_panel, u"Command99"_s));
}

void TestDatabasePanel::addWithCategoriesOnKeepsNoCategoryUntilOneIsChosen() {
    m_panel->setCategoriesShown(true);
    m_panel->setCategoryChoices({u"Giochi"_s});
    select(0);
    QVERIFY(click(m_panel, u"Command5"_s));
    // The new record's "n/a" is not among the choices: it is shown after them.
    QCOMPARE(combo()->currentText(), u"n/a"_s);
    setText(m_panel, u"Text9"_s, u"New"_s);
    QVERIFY(click(m_panel, u"Command7"_s));
    QCOMPARE(m_panel->records().at(1).category, u"n/a"_s);

    QVERIFY(click(m_panel, u"Command5"_s));
    combo()->setCurrentIndex(0);
    QVERIFY(click(m_panel, u"Command99"_s));
    // Cancel keeps the added record as it was inserted.
    QCOMPARE(m_panel->records().at(2).category, u"n/a"_s);
    QCOMPARE(combo()->currentText(), u"n/a"_s);
}

void TestDatabasePanel::cancelDiscardsTypedChanges() {
    select(2);
    QVERIFY(click(m_panel, u"Command4"_s));
    setText(m_panel, u"Text9"_s, u"changed"_s);
    setText(m_panel, u"Text13"_s, u"other.exe"_s);
    QVERIFY(click(m_panel, u"Command99"_s));
    QCOMPARE(m_panel->records().at(2), app(u"C"_s));
    QCOMPARE(text(m_panel, u"Text9"_s), u"C"_s);
    QCOMPARE(text(m_panel, u"Text13"_s), u"C.exe"_s);
}

void TestDatabasePanel::longFieldsSurviveOk() {
    AppEntry long_ = app(u"L"_s);
    long_.description = QString(40000, u'd');
    long_.extraCommand = u"[INTERNET]http://example.com/"_s + QString(33000, u'x');
    m_panel->setRecords({long_});
    select(0);
    QVERIFY(click(m_panel, u"Command4"_s));
    QVERIFY(click(m_panel, u"Command7"_s));
    QCOMPARE(m_panel->records().first(), long_);
}

void TestDatabasePanel::modifyWithoutACurrentRecordRefuses() {
    QVERIFY(click(m_panel, u"Command4"_s));
    QVERIFY(!m_panel->isEditing());
    QCOMPARE(m_editing->count(), 0);
    // The same after the last record is gone.
    select(2);
    QVERIFY(click(m_panel, u"Command6"_s));
    QVERIFY(click(m_panel, u"Command4"_s));
    QVERIFY(!m_panel->isEditing());
}

void TestDatabasePanel::deleteShowsTheRecordThatMovedUp() {
    select(1);
    QSignalSpy shown(m_panel, &DatabasePanel::currentRecordShown);
    QVERIFY(click(m_panel, u"Command6"_s));
    QCOMPARE(namesOf(m_panel->records()), (QStringList{u"A"_s, u"C"_s}));
    QCOMPARE(entries(list()), (QStringList{u"A"_s, u"C"_s}));
    QCOMPARE(m_state.currentRecord, 1);
    QCOMPARE(text(m_panel, u"Text9"_s), u"C"_s);
    // The record that the next Delete would take is shown selected.
    QCOMPARE(list()->currentRow(), 1);
    QCOMPARE(list()->selectedItems(), QList<QListWidgetItem*>{list()->item(1)});
    QCOMPARE(control<QListWidget>(m_panel, u"List11"_s)->currentRow(), 1);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown.last().at(0).toInt(), 1);
    QVERIFY(!m_panel->isEditing());
}

void TestDatabasePanel::deletingTheLastRecordLeavesTheFieldsEmpty() {
    select(2);
    QVERIFY(click(m_panel, u"Command6"_s));
    QCOMPARE(namesOf(m_panel->records()), (QStringList{u"A"_s, u"B"_s}));
    QCOMPARE(m_state.currentRecord, 2);
    for (const QString& name : {u"Text9"_s, u"Text10"_s, u"Text11"_s, u"Text12"_s, u"Text13"_s,
                                u"Text14"_s, u"Text15"_s, u"Text16"_s})
        QCOMPARE(text(m_panel, name), QString());
    QCOMPARE(list()->currentRow(), -1);
    QVERIFY(list()->selectedItems().isEmpty());
    // Nothing is left at that index to delete.
    QVERIFY(click(m_panel, u"Command6"_s));
    QCOMPARE(m_panel->records().size(), 2);
}

void TestDatabasePanel::deleteWithoutACurrentRecordDoesNothing() {
    QVERIFY(click(m_panel, u"Command6"_s));
    QCOMPARE(m_panel->records().size(), 3);
    m_panel->setRecords({});
    select(0);
    QVERIFY(click(m_panel, u"Command6"_s));
    QVERIFY(m_panel->records().isEmpty());
}

void TestDatabasePanel::movesSwapWithTheNeighbour() {
    select(2);
    QVERIFY(click(m_panel, u"Command8"_s));
    QCOMPARE(namesOf(m_panel->records()), (QStringList{u"A"_s, u"C"_s, u"B"_s}));
    QCOMPARE(entries(list()), (QStringList{u"A"_s, u"C"_s, u"B"_s}));
    QCOMPARE(m_state.currentRecord, 1);
    QCOMPARE(list()->currentRow(), 1);
    QCOMPARE(text(m_panel, u"Text9"_s), u"C"_s);
    QCOMPARE(m_panel->records().at(1), app(u"C"_s));

    QVERIFY(click(m_panel, u"Command9"_s));
    QCOMPARE(namesOf(m_panel->records()), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
    QCOMPARE(m_state.currentRecord, 2);
    QCOMPARE(text(m_panel, u"Text13"_s), u"C.exe"_s);
}

void TestDatabasePanel::movesAtTheEndsDoNothing() {
    const QList<AppEntry> before = m_panel->records();
    QVERIFY(click(m_panel, u"Command8"_s));
    QVERIFY(click(m_panel, u"Command9"_s));
    QCOMPARE(m_panel->records(), before);
    QCOMPARE(m_state.currentRecord, -1);

    select(0);
    QVERIFY(click(m_panel, u"Command8"_s));
    QCOMPARE(m_panel->records(), before);
    QCOMPARE(m_state.currentRecord, 0);
    select(2);
    QVERIFY(click(m_panel, u"Command9"_s));
    QCOMPARE(m_panel->records(), before);
    QCOMPARE(m_state.currentRecord, 2);

    // A current record beyond the end moves nothing either.
    m_panel->setRecords({app(u"X"_s), app(u"Y"_s)});
    QVERIFY(click(m_panel, u"Command8"_s));
    QCOMPARE(namesOf(m_panel->records()), (QStringList{u"X"_s, u"Y"_s}));
}

void TestDatabasePanel::browsingControlsAreOffWhileEditing() {
    const QStringList browsing{u"List2"_s,    u"Command5"_s, u"Command4"_s,
                               u"Command6"_s, u"Command8"_s, u"Command9"_s};
    select(1);
    QVERIFY(click(m_panel, u"Command4"_s));
    for (const QString& name : browsing)
        QVERIFY2(!control<QWidget>(m_panel, name)->isEnabled(), qPrintable(name));
    // A delete that reached the covered button would take the record being edited.
    QVERIFY(click(m_panel, u"Command6"_s));
    QCOMPARE(m_panel->records().size(), 3);
    QVERIFY(click(m_panel, u"Command7"_s));
    for (const QString& name : browsing)
        QVERIFY2(control<QWidget>(m_panel, name)->isEnabled(), qPrintable(name));
    QVERIFY(click(m_panel, u"Command4"_s));
    QVERIFY(click(m_panel, u"Command99"_s));
    QVERIFY(control<QWidget>(m_panel, u"Command6"_s)->isEnabled());
}

void TestDatabasePanel::openingAShorterProjectWhileEditingStoresNothing() {
    // New and Open stay available while a record is edited.
    select(2);
    QVERIFY(click(m_panel, u"Command4"_s));
    m_panel->setRecords({app(u"X"_s)});
    QVERIFY(m_panel->isEditing());
    QCOMPARE(text(m_panel, u"Text9"_s), QString());
    setText(m_panel, u"Text9"_s, u"lost"_s);
    QVERIFY(click(m_panel, u"Command7"_s));
    QVERIFY(!m_panel->isEditing());
    QCOMPARE(m_panel->records(), QList<AppEntry>{app(u"X"_s)});
    QCOMPARE(entries(list()), QStringList{u"X"_s});
}

void TestDatabasePanel::categoryNotOfferedIsKept_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("removed since") << u"Removed"_s;
    QTest::newRow("not assigned") << u"n/a"_s;
    QTest::newRow("empty category list") << u"0"_s;
}

void TestDatabasePanel::categoryNotOfferedIsKept() {
    QFETCH(QString, stored);
    m_panel->setRecords({app(u"A"_s, stored), app(u"B"_s, u"Giochi"_s)});
    m_panel->setCategoriesShown(true);
    m_panel->setCategoryChoices({u"Giochi"_s});
    select(0);
    // Shown to the author, after the choices.
    QCOMPARE(combo()->currentText(), stored);
    QCOMPARE(entries(combo()), (QStringList{u"Giochi"_s, QString(), stored}));
    QVERIFY(click(m_panel, u"Command4"_s));
    setText(m_panel, u"Text10"_s, u"new text"_s);
    QVERIFY(click(m_panel, u"Command7"_s));
    QCOMPARE(m_panel->records().at(0).category, stored);
    QCOMPARE(m_panel->records().at(0).description, u"new text"_s);

    select(1);
    QCOMPARE(combo()->currentText(), u"Giochi"_s);
    QCOMPARE(entries(combo()), (QStringList{u"Giochi"_s, QString()}));
    select(0);
    QVERIFY(click(m_panel, u"Command4"_s));
    combo()->setCurrentIndex(0);
    QVERIFY(click(m_panel, u"Command7"_s));
    QCOMPARE(m_panel->records().at(0).category, u"Giochi"_s);
}

void TestDatabasePanel::rebuiltChoicesKeepTheRecordsCategory() {
    m_panel->setRecords({app(u"A"_s, u"Utility"_s)});
    m_panel->setCategoriesShown(true);
    m_panel->setCategoryChoices({u"Giochi"_s, u"Utility"_s});
    select(0);
    QCOMPARE(combo()->currentText(), u"Utility"_s);
    m_panel->setCategoryChoices({u"Audio"_s, u"Giochi"_s, u"Utility"_s});
    QCOMPARE(entries(combo()), (QStringList{u"Audio"_s, u"Giochi"_s, u"Utility"_s, QString()}));
    QCOMPARE(combo()->currentText(), u"Utility"_s);
    QVERIFY(click(m_panel, u"Command4"_s));
    QVERIFY(click(m_panel, u"Command7"_s));
    QCOMPARE(m_panel->records().at(0).category, u"Utility"_s);
}

void TestDatabasePanel::captionsAndTooltipsComeFromTheTexts() {
    const UiTexts english(u"EN");
    DatabasePanel panel(m_state, english, *m_prompts);
    QCOMPARE(control<QPushButton>(&panel, u"Command5"_s)->text(), u"Add"_s);
    QCOMPARE(control<QPushButton>(&panel, u"Command4"_s)->text(), u"Modify"_s);
    QCOMPARE(control<QPushButton>(&panel, u"Command6"_s)->text(), u"Delete"_s);
    QCOMPARE(control<QPushButton>(&panel, u"Command99"_s)->text(), u"CANCEL"_s);
    QCOMPARE(control<QPushButton>(&panel, u"Command7"_s)->text(), u"OK"_s);
    QCOMPARE(control<QPushButton>(&panel, u"Command26"_s)->text(), u"*.*"_s);
    QCOMPARE(control<QPushButton>(&panel, u"Command27"_s)->text(), u"*.*"_s);
    QCOMPARE(control<QLabel>(&panel, u"Label30"_s)->text(), u"category"_s);
    QCOMPARE(control<QPushButton>(&panel, u"Command12"_s)->toolTip(), english.text(u"tipPicture"));
    QCOMPARE(control<QPushButton>(&panel, u"Command24"_s)->toolTip(), english.text(u"tipZip"));
    QCOMPARE(control<QPushButton>(&panel, u"Command21"_s)->toolTip(), english.text(u"tipInternet"));
    QCOMPARE(control<QPushButton>(&panel, u"Command14"_s)->toolTip(), english.text(u"tipProgram"));
    QCOMPARE(control<QPushButton>(&panel, u"Command26"_s)->toolTip(), english.text(u"tipAnyFile"));
    QCOMPARE(control<QPushButton>(m_panel, u"Command99"_s)->text(), u"CANCELLA"_s);
    QCOMPARE(control<QPushButton>(m_panel, u"Command5"_s)->text(), u"AGGIUNGI"_s);
    for (const QString& name : {u"Frame10"_s, u"Frame13"_s, u"Frame14"_s, u"Frame15"_s,
                                u"Frame19"_s, u"Frame20"_s, u"Frame99"_s})
        QVERIFY2(control<QWidget>(&panel, name), qPrintable(name));
}

QTEST_MAIN(TestDatabasePanel)
#include "test_databasepanel.moc"
