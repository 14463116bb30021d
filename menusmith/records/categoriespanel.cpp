#include "categoriespanel.h"

#include <uitexts.h>

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
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

} // namespace

CategoriesPanel::CategoriesPanel(EditorState&, const UiTexts& texts, Prompts&, QWidget* parent)
    : QWidget(parent) {
    setObjectName(u"CategoriesPanel"_s);

    m_switch = new QCheckBox(texts.text(u"Check1"), this);
    m_switch->setObjectName(u"Check1"_s);

    m_listFrame = new QFrame(this);
    m_listFrame->setObjectName(u"Frame17"_s);
    m_names = new QListWidget(m_listFrame);
    m_names->setObjectName(u"List1"_s);
    m_names->setSelectionMode(QAbstractItemView::SingleSelection);
    m_add = makeButton(u"Command28"_s, texts.text(u"Command28"), m_listFrame);
    m_remove = makeButton(u"Command29"_s, texts.text(u"Command29"), m_listFrame);
    m_up = makeButton(u"Command33"_s, {}, m_listFrame);
    m_up->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    m_down = makeButton(u"Command32"_s, {}, m_listFrame);
    m_down->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));

    auto* listButtons = new QVBoxLayout;
    listButtons->addWidget(m_add);
    listButtons->addWidget(m_remove);
    listButtons->addStretch();
    listButtons->addWidget(m_up);
    listButtons->addWidget(m_down);
    auto* listLayout = new QHBoxLayout(m_listFrame);
    listLayout->addWidget(m_names, 1);
    listLayout->addLayout(listButtons);

    m_inputBox = new QFrame(this);
    m_inputBox->setObjectName(u"Frame18"_s);
    auto* inputFrame = new QFrame(m_inputBox);
    inputFrame->setObjectName(u"Frame21"_s);
    inputFrame->setFrameShape(QFrame::StyledPanel);
    auto* inputLabel = new QLabel(texts.text(u"Label29"), inputFrame);
    inputLabel->setObjectName(u"Label29"_s);
    m_newName = new QLineEdit(inputFrame);
    m_newName->setObjectName(u"Text20"_s);
    m_confirm = makeButton(u"Command30"_s, texts.text(u"Command30"), inputFrame);
    m_cancel = makeButton(u"Command31"_s, texts.text(u"Command31"), inputFrame);
    auto* inputButtons = new QHBoxLayout;
    inputButtons->addWidget(m_confirm);
    inputButtons->addWidget(m_cancel);
    auto* inputLayout = new QVBoxLayout(inputFrame);
    inputLayout->addWidget(inputLabel);
    inputLayout->addWidget(m_newName);
    inputLayout->addLayout(inputButtons);
    auto* inputBoxLayout = new QVBoxLayout(m_inputBox);
    inputBoxLayout->setContentsMargins(0, 0, 0, 0);
    inputBoxLayout->addWidget(inputFrame);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_switch);
    layout->addWidget(m_listFrame, 1);
    layout->addWidget(m_inputBox);

    connect(m_switch, &QCheckBox::toggled, this, &CategoriesPanel::applySwitch);
    connect(m_add, &QPushButton::clicked, this, &CategoriesPanel::showInputBox);
    connect(m_confirm, &QPushButton::clicked, this, &CategoriesPanel::confirmNewCategory);
    connect(m_cancel, &QPushButton::clicked, this, &CategoriesPanel::cancelNewCategory);
    connect(m_remove, &QPushButton::clicked, this, &CategoriesPanel::removeCategory);
    connect(m_up, &QPushButton::clicked, this, &CategoriesPanel::moveUp);
    connect(m_down, &QPushButton::clicked, this, &CategoriesPanel::moveDown);

    m_inputBox->hide();
    applySwitch();
}

void CategoriesPanel::setCategories(bool enabled, const QStringList& categories) {
    m_names->clear();
    m_names->addItems(categories);
    {
        // toggled() only fires on a change; the switch is applied below in any case.
        const QSignalBlocker quiet(m_switch);
        m_switch->setChecked(enabled);
    }
    applySwitch();
    // Rebuilt for every file read, also with categories off: switching them on
    // later must offer this project's names, not the previous project's.
    rebuildChoices();
}

bool CategoriesPanel::categoriesEnabled() const {
    return m_switch->isChecked();
}

QStringList CategoriesPanel::categories() const {
    QStringList names;
    names.reserve(m_names->count());
    for (int row = 0; row < m_names->count(); ++row)
        names.append(m_names->item(row)->text());
    return names;
}

void CategoriesPanel::applySwitch() {
    const bool on = m_switch->isChecked();
    m_listFrame->setVisible(on);
    if (!on) {
        m_inputBox->hide();
        m_newName->clear();
    }
    emit categoriesShownChanged(on);
}

void CategoriesPanel::showInputBox() {
    m_inputBox->show();
    m_newName->setFocus();
}

void CategoriesPanel::confirmNewCategory() {
    // The menu reads category names without their outer blanks, so they are
    // stored that way; an empty name and duplicates are kept.
    m_names->addItem(m_newName->text().trimmed());
    m_inputBox->hide();
    m_newName->clear();
    rebuildChoices();
}

void CategoriesPanel::cancelNewCategory() {
    m_inputBox->hide();
}

int CategoriesPanel::selectedIndex() const {
    const QList<QListWidgetItem*> selected = m_names->selectedItems();
    return selected.isEmpty() ? -1 : m_names->row(selected.first());
}

void CategoriesPanel::removeCategory() {
    const int index = selectedIndex();
    if (index < 0)
        return;
    delete m_names->takeItem(index);
    m_names->clearSelection();
    m_names->setCurrentRow(-1);
    rebuildChoices();
}

void CategoriesPanel::moveUp() {
    const int index = selectedIndex();
    if (index <= 0)
        return;
    m_names->insertItem(index - 1, m_names->takeItem(index));
    m_names->setCurrentRow(index - 1);
}

void CategoriesPanel::moveDown() {
    const int index = selectedIndex();
    if (index < 0 || index >= m_names->count() - 1)
        return;
    m_names->insertItem(index + 1, m_names->takeItem(index));
    m_names->setCurrentRow(index + 1);
}

void CategoriesPanel::rebuildChoices() {
    emit categoryChoicesChanged(categories());
}
