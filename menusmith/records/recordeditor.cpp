#include "recordeditor.h"

#include "form4.h"
#include "internettarget.h"
#include "recordpickers.h"

#include <editorstate.h>
#include <filedialogs.h>
#include <uitexts.h>

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

QLineEdit* makeField(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    // A line edit keeps 32767 characters by default; a longer description
    // read from config.ini would lose its end at the next OK.
    field->setMaxLength(std::numeric_limits<int>::max());
    return field;
}

QLabel* makeLabel(const QString& name, const UiTexts& texts, QWidget* parent) {
    auto* label = new QLabel(texts.text(name), parent);
    label->setObjectName(name);
    return label;
}

QGroupBox* makeGroup(const QString& name, const UiTexts& texts, QWidget* parent) {
    auto* group = new QGroupBox(texts.text(name), parent);
    group->setObjectName(name);
    return group;
}

// A row of picker buttons in its own box, as the pickers stand beside their fields.
QFrame* makePickerBox(const QString& name, QWidget* parent) {
    auto* box = new QFrame(parent);
    box->setObjectName(name);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    return box;
}

QPushButton* addPicker(QFrame* box, const QString& name, const QString& tip, const QIcon& icon,
                       const QString& caption = {}) {
    auto* button = new QPushButton(caption, box);
    button->setObjectName(name);
    button->setToolTip(tip);
    if (caption.isEmpty())
        button->setIcon(icon);
    box->layout()->addWidget(button);
    return button;
}

} // namespace

RecordEditor::RecordEditor(EditorState& state, const UiTexts& texts, Prompts& prompts,
                           QWidget* parent)
    : QFrame(parent)
    , m_state(state)
    , m_texts(texts)
    , m_prompts(prompts) {
    setObjectName(u"Frame99"_s);
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    buildFields();
}

void RecordEditor::buildFields() {
    m_names = new QListWidget(this);
    m_names->setObjectName(u"List11"_s);
    m_names->setSelectionMode(QAbstractItemView::SingleSelection);
    // Only shows where the record stands; choosing another one waits for OK or cancel.
    m_names->setFocusPolicy(Qt::NoFocus);
    m_names->setAttribute(Qt::WA_TransparentForMouseEvents);

    QStyle* look = style();

    QGroupBox* description = makeGroup(u"Frame13"_s, m_texts, this);
    m_name = makeField(u"Text9"_s, description);
    m_description = makeField(u"Text10"_s, description);
    m_picture = makeField(u"Text11"_s, description);
    QFrame* picturePickers = makePickerBox(u"Picture4"_s, description);
    QPushButton* picturePicker =
        addPicker(picturePickers, u"Command12"_s, m_texts.text(u"tipPicture"),
                  look->standardIcon(QStyle::SP_DirOpenIcon));
    auto* pictureRow = new QHBoxLayout;
    pictureRow->addWidget(m_picture, 1);
    pictureRow->addWidget(picturePickers);
    auto* descriptionLayout = new QFormLayout(description);
    descriptionLayout->addRow(makeLabel(u"Label17"_s, m_texts, description), m_name);
    descriptionLayout->addRow(makeLabel(u"Label18"_s, m_texts, description), m_description);
    descriptionLayout->addRow(makeLabel(u"Label19"_s, m_texts, description), pictureRow);

    QGroupBox* install = makeGroup(u"Frame14"_s, m_texts, this);
    m_installCaption = makeField(u"Text12"_s, install);
    m_installCommand = makeField(u"Text13"_s, install);
    m_folder = makeField(u"Text14"_s, install);
    QFrame* installPickers = makePickerBox(u"Picture2"_s, install);
    QPushButton* installZip = addPicker(installPickers, u"Command23"_s, m_texts.text(u"tipZip"),
                                        look->standardIcon(QStyle::SP_DriveFDIcon));
    QPushButton* installInternet =
        addPicker(installPickers, u"Command20"_s, m_texts.text(u"tipInternet"),
                  look->standardIcon(QStyle::SP_DriveNetIcon));
    QPushButton* installProgram =
        addPicker(installPickers, u"Command11"_s, m_texts.text(u"tipProgram"),
                  look->standardIcon(QStyle::SP_ComputerIcon));
    QPushButton* installDocument =
        addPicker(installPickers, u"Command26"_s, m_texts.text(u"tipAnyFile"), {}, u"*.*"_s);
    auto* installLayout = new QFormLayout(install);
    installLayout->addRow(makeLabel(u"Label20"_s, m_texts, install), m_installCaption);
    installLayout->addRow(makeLabel(u"Label21"_s, m_texts, install), m_installCommand);
    installLayout->addRow(makeLabel(u"Label22"_s, m_texts, install), m_folder);
    installLayout->addRow(installPickers);

    QGroupBox* extra = makeGroup(u"Frame15"_s, m_texts, this);
    m_extraCaption = makeField(u"Text15"_s, extra);
    m_extraCommand = makeField(u"Text16"_s, extra);
    QFrame* extraPickers = makePickerBox(u"Picture3"_s, extra);
    QPushButton* extraZip = addPicker(extraPickers, u"Command24"_s, m_texts.text(u"tipZip"),
                                      look->standardIcon(QStyle::SP_DriveFDIcon));
    QPushButton* extraProgram = addPicker(extraPickers, u"Command14"_s, m_texts.text(u"tipProgram"),
                                          look->standardIcon(QStyle::SP_ComputerIcon));
    QPushButton* extraInternet =
        addPicker(extraPickers, u"Command21"_s, m_texts.text(u"tipInternet"),
                  look->standardIcon(QStyle::SP_DriveNetIcon));
    QPushButton* extraDocument =
        addPicker(extraPickers, u"Command27"_s, m_texts.text(u"tipAnyFile"), {}, u"*.*"_s);
    auto* extraLayout = new QFormLayout(extra);
    extraLayout->addRow(makeLabel(u"Label23"_s, m_texts, extra), m_extraCaption);
    extraLayout->addRow(makeLabel(u"Label24"_s, m_texts, extra), m_extraCommand);
    extraLayout->addRow(extraPickers);

    m_categoryLabel = makeLabel(u"Label30"_s, m_texts, this);
    m_category = new QComboBox(this);
    m_category->setObjectName(u"Combo1"_s);
    m_category->setEditable(false);

    m_ok = new QPushButton(m_texts.text(u"Command7"), this);
    m_ok->setObjectName(u"Command7"_s);
    m_cancel = new QPushButton(m_texts.text(u"txtCancelCaps"), this);
    m_cancel->setObjectName(u"Command99"_s);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_categoryLabel);
    bottom->addWidget(m_category, 1);
    bottom->addStretch();
    bottom->addWidget(m_ok);
    bottom->addWidget(m_cancel);

    auto* fieldsLayout = new QVBoxLayout;
    fieldsLayout->addWidget(description);
    fieldsLayout->addWidget(install);
    fieldsLayout->addWidget(extra);
    fieldsLayout->addLayout(bottom);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_names);
    layout->addLayout(fieldsLayout, 2);

    const std::pair<QPushButton*, RecordPicker> filePickers[] = {
        {picturePicker, RecordPicker::Picture},
        {installProgram, RecordPicker::InstallProgram},
        {installZip, RecordPicker::InstallZip},
        {installDocument, RecordPicker::InstallDocument},
        {extraProgram, RecordPicker::ExtraProgram},
        {extraZip, RecordPicker::ExtraZip},
        {extraDocument, RecordPicker::ExtraDocument},
    };
    for (const auto& [button, picker] : filePickers)
        connect(button, &QPushButton::clicked, this, [this, kind = picker] { pick(kind); });
    connect(installInternet, &QPushButton::clicked, this,
            [this] { openInternetDialog(internettarget::installCommand); });
    connect(extraInternet, &QPushButton::clicked, this,
            [this] { openInternetDialog(internettarget::extraCommand); });
}

