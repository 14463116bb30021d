#include "form2.h"

#include "categoriespanel.h"
#include "databasepanel.h"
#include "iconspanel.h"
// layoutdesigner.h needs its two windows complete.
#include "designerwindow.h"
#include "layoutdesigner.h"
#include "modificatorwindow.h"
#include "textpanel.h"

#include <accessiblenames.h>
#include <clickablelabel.h>
#include <configvalues.h>
#include <fitscrollarea.h>
#include <framemeasure.h>
#include <prompts.h>

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int panelCount = 5;

QPushButton* makeButton(const UiTexts& texts, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(texts.text(name), parent);
    button->setObjectName(name);
    return button;
}

} // namespace

Form2::Form2(const QString& language, Prompts& prompts, Desktop& desktop,
             const QString& programFolder, QWidget* parent)
    : QMainWindow(parent)
    , m_texts(language)
    , m_prompts(prompts)
    , m_desktop(desktop)
    , m_programFolder(programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                              : programFolder) {
    // Start-up: the frame is measured on the small window Form5 before the
    // main window shows; then language, tooltips, the editor-wide values and
    // the File panel.
    m_state.frameHeight = measureFrameHeight(u"Form5"_s);
    m_state.editorLanguage = m_texts.language();
    m_state.currentRecord = -1;
    m_state.layoutText = configvalue::unset;

    setObjectName(u"Form2"_s);
    setWindowTitle(m_texts.text(u"Form2"));
    buildWindow();
    buildMenus();
    connectPanels();
    applyCaptions();
    applyTooltips();
    accessibility::prepareWindow(this, {{u"List1"_s, m_texts.text(u"Option5")}});
    // Made after the captions: its windows carry control names of their own.
    m_designer = std::make_unique<LayoutDesigner>(m_state, m_texts, m_prompts, m_desktop, this);
    connect(m_designer.get(), &LayoutDesigner::closed, this, &Form2::refreshLayoutText);
    refreshLayoutText();
    selectPanel(Panel::File);
}

Form2::~Form2() = default;

void Form2::buildWindow() {
    // On a small screen or at a large scale the panels scroll.
    auto* scroller = new FitScrollArea(this);
    scroller->setFocusPolicy(Qt::NoFocus);
    auto* central = new QWidget(scroller);
    central->setObjectName(u"Form2Client"_s);
    scroller->setWidget(central);
    setCentralWidget(scroller);

    auto* selectors = new QVBoxLayout;
    const QStringList selectorNames{u"Option1"_s, u"Option2"_s, u"Option3"_s, u"Option4"_s,
                                    u"Option5"_s};
    for (int i = 0; i < panelCount; ++i) {
        auto* option = new QRadioButton(m_texts.text(selectorNames[i]), central);
        option->setObjectName(selectorNames[i]);
        connect(option, &QRadioButton::clicked, this, [this, i] { selectPanel(Panel(i)); });
        selectors->addWidget(option);
        m_selectors.append(option);
    }
    selectors->addSpacing(12);
    m_designerButton = makeButton(m_texts, u"Command13"_s, central);
    connect(m_designerButton, &QPushButton::clicked, this, &Form2::openDesigner);
    selectors->addWidget(m_designerButton);
    auto* help = makeButton(m_texts, u"Command25"_s, central);
    connect(help, &QPushButton::clicked, this, &Form2::openHelp);
    selectors->addWidget(help);
    selectors->addStretch();
    auto* web = new ClickableLabel(m_texts.text(u"Label28"), central);
    web->setObjectName(u"Label28"_s);
    connect(web, &ClickableLabel::clicked, this, [this] { openLink(u"Label28"_s); });
    selectors->addWidget(web);
    auto* mail = new ClickableLabel(m_texts.text(u"Label15"), central);
    mail->setObjectName(u"Label15"_s);
    connect(mail, &ClickableLabel::clicked, this, [this] { openLink(u"Label15"_s); });
    selectors->addWidget(mail);

    m_textPanel = new TextPanel(m_texts, central);
    m_iconsPanel = new IconsPanel(m_state, m_texts, m_prompts, central);

    auto* databaseFrame = new QGroupBox(central);
    databaseFrame->setObjectName(u"Frame4"_s);
    m_database = new DatabasePanel(m_state, m_texts, m_prompts, databaseFrame);
    (new QVBoxLayout(databaseFrame))->addWidget(m_database);

    auto* categoriesFrame = new QGroupBox(central);
    categoriesFrame->setObjectName(u"Frame16"_s);
    m_categories = new CategoriesPanel(m_state, m_texts, m_prompts, categoriesFrame);
    (new QVBoxLayout(categoriesFrame))->addWidget(m_categories);

    m_panels = {buildFilePanel(), m_textPanel, m_iconsPanel, databaseFrame, categoriesFrame};

    // Hidden holders of the current record's index and the layout lines.
    m_currentRecord = new QLineEdit(central);
    m_currentRecord->setObjectName(u"Text17"_s);
    m_currentRecord->hide();
    m_layoutText = new QPlainTextEdit(central);
    m_layoutText->setObjectName(u"Text19"_s);
    m_layoutText->setReadOnly(true);
    m_layoutText->hide();

    auto* layout = new QGridLayout(central);
    layout->addLayout(selectors, 0, 0);
    for (QWidget* panel : m_panels)
        layout->addWidget(panel, 0, 1);
    layout->setColumnStretch(1, 1);
    resize(boundedToScreen(this, QSize(760, 560)));
}

