#include "databasepanel.h"

DatabasePanel::DatabasePanel(EditorState& state, const UiTexts& texts, Prompts&, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_texts(texts) {
    setObjectName(QStringLiteral("ApplicationsPanel"));
}

void DatabasePanel::setRecords(const QList<AppEntry>& records) {
    m_records = records;
}

void DatabasePanel::setCategoryChoices(const QStringList&) {}

void DatabasePanel::setCategoriesShown(bool shown) {
    m_categoriesShown = shown;
}

bool DatabasePanel::isEditing() const {
    return false;
}

void DatabasePanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
}