AppEntry RecordEditor::fields() const {
    AppEntry record;
    record.name = m_name->text();
    record.description = m_description->text();
    record.picture = m_picture->text();
    record.installCaption = m_installCaption->text();
    record.installCommand = m_installCommand->text();
    record.folder = m_folder->text();
    record.extraCaption = m_extraCaption->text();
    record.extraCommand = m_extraCommand->text();
    return record;
}

void RecordEditor::setFields(const AppEntry& record) {
    m_name->setText(record.name);
    m_description->setText(record.description);
    m_picture->setText(record.picture);
    m_installCaption->setText(record.installCaption);
    m_installCommand->setText(record.installCommand);
    m_folder->setText(record.folder);
    m_extraCaption->setText(record.extraCaption);
    m_extraCommand->setText(record.extraCommand);
}

void RecordEditor::setNames(const QStringList& names, int selectedRow) {
    m_names->clear();
    m_names->addItems(names);
    m_names->setCurrentRow(selectedRow);
    if (selectedRow < 0)
        m_names->clearSelection();
}

void RecordEditor::setCategoryChoices(const QStringList& categories) {
    const QString kept = category();
    m_category->clear();
    m_category->addItems(categories);
    m_category->addItem(QString());
    m_choiceCount = m_category->count();
    setCategory(kept);
}

void RecordEditor::setCategoriesShown(bool shown) {
    m_categoryLabel->setVisible(shown);
    m_category->setVisible(shown);
}

void RecordEditor::setCategory(const QString& name) {
    // At most one entry beyond the choices: the current record's own.
    while (m_category->count() > m_choiceCount)
        m_category->removeItem(m_category->count() - 1);
    int index = m_category->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        m_category->addItem(name);
        index = m_category->count() - 1;
        QFont font = m_category->font();
        font.setItalic(true);
        m_category->setItemData(index, font, Qt::FontRole);
    }
    m_category->setCurrentIndex(index);
}

QString RecordEditor::category() const {
    return m_category->currentText();
}

Form4* RecordEditor::internetDialog() const {
    return m_internet;
}

QLineEdit* RecordEditor::field(const QString& name) const {
    return findChild<QLineEdit*>(name);
}

void RecordEditor::pick(RecordPicker picker) {
    const RecordPickerDialog dialog = pickerDialog(picker);
    if (!m_state.projectFolder.isEmpty())
        QDir::setCurrent(m_state.projectFolder);
    DialogResults results;
    if (!showOpenDialog(m_prompts, results, m_texts.text(dialog.titleKey),
                        m_texts.filter(dialog.filterKey), m_state.projectFolder))
        return;
    const QString stored = storedPath(m_state.projectFolder, results.dialogPath);
    for (const auto& [fieldName, value] : pickedFields(picker, stored, results.dialogFileName)) {
        if (QLineEdit* target = field(fieldName))
            target->setText(value);
    }
}

void RecordEditor::openInternetDialog(const QString& target) {
    m_state.internetTarget = target;
    if (!m_internet) {
        m_internet = new Form4(m_state, m_texts, window());
        connect(m_internet, &Form4::commandChosen, this, &RecordEditor::takeInternetCommand);
    }
    m_internet->show();
    m_internet->raise();
    m_internet->activateWindow();
}

void RecordEditor::takeInternetCommand(const QString& target, const QString& command) {
    if (target == internettarget::installCommand)
        m_installCommand->setText(command);
    else if (target == internettarget::extraCommand)
        m_extraCommand->setText(command);
}
