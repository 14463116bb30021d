#include "databasepanel.h"

#include "recordeditor.h"

#include <configvalues.h>
#include <editorstate.h>
#include <uitexts.h>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

// An empty picture, caption, command or folder is stored as "not set".
QString orUnset(const QString& value) {
    return value.isEmpty() ? configvalue::unset : value;
}

} // namespace

DatabasePanel::DatabasePanel(EditorState& state, const UiTexts& texts, Prompts& prompts,
                             QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_texts(texts) {
    setObjectName(u"ApplicationsPanel"_s);

    auto* listFrame = new QGroupBox(texts.text(u"Frame10"), this);
    listFrame->setObjectName(u"Frame10"_s);
    m_names = new QListWidget(listFrame);
    m_names->setObjectName(u"List2"_s);
    m_names->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* listLayout = new QVBoxLayout(listFrame);
    listLayout->addWidget(m_names);

    auto* editButtons = new QFrame(this);
    editButtons->setObjectName(u"Frame19"_s);
    m_add = makeButton(u"Command5"_s, texts.text(u"Command5"), editButtons);
    m_modify = makeButton(u"Command4"_s, texts.text(u"Command4"), editButtons);
    m_delete = makeButton(u"Command6"_s, texts.text(u"Command6"), editButtons);
    auto* editLayout = new QVBoxLayout(editButtons);
    editLayout->addWidget(m_add);
    editLayout->addWidget(m_modify);
    editLayout->addWidget(m_delete);

    auto* moveButtons = new QFrame(this);
    moveButtons->setObjectName(u"Frame20"_s);
    m_up = makeButton(u"Command8"_s, {}, moveButtons);
    m_up->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    m_down = makeButton(u"Command9"_s, {}, moveButtons);
    m_down->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    auto* moveLayout = new QVBoxLayout(moveButtons);
    moveLayout->addWidget(m_up);
    moveLayout->addWidget(m_down);

    auto* side = new QVBoxLayout;
    side->addWidget(editButtons);
    side->addStretch();
    side->addWidget(moveButtons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(listFrame, 1);
    layout->addLayout(side);

    // Not in the layout: it lies over the whole panel while a record is edited.
    m_editor = new RecordEditor(state, texts, prompts, this);
    m_editor->setCategoriesShown(false);
    m_editor->hide();

    connect(m_names, &QListWidget::currentRowChanged, this, [this](int row) {
        // Only a row that the author selected (click or arrow keys). The list
        // also makes its first row current, unselected, when it gets the focus
        // from the keyboard; taking that as a choice would let Delete remove a
        // record that was never chosen.
        if (!m_refreshing && row >= 0 && m_names->item(row)->isSelected())
            selectRecord(row);
    });
    connect(m_names, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { selectRecord(m_names->row(item)); });
    connect(m_add, &QPushButton::clicked, this, &DatabasePanel::addRecord);
    connect(m_modify, &QPushButton::clicked, this, &DatabasePanel::modifyRecord);
    connect(m_delete, &QPushButton::clicked, this, &DatabasePanel::deleteRecord);
    connect(m_up, &QPushButton::clicked, this, &DatabasePanel::moveUp);
    connect(m_down, &QPushButton::clicked, this, &DatabasePanel::moveDown);
    connect(m_editor->okButton(), &QPushButton::clicked, this, &DatabasePanel::confirmRecord);
    connect(m_editor->cancelButton(), &QPushButton::clicked, this, &DatabasePanel::cancelRecord);
}

void DatabasePanel::setRecords(const QList<AppEntry>& records) {
    m_records = records;
    refreshNames(-1);
    showCurrentRecord();
}

void DatabasePanel::setCategoryChoices(const QStringList& categories) {
    m_editor->setCategoryChoices(categories);
    // The rebuilt drop-down must still show the current record's category, or
    // the next OK would store whatever the rebuild left selected.
    if (m_categoriesShown && hasCurrentRecord())
        m_editor->setCategory(m_records.at(m_state.currentRecord).category);
}

void DatabasePanel::setCategoriesShown(bool shown) {
    m_categoriesShown = shown;
    m_editor->setCategoriesShown(shown);
    if (shown && hasCurrentRecord())
        m_editor->setCategory(m_records.at(m_state.currentRecord).category);
}

bool DatabasePanel::isEditing() const {
    return !m_editor->isHidden();
}

bool DatabasePanel::hasCurrentRecord() const {
    return m_state.currentRecord >= 0 && m_state.currentRecord < m_records.size();
}

int DatabasePanel::selectedRow() const {
    const QList<QListWidgetItem*> selected = m_names->selectedItems();
    return selected.isEmpty() ? -1 : m_names->row(selected.first());
}

void DatabasePanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_editor->setGeometry(rect());
}

void DatabasePanel::showRecord(int row) {
    if (isEditing() || row < 0 || row >= m_names->count())
        return;
    m_names->setCurrentRow(row);
    selectRecord(row);
}

void DatabasePanel::selectRecord(int row) {
    m_state.currentRecord = row;
    showCurrentRecord();
}

void DatabasePanel::showCurrentRecord() {
    const int current = m_state.currentRecord;
    const AppEntry record = hasCurrentRecord() ? m_records.at(current) : AppEntry{};
    m_editor->setFields(record);
    if (current > -1 && m_categoriesShown)
        m_editor->setCategory(record.category);
    copyNamesToEditor();
    emit currentRecordShown(current);
}

void DatabasePanel::copyNamesToEditor() {
    QStringList names;
    names.reserve(m_records.size());
    for (const AppEntry& each : std::as_const(m_records))
        names.append(each.name);
    m_editor->setNames(names, selectedRow());
}

void DatabasePanel::refreshNames(int selectedRow) {
    m_refreshing = true;
    m_names->clear();
    for (const AppEntry& record : std::as_const(m_records))
        m_names->addItem(record.name);
    m_names->setCurrentRow(selectedRow);
    if (selectedRow < 0)
        m_names->clearSelection();
    m_refreshing = false;
}

void DatabasePanel::setBrowsingEnabled(bool enabled) {
    // Covered by the editor, but still reachable with the keyboard otherwise.
    for (QWidget* control : {static_cast<QWidget*>(m_names), static_cast<QWidget*>(m_add),
                             static_cast<QWidget*>(m_modify), static_cast<QWidget*>(m_delete),
                             static_cast<QWidget*>(m_up), static_cast<QWidget*>(m_down)})
        control->setEnabled(enabled);
}

void DatabasePanel::openEditor() {
    setBrowsingEnabled(false);
    m_editor->setGeometry(rect());
    m_editor->show();
    m_editor->raise();
    emit editingChanged(true);
}

void DatabasePanel::closeEditor() {
    m_editor->hide();
    setBrowsingEnabled(true);
    emit editingChanged(false);
}

void DatabasePanel::addRecord() {
    openEditor();
    // After the current record; when that lies beyond the end (the last record
    // was deleted, or a shorter project was opened) the new one goes last.
    const int position = std::clamp(m_state.currentRecord + 1, 0, int(m_records.size()));
    AppEntry added;
    added.category = configvalue::noCategory;
    m_records.insert(position, added);
    m_state.currentRecord = position;
    refreshNames(position);
    selectRecord(position);
}

void DatabasePanel::modifyRecord() {
    // Nothing to edit: OK would have no record to store into.
    if (!hasCurrentRecord())
        return;
    openEditor();
}

void DatabasePanel::deleteRecord() {
    if (!hasCurrentRecord())
        return;
    m_records.removeAt(m_state.currentRecord);
    // currentRecord stays, so the record that moved up is now the one that
    // Modify, Delete and the moves act on; the list shows it selected rather
    // than leaving a next Delete to remove a record nobody sees chosen.
    refreshNames(hasCurrentRecord() ? m_state.currentRecord : -1);
    showCurrentRecord();
}

void DatabasePanel::moveUp() {
    if (!hasCurrentRecord() || m_state.currentRecord == 0)
        return;
    const int above = m_state.currentRecord - 1;
    m_records.swapItemsAt(m_state.currentRecord, above);
    refreshNames(above);
    selectRecord(above);
}

void DatabasePanel::moveDown() {
    if (!hasCurrentRecord() || m_state.currentRecord >= m_records.size() - 1)
        return;
    const int below = m_state.currentRecord + 1;
    m_records.swapItemsAt(m_state.currentRecord, below);
    refreshNames(below);
    selectRecord(below);
}

void DatabasePanel::confirmRecord() {
    closeEditor();
    for (const QString& name :
         {u"Text11"_s, u"Text12"_s, u"Text13"_s, u"Text14"_s, u"Text15"_s, u"Text16"_s}) {
        QLineEdit* field = m_editor->field(name);
        field->setText(orUnset(field->text()));
    }
    if (!hasCurrentRecord())
        return;
    AppEntry stored = m_editor->fields();
    stored.category = m_categoriesShown ? m_editor->category() : configvalue::noCategory;
    m_records[m_state.currentRecord] = stored;
    if (QListWidgetItem* item = m_names->item(m_state.currentRecord))
        item->setText(stored.name);
    // The editor's copy of the names must show a renamed record too: Modify
    // opens the editor without refreshing it.
    copyNamesToEditor();
}

void DatabasePanel::cancelRecord() {
    closeEditor();
    showCurrentRecord();
}
