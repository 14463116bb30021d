#include "categoriespanel.h"
#include "databasepanel.h"
#include "recordstesting.h"
#include "scriptedprompts.h"

#include <editorstate.h>
#include <uitexts.h>

#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace recordstesting;

// The Categories panel: the switch, the list with its input box, and when the
// record editor's drop-down is rebuilt.
class TestCategories : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsOffWithTheListHidden();
    void readingAFileSetsTheSwitchAndRebuildsTheChoices();
    void switchingOffAndOnKeepsTheList();
    void cancelHidesTheInputBoxAndKeepsItsText();
    void confirmAppendsTrimmedAndRebuilds();
    void firstCategoryGivesItAndAnEmptyEntry();
    void removeTakesTheSelectedOneAndRebuilds();
    void removeWithoutSelectionDoesNothing();
    void movingChangesTheOrderButNotTheChoices();
    void movesAtTheEndsDoNothing();
    void captionsComeFromTheTexts();

private:
    void addCategory(const QString& name);
    void select(int row);
    QListWidget* list() const { return control<QListWidget>(m_panel, u"List1"_s); }
    QWidget* widget(const QString& name) const { return control<QWidget>(m_panel, name); }

    EditorState m_state;
    UiTexts m_texts{u"IT"};
    ScriptedPrompts* m_prompts = nullptr;
    CategoriesPanel* m_panel = nullptr;
    QSignalSpy* m_choices = nullptr;
    QSignalSpy* m_shown = nullptr;
};

void TestCategories::init() {
    m_prompts = new ScriptedPrompts;
    m_panel = new CategoriesPanel(m_state, m_texts, *m_prompts);
    m_panel->show();
    m_choices = new QSignalSpy(m_panel, &CategoriesPanel::categoryChoicesChanged);
    m_shown = new QSignalSpy(m_panel, &CategoriesPanel::categoriesShownChanged);
}

void TestCategories::cleanup() {
    delete m_choices;
    delete m_shown;
    delete m_panel;
    delete m_prompts;
}

void TestCategories::addCategory(const QString& name) {
    QVERIFY(click(m_panel, u"Command28"_s));
    QVERIFY(widget(u"Frame18"_s)->isVisible());
    setText(m_panel, u"Text20"_s, name);
    QVERIFY(click(m_panel, u"Command30"_s));
}

void TestCategories::select(int row) {
    list()->setCurrentRow(row);
}

void TestCategories::startsOffWithTheListHidden() {
    QVERIFY(!m_panel->categoriesEnabled());
    QVERIFY(m_panel->categories().isEmpty());
    QVERIFY(!widget(u"Frame17"_s)->isVisible());
    QVERIFY(!widget(u"Frame18"_s)->isVisible());
    QVERIFY(control<QCheckBox>(m_panel, u"Check1"_s)->isVisible());
}

void TestCategories::readingAFileSetsTheSwitchAndRebuildsTheChoices() {
    m_panel->setCategories(true, {u"Giochi"_s, u"Utility"_s});
    QVERIFY(m_panel->categoriesEnabled());
    QCOMPARE(m_panel->categories(), (QStringList{u"Giochi"_s, u"Utility"_s}));
    QVERIFY(widget(u"Frame17"_s)->isVisible());
    QCOMPARE(m_shown->count(), 1);
    QCOMPARE(m_shown->last().at(0).toBool(), true);
    QCOMPARE(m_choices->count(), 1);
    QCOMPARE(m_choices->last().at(0).toStringList(), (QStringList{u"Giochi"_s, u"Utility"_s}));

    // A project with categories off still hands over its names, so that
    // switching them on later offers this project's names.
    m_panel->setCategories(false, {u"Office"_s});
    QVERIFY(!m_panel->categoriesEnabled());
    QVERIFY(!widget(u"Frame17"_s)->isVisible());
    QCOMPARE(m_shown->last().at(0).toBool(), false);
    QCOMPARE(m_choices->count(), 2);
    QCOMPARE(m_choices->last().at(0).toStringList(), QStringList{u"Office"_s});
}