QWidget* Form2::buildFilePanel() {
    auto* panel = new QGroupBox(m_designerButton->parentWidget());
    panel->setObjectName(u"Frame3"_s);
    auto* layout = new QVBoxLayout(panel);

    auto* buttons = new QHBoxLayout;
    auto* newButton = makeButton(m_texts, u"Command2"_s, panel);
    auto* openButton = makeButton(m_texts, u"Command1"_s, panel);
    auto* saveButton = makeButton(m_texts, u"Command10"_s, panel);
    connect(newButton, &QPushButton::clicked, this, &Form2::newProject);
    connect(openButton, &QPushButton::clicked, this, &Form2::openProject);
    connect(saveButton, &QPushButton::clicked, this, &Form2::saveProject);
    buttons->addWidget(newButton);
    buttons->addWidget(openButton);
    buttons->addWidget(saveButton);
    layout->addLayout(buttons);

    auto* pathFrame = new QGroupBox(m_texts.text(u"Frame5"), panel);
    pathFrame->setObjectName(u"Frame5"_s);
    m_projectPath = new QLineEdit(pathFrame);
    m_projectPath->setObjectName(u"Text18"_s);
    m_projectPath->setReadOnly(true);
    (new QVBoxLayout(pathFrame))->addWidget(m_projectPath);
    layout->addWidget(pathFrame);
    layout->addWidget(buildEncodingFrame(panel));

    auto* hint = new QLabel(m_texts.text(u"Label26"), panel);
    hint->setObjectName(u"Label26"_s);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addStretch();

    auto* bottom = new QHBoxLayout;
    auto* testButton = makeButton(m_texts, u"Command22"_s, panel);
    connect(testButton, &QPushButton::clicked, this, &Form2::testRun);
    auto* exitButton = makeButton(m_texts, u"Command3"_s, panel);
    connect(exitButton, &QPushButton::clicked, this, &Form2::exitEditor);
    bottom->addWidget(testButton);
    bottom->addStretch();
    bottom->addWidget(exitButton);
    layout->addLayout(bottom);
    return panel;
}

void Form2::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(u"Form2MenuBar"_s);
    const auto addMenu = [&](const QString& name) {
        QMenu* menu = bar->addMenu(m_texts.text(name));
        menu->setObjectName(name);
        return menu;
    };
    const auto addItem = [&](QMenu* menu, const QString& name, const QKeySequence& key,
                             auto handler) {
        QAction* action = menu->addAction(m_texts.text(name));
        action->setObjectName(name);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    const auto addSeparator = [](QMenu* menu, const QString& name) {
        menu->addSeparator()->setObjectName(name);
    };

    QMenu* file = addMenu(u"file"_s);
    addItem(file, u"nuovo"_s, QKeySequence(u"Ctrl+N"_s), &Form2::newProject);
    addItem(file, u"load"_s, QKeySequence(u"Ctrl+A"_s), &Form2::openProject);
    addSeparator(file, u"mnuFileBar1"_s);
    QAction* saveItem = addItem(file, u"save"_s, QKeySequence(u"Ctrl+S"_s), &Form2::saveProject);
    addSeparator(file, u"fg"_s);
    QAction* testItem = addItem(file, u"testamenu2"_s, QKeySequence(u"Ctrl+T"_s), &Form2::testRun);
    addSeparator(file, u"fgdfhgdhfh"_s);
    addItem(file, u"esci"_s, QKeySequence(u"Ctrl+Q"_s), &Form2::exitEditor);

    QMenu* project = addMenu(u"Progetto"_s);
    const auto panelItem = [&](const QString& name, const QString& key, Panel panel) {
        QAction* action =
            addItem(project, name, QKeySequence(key), [this, panel] { selectPanel(panel); });
        m_panelActions.append(action);
        return action;
    };
    panelItem(u"file2"_s, u"F1"_s, Panel::File);
    panelItem(u"Configurazionetesto"_s, u"F2"_s, Panel::Text);
    panelItem(u"icone"_s, u"F3"_s, Panel::Icons);
    panelItem(u"categorie"_s, u"F4"_s, Panel::Categories);
    panelItem(u"database"_s, u"F5"_s, Panel::Database);
    QAction* designerItem =
        addItem(project, u"AspettoGrafico"_s, QKeySequence(u"F6"_s), &Form2::openDesigner);
    QAction* checkItem = addItem(project, u"CheckDisc"_s, QKeySequence(u"F7"_s), &Form2::checkDisc);
    QAction* publishItem = addItem(project, u"PrepareDisc"_s, QKeySequence(), &Form2::prepareDisc);

    QMenu* help = addMenu(u"Help"_s);
    addItem(help, u"Readme"_s, QKeySequence(), &Form2::openHelp);
    addItem(help, u"Aboutbox"_s, QKeySequence(), &Form2::showAbout);
    addSeparator(help, u"hjgh"_s);
    addItem(help, u"Emailme"_s, QKeySequence(), [this] { openLink(u"Emailme"_s); });
    addItem(help, u"suggerimenti"_s, QKeySequence(), [this] { openLink(u"suggerimenti"_s); });
    addSeparator(help, u"yutut"_s);
    addItem(help, u"WebPage"_s, QKeySequence(), [this] { openLink(u"WebPage"_s); });
    addItem(help, u"Aggiornamenti"_s, QKeySequence(), [this] { openLink(u"Aggiornamenti"_s); });

    // New, Open and Exit stay available while a record is edited.
    m_lockedActions = m_panelActions;
    m_lockedActions << saveItem << testItem << designerItem << checkItem << publishItem;
}

