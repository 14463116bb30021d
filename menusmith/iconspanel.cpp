#include "iconspanel.h"

#include "editorstate.h"
#include "filedialogs.h"
#include "settingbox.h"
#include "uitexts.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace {

struct IconRow {
    const char16_t* label;
    const char16_t* box;
    const char16_t* picker;
};

constexpr IconRow iconRows[IconsPanel::fieldCount] = {
    {u"Label4", u"Text2", u"Command15"},  {u"Label5", u"Text3", u"Command16"},
    {u"Label12", u"Text4", u"Command17"}, {u"Label13", u"Text5", u"Command18"},
    {u"Label14", u"Text6", u"Command19"},
};

} // namespace

IconsPanel::IconsPanel(EditorState& state, const UiTexts& texts, Prompts& prompts, QWidget* parent)
    : QGroupBox(parent)
    , m_state(state)
    , m_texts(texts)
    , m_prompts(prompts) {
    setObjectName(u"Frame1"_s);
    auto* layout = new QGridLayout(this);
    const QIcon pickerIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    for (int i = 0; i < fieldCount; ++i) {
        const IconRow& row = iconRows[i];
        auto* label = new QLabel(texts.text(row.label), this);
        label->setObjectName(QString::fromUtf16(row.label));
        QLineEdit* box = makeSettingBox(QString::fromUtf16(row.box), this);
        auto* picker = new QPushButton(this);
        picker->setObjectName(QString::fromUtf16(row.picker));
        picker->setIcon(pickerIcon);
        picker->setToolTip(texts.text(u"txtSelectIcon"));
        layout->addWidget(label, i * 2, 0, 1, 2);
        layout->addWidget(box, i * 2 + 1, 0);
        layout->addWidget(picker, i * 2 + 1, 1);
        m_boxes.append(box);
        m_pickers.append(picker);
        connect(picker, &QPushButton::clicked, this, [this, i] { pick(Field(i)); });
    }
    auto* hint = new QLabel(texts.text(u"Label25"), this);
    hint->setObjectName(u"Label25"_s);
    hint->setWordWrap(true);
    layout->addWidget(hint, fieldCount * 2, 0, 1, 2);
    layout->setRowStretch(fieldCount * 2 + 1, 1);
}

void IconsPanel::pick(Field field) {
    if (m_state.hasProject())
        QDir::setCurrent(m_state.projectFolder);
    DialogResults results;
    if (!showOpenDialog(m_prompts, results, m_texts.text(u"txtSelectIcon"),
                        m_texts.filter(u"filterIcon"), m_state.projectFolder))
        return;
    m_boxes[field]->setText(storedPath(m_state.projectFolder, results.dialogPath));
}