void TestCategories::switchingOffAndOnKeepsTheList() {
    m_panel->setCategories(true, {u"Giochi"_s});
    m_choices->clear();
    m_shown->clear();
    QVERIFY(click(m_panel, u"Command28"_s));
    setText(m_panel, u"Text20"_s, u"half typed"_s);

    auto* check = control<QCheckBox>(m_panel, u"Check1"_s);
    check->click();
    QVERIFY(!m_panel->categoriesEnabled());
    QVERIFY(!widget(u"Frame17"_s)->isVisible());
    QVERIFY(!widget(u"Frame18"_s)->isVisible());
    QCOMPARE(text(m_panel, u"Text20"_s), QString());
    QCOMPARE(m_shown->count(), 1);
    QCOMPARE(m_shown->last().at(0).toBool(), false);

    check->click();
    QVERIFY(m_panel->categoriesEnabled());
    QVERIFY(widget(u"Frame17"_s)->isVisible());
    QVERIFY(!widget(u"Frame18"_s)->isVisible());
    QCOMPARE(text(m_panel, u"Text20"_s), QString());
    QCOMPARE(entries(list()), QStringList{u"Giochi"_s});
    QCOMPARE(m_shown->count(), 2);
    QCOMPARE(m_shown->last().at(0).toBool(), true);
    // The switch does not touch the drop-down's entries.
    QCOMPARE(m_choices->count(), 0);
}

void TestCategories::cancelHidesTheInputBoxAndKeepsItsText() {
    m_panel->setCategories(true, {});
    m_choices->clear();
    QVERIFY(click(m_panel, u"Command28"_s));
    setText(m_panel, u"Text20"_s, u"Gio"_s);
    QVERIFY(click(m_panel, u"Command31"_s));
    QVERIFY(!widget(u"Frame18"_s)->isVisible());
    QCOMPARE(text(m_panel, u"Text20"_s), u"Gio"_s);
    QVERIFY(m_panel->categories().isEmpty());
    QCOMPARE(m_choices->count(), 0);
}

void TestCategories::confirmAppendsTrimmedAndRebuilds() {
    m_panel->setCategories(true, {u"Giochi"_s});
    m_choices->clear();
    addCategory(QString());
    // Outer blanks go, as the menu would drop them from the drop-down and
    // then find no application of the name; duplicates stay.
    addCategory(u" Giochi "_s);
    addCategory(u"Giochi"_s);
    QCOMPARE(m_panel->categories(),
             (QStringList{u"Giochi"_s, QString(), u"Giochi"_s, u"Giochi"_s}));
    QVERIFY(!widget(u"Frame18"_s)->isVisible());
    QCOMPARE(text(m_panel, u"Text20"_s), QString());
    QCOMPARE(m_choices->count(), 3);
    QCOMPARE(m_choices->last().at(0).toStringList(), m_panel->categories());
}

void TestCategories::firstCategoryGivesItAndAnEmptyEntry() {
    // Wired as the main window wires the two panels.
    DatabasePanel records(m_state, m_texts, *m_prompts);
    connect(m_panel, &CategoriesPanel::categoryChoicesChanged, &records,
            &DatabasePanel::setCategoryChoices);
    connect(m_panel, &CategoriesPanel::categoriesShownChanged, &records,
            &DatabasePanel::setCategoriesShown);
    m_panel->setCategories(false, {});
    control<QCheckBox>(m_panel, u"Check1"_s)->click();
    addCategory(u"Giochi"_s);
    auto* combo = control<QComboBox>(&records, u"Combo1"_s);
    QCOMPARE(entries(combo), (QStringList{u"Giochi"_s, QString()}));
    QVERIFY(!combo->isHidden());
    QVERIFY(!control<QLabel>(&records, u"Label30"_s)->isHidden());

    addCategory(QString());
    QCOMPARE(entries(combo), (QStringList{u"Giochi"_s, QString(), QString()}));

    control<QCheckBox>(m_panel, u"Check1"_s)->click();
    QVERIFY(combo->isHidden());
    QVERIFY(control<QLabel>(&records, u"Label30"_s)->isHidden());
}