void Form2::connectPanels() {
    connect(m_categories, &CategoriesPanel::categoryChoicesChanged, m_database,
            &DatabasePanel::setCategoryChoices);
    connect(m_categories, &CategoriesPanel::categoriesShownChanged, m_database,
            &DatabasePanel::setCategoriesShown);
    connect(m_database, &DatabasePanel::editingChanged, this, &Form2::setEditing);
    connect(m_database, &DatabasePanel::currentRecordShown, this,
            [this](int record) { m_currentRecord->setText(QString::number(record)); });
}

// Every caption of the window comes from the language table, the embedded
// panels' controls included, so both languages show the same set.
void Form2::applyCaptions() {
    const QStringList keys = UiTexts::textKeys();
    for (const QString& key : keys) {
        if (key == u"Form2")
            continue;
        const QString& caption = m_texts.text(key);
        if (caption.isEmpty())
            continue;
        for (QWidget* widget : findChildren<QWidget*>(key)) {
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                button->setText(caption);
            else if (auto* label = qobject_cast<QLabel*>(widget))
                label->setText(caption);
            else if (auto* frame = qobject_cast<QGroupBox*>(widget))
                frame->setTitle(caption);
        }
    }
}

void Form2::applyTooltips() {
    const QList<std::pair<const char16_t*, const char16_t*>> tips{
        {u"Command12", u"tipPicture"},  {u"Command23", u"tipZip"},
        {u"Command24", u"tipZip"},      {u"Command20", u"tipInternet"},
        {u"Command21", u"tipInternet"}, {u"Command11", u"tipProgram"},
        {u"Command14", u"tipProgram"},  {u"Command26", u"tipAnyFile"},
        {u"Command27", u"tipAnyFile"}};
    for (const auto& [control, tip] : tips) {
        for (QWidget* widget : findChildren<QWidget*>(QString::fromUtf16(control)))
            widget->setToolTip(m_texts.text(tip));
    }
    // The arrows that move a record or a category show no caption.
    for (const QString& name : {u"Command8"_s, u"Command33"_s})
        findChild<QWidget*>(name)->setToolTip(m_texts.text(u"tipMoveUp"));
    for (const QString& name : {u"Command9"_s, u"Command32"_s})
        findChild<QWidget*>(name)->setToolTip(m_texts.text(u"tipMoveDown"));
    for (auto* cancel : findChildren<QAbstractButton*>(u"Command99"_s))
        cancel->setText(m_texts.text(u"txtCancelCaps"));
}

Form2::Panel Form2::currentPanel() const {
    for (int i = 0; i < panelCount; ++i) {
        if (!m_panels[i]->isHidden())
            return Panel(i);
    }
    return Panel::File;
}

void Form2::selectPanel(Panel panel) {
    const bool refused = panel != Panel::File && !m_state.hasProject();
    const int shown = refused ? int(Panel::File) : int(panel);
    m_selectors[shown]->setChecked(true);
    for (int i = 0; i < panelCount; ++i)
        m_panels[i]->setVisible(i == shown);
    if (refused)
        m_prompts.messageBox(m_texts.text(u"txtOpenOrCreate"), m_texts.text(u"txtAttention"),
                             Prompts::Buttons::Ok, Prompts::Icon::None, Prompts::Answer::Ok);
}

void Form2::setEditing(bool editing) {
    for (QRadioButton* selector : std::as_const(m_selectors))
        selector->setEnabled(!editing);
    for (QAction* action : std::as_const(m_lockedActions))
        action->setEnabled(!editing);
    m_designerButton->setEnabled(!editing);
    m_currentRecord->setText(QString::number(m_state.currentRecord));
}

void Form2::closeEvent(QCloseEvent* event) {
    if (m_exitConfirmed || askExit()) {
        m_exitConfirmed = true;
        event->accept();
        QCoreApplication::quit();
        return;
    }
    event->ignore();
}

void Form2::message(const QString& text) {
    m_prompts.messageBox(text, m_texts.text(u"txtAttention"), Prompts::Buttons::Ok,
                         Prompts::Icon::None, Prompts::Answer::Ok);
}
