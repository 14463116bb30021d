#include "categoriespanel.h"

#include <QCheckBox>
#include <QListWidget>
#include <QVBoxLayout>

CategoriesPanel::CategoriesPanel(EditorState&, const UiTexts&, Prompts&, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("CategoriesPanel"));
    auto* layout = new QVBoxLayout(this);
    m_switch = new QCheckBox(this);
    m_switch->setObjectName(QStringLiteral("Check1"));
    m_names = new QListWidget(this);
    m_names->setObjectName(QStringLiteral("List1"));
    layout->addWidget(m_switch);
    layout->addWidget(m_names);
}

void CategoriesPanel::setCategories(bool enabled, const QStringList& categories) {
    m_switch->setChecked(enabled);
    m_names->clear();
    m_names->addItems(categories);
    emit categoriesShownChanged(enabled);
    emit categoryChoicesChanged(categories);
}

bool CategoriesPanel::categoriesEnabled() const {
    return m_switch->isChecked();
}

QStringList CategoriesPanel::categories() const {
    QStringList names;
    for (int row = 0; row < m_names->count(); ++row)
        names.append(m_names->item(row)->text());
    return names;
}