void TestCategories::removeTakesTheSelectedOneAndRebuilds() {
    m_panel->setCategories(true, {u"A"_s, u"B"_s, u"C"_s});
    m_choices->clear();
    select(1);
    QVERIFY(click(m_panel, u"Command29"_s));
    QCOMPARE(m_panel->categories(), (QStringList{u"A"_s, u"C"_s}));
    QCOMPARE(m_choices->count(), 1);
    QCOMPARE(m_choices->last().at(0).toStringList(), (QStringList{u"A"_s, u"C"_s}));
    // Nothing stays selected, so a second click removes nothing.
    QVERIFY(list()->selectedItems().isEmpty());
    QVERIFY(click(m_panel, u"Command29"_s));
    QCOMPARE(m_panel->categories(), (QStringList{u"A"_s, u"C"_s}));
}

void TestCategories::removeWithoutSelectionDoesNothing() {
    m_panel->setCategories(true, {u"A"_s, u"B"_s});
    m_choices->clear();
    QVERIFY(click(m_panel, u"Command29"_s));
    QVERIFY(click(m_panel, u"Command33"_s));
    QVERIFY(click(m_panel, u"Command32"_s));
    QCOMPARE(m_panel->categories(), (QStringList{u"A"_s, u"B"_s}));
    QCOMPARE(m_choices->count(), 0);
}

void TestCategories::movingChangesTheOrderButNotTheChoices() {
    m_panel->setCategories(true, {u"A"_s, u"B"_s, u"C"_s});
    m_choices->clear();
    select(2);
    QVERIFY(click(m_panel, u"Command33"_s));
    QCOMPARE(m_panel->categories(), (QStringList{u"A"_s, u"C"_s, u"B"_s}));
    QCOMPARE(list()->currentRow(), 1);
    QVERIFY(list()->item(1)->isSelected());
    QVERIFY(click(m_panel, u"Command33"_s));
    QCOMPARE(m_panel->categories(), (QStringList{u"C"_s, u"A"_s, u"B"_s}));
    QVERIFY(click(m_panel, u"Command32"_s));
    QVERIFY(click(m_panel, u"Command32"_s));
    QCOMPARE(m_panel->categories(), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
    QCOMPARE(list()->currentRow(), 2);
    QCOMPARE(m_choices->count(), 0);
}

void TestCategories::movesAtTheEndsDoNothing() {
    m_panel->setCategories(true, {u"A"_s, u"B"_s});
    select(0);
    QVERIFY(click(m_panel, u"Command33"_s));
    QCOMPARE(m_panel->categories(), (QStringList{u"A"_s, u"B"_s}));
    QCOMPARE(list()->currentRow(), 0);
    select(1);
    QVERIFY(click(m_panel, u"Command32"_s));
    QCOMPARE(m_panel->categories(), (QStringList{u"A"_s, u"B"_s}));
    QCOMPARE(list()->currentRow(), 1);
}

void TestCategories::captionsComeFromTheTexts() {
    const UiTexts english(u"EN");
    CategoriesPanel panel(m_state, english, *m_prompts);
    QCOMPARE(control<QCheckBox>(&panel, u"Check1"_s)->text(), u"Use Categories"_s);
    QCOMPARE(control<QPushButton>(&panel, u"Command28"_s)->text(), u"ADD"_s);
    QCOMPARE(control<QPushButton>(&panel, u"Command29"_s)->text(), u"Remove"_s);
    QCOMPARE(control<QLabel>(&panel, u"Label29"_s)->text(), u"Add New Category"_s);
    QCOMPARE(control<QCheckBox>(m_panel, u"Check1"_s)->text(), u"Abilitazione Categorie"_s);
    QCOMPARE(control<QPushButton>(m_panel, u"Command31"_s)->text(), u"Cancella"_s);
}

QTEST_MAIN(TestCategories)
#include "test_categories.moc"
