#include "modificatorwindow.h"

#include "accessiblenames.h"
#include "designertexts.h"
#include "designerwindow.h"
#include "editorstate.h"
#include "factorylayout.h"
#include "filedialogs.h"
#include "fitscrollarea.h"
#include "modificatorplacement.h"
#include "pictureloader.h"
#include "prompts.h"
#include "topmost.h"
#include "uitexts.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int kGridMinimum = 50;
constexpr int kGridMaximum = 1000;
constexpr int kGridStart = 200;
constexpr int kGridLargeChange = 100;
constexpr int kCustomColourCount = 16;

bool isResize(GridAction action) {
    return action == GridAction::Taller || action == GridAction::Shorter ||
           action == GridAction::Narrower || action == GridAction::Wider;
}

} // namespace

ModificatorWindow::ModificatorWindow(EditorState& state, const UiTexts& texts, Prompts& prompts,
                                     DesignerWindow& designer, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_state(state)
    , m_texts(texts)
    , m_prompts(prompts)
    , m_designer(designer) {
    setObjectName(u"Form3"_s);
    setWindowTitle(u"Modificator"_s);
    buildControls();
    setCaptions();
    topmost::setTopmost(*this, true);

    // The range first: a value outside the bar's current range would be cut.
    m_gridScroll->setRange(kGridMinimum, kGridMaximum);
    m_gridScroll->setValue(kGridStart);
    m_gridScroll->setPageStep(kGridLargeChange);
    m_gridScroll->setSingleStep(1);
    m_grid->setText(QString::number(m_gridScroll->value()));
    accessibility::prepareWindow(this);
}

ModificatorWindow::~ModificatorWindow() = default;

bool ModificatorWindow::translated() const {
    return m_state.editorLanguage != u"IT";
}

void ModificatorWindow::buildControls() {
    const auto button = [this](const char* name, QWidget* parent) {
        auto* b = new QPushButton(parent);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    const auto label = [](const char* name, const QString& caption, QWidget* parent) {
        auto* l = new QLabel(caption, parent);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };

    auto* sizeFrame = new QGroupBox(this);
    sizeFrame->setObjectName(u"Frame1"_s);
    auto* sizeGrid = new QGridLayout(sizeFrame);
    sizeGrid->addWidget(label("Label1", u"Griglia Punti:"_s, sizeFrame), 0, 0, 1, 3);
    sizeGrid->addWidget(label("Label6", u"Punti Griglia"_s, sizeFrame), 1, 0);
    m_grid = new QLineEdit(sizeFrame);
    m_grid->setObjectName(u"Text1"_s);
    sizeGrid->addWidget(m_grid, 1, 1);
    m_gridScroll = new QScrollBar(Qt::Horizontal, sizeFrame);
    m_gridScroll->setObjectName(u"HScroll1"_s);
    sizeGrid->addWidget(m_gridScroll, 1, 2);
    connect(m_gridScroll, &QScrollBar::valueChanged, this,
            [this](int value) { m_grid->setText(QString::number(value)); });

    sizeGrid->addWidget(label("Label4", u"POSIZIONE"_s, sizeFrame), 2, 0, 1, 3);
    // The four moves as a cross, the sizes below them.
    struct Arrow {
        const char* name;
        GridAction action;
        int row;
        int column;
    };
    const Arrow arrows[] = {
        {"Command1", GridAction::Up, 3, 1},       {"Command2", GridAction::Down, 5, 1},
        {"Command3", GridAction::Left, 4, 0},     {"Command4", GridAction::Right, 4, 2},
        {"Command5", GridAction::Taller, 6, 1},   {"Command6", GridAction::Shorter, 7, 1},
        {"Command7", GridAction::Narrower, 8, 1}, {"Command8", GridAction::Wider, 8, 2},
    };
    for (const Arrow& arrow : arrows) {
        QPushButton* b = button(arrow.name, sizeFrame);
        sizeGrid->addWidget(b, arrow.row, arrow.column);
        connect(b, &QPushButton::clicked, this, [this, action = arrow.action] { step(action); });
    }
    sizeGrid->addWidget(label("Label2", u"+ ALTO"_s, sizeFrame), 6, 0);
    sizeGrid->addWidget(label("Label5", u"+ CORTO"_s, sizeFrame), 7, 0);
    sizeGrid->addWidget(label("Label3", u"< Larghezza >"_s, sizeFrame), 8, 0);

    auto* colourFrame = new QGroupBox(this);
    colourFrame->setObjectName(u"Frame2"_s);
    auto* colourGrid = new QGridLayout(colourFrame);
    QPushButton* backColour = button("Command11", colourFrame);
    QPushButton* textColour = button("Command12", colourFrame);
    colourGrid->addWidget(backColour, 0, 0);
    colourGrid->addWidget(textColour, 0, 1);
    colourGrid->addWidget(label("Label7", u"Immagine di Background"_s, colourFrame), 1, 0, 1, 2);
    m_background = new QLineEdit(colourFrame);
    m_background->setObjectName(u"Text2"_s);
    colourGrid->addWidget(m_background, 2, 0);
    QPushButton* backgroundPicker = button("Command15", colourFrame);
    backgroundPicker->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    backgroundPicker->setToolTip(backgroundDialogTitle());
    colourGrid->addWidget(backgroundPicker, 2, 1);
    connect(backColour, &QPushButton::clicked, this, &ModificatorWindow::chooseBackColour);
    connect(textColour, &QPushButton::clicked, this, &ModificatorWindow::chooseTextColour);
    connect(backgroundPicker, &QPushButton::clicked, this, &ModificatorWindow::chooseBackground);

    m_selected = new QLineEdit(this);
    m_selected->setObjectName(u"Text3"_s);
    m_selected->setReadOnly(true);

    QPushButton* factory = button("Command13", this);
    QPushButton* applyButton = button("Command9", this);
    QPushButton* cancelButton = button("Command10", this);
    connect(factory, &QPushButton::clicked, this, &ModificatorWindow::restoreFactoryLayout);
    connect(applyButton, &QPushButton::clicked, this, &ModificatorWindow::applyRequested);
    connect(cancelButton, &QPushButton::clicked, this, &ModificatorWindow::cancelRequested);

    // On a small screen or at a large scale the controls scroll.
    auto* contents = new QWidget;
    auto* grid = new QGridLayout(contents);
    grid->addWidget(sizeFrame, 0, 0, 1, 2);
    grid->addWidget(label("Label8", u"Oggetto selezionato:"_s, this), 1, 0);
    grid->addWidget(m_selected, 1, 1);
    grid->addWidget(colourFrame, 2, 0, 1, 2);
    grid->addWidget(factory, 3, 0, 1, 2);
    grid->addWidget(applyButton, 4, 0);
    grid->addWidget(cancelButton, 4, 1);
    auto* scroller = new FitScrollArea(this);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidget(contents);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroller);

    // Tab goes as the eye does: the cross row by row, then the selected object.
    QWidget* previous = m_grid;
    for (const char* name : {"Command1", "Command3", "Command4", "Command2", "Command5", "Command6",
                             "Command7", "Command8"}) {
        QWidget* next = findChild<QWidget*>(QString::fromLatin1(name));
        setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(previous, m_selected);
    setTabOrder(m_selected, backColour);
}

void ModificatorWindow::setCaptions() {
    // The designed captions are Italian; another language replaces those that
    // have a text in it.
    const auto set = [this](const char* name, const QString& italian, QStringView key) {
        QWidget* control = findChild<QWidget*>(QString::fromLatin1(name));
        const QString other = key.isEmpty() || !translated() ? QString() : m_texts.text(key);
        const QString& caption = other.isEmpty() ? italian : other;
        if (auto* b = qobject_cast<QPushButton*>(control))
            b->setText(caption);
        else if (auto* l = qobject_cast<QLabel*>(control))
            l->setText(caption);
        else if (auto* g = qobject_cast<QGroupBox*>(control))
            g->setTitle(caption);
    };
    set("Command1", u"SU"_s, u"txtUp");
    set("Command2", u"GIU"_s, u"txtDown");
    set("Command3", u"SX"_s, {});
    set("Command4", u"DX"_s, {});
    set("Command5", u"+"_s, {});
    set("Command6", u"-"_s, {});
    set("Command7", u"-"_s, {});
    set("Command8", u"+"_s, {});
    set("Frame1", u"Posizione  e Dimensioni"_s, u"txtSizePosition");
    set("Label6", u"Punti Griglia"_s, u"txtGridSize");
    set("Label8", u"Oggetto selezionato:"_s, u"txtObjectSelected");
    set("Frame2", u"Background + Colore"_s, u"txtBackgroundColors");
    set("Command11", u"colore sfondo"_s, u"txtBackColor");
    set("Command12", u"colore carattere"_s, u"txtFontColor");
    set("Label7", u"Immagine di Background"_s, u"txtBackgroundImage");
    set("Command9", u"APPLICA"_s, u"txtOk");
    set("Command10", u"CANCELLA"_s, u"txtCancelCaps");
    // Set in both languages.
    findChild<QPushButton*>(u"Command13"_s)->setText(m_texts.text(u"txtRestoreTitle"));
    m_selected->setText(translated() ? m_texts.text(u"txtNone") : u"nessuno"_s);
}

void ModificatorWindow::showPick(LayoutObjectId object) {
    m_state.selectedObject = layoutObject(object).objectName;
    m_selected->setText(m_texts.text(displayNameKey(object)));
    // Out of the way of the control now being edited; otherwise where the author left it.
    if (frameGeometry().intersects(editedControlArea(object)))
        placeBesideDesigner(object);
    show();
    raise();
}

QRect ModificatorWindow::editedControlArea(LayoutObjectId object) const {
    if (int(object) >= kLayoutControlCount)
        return {};
    const QWidget* control = m_designer.face()->control(object);
    if (!control)
        return {};
    return {control->mapToGlobal(QPoint(0, 0)), control->size()};
}

void ModificatorWindow::placeBesideDesigner(std::optional<LayoutObjectId> edited) {
    const QScreen* screen = m_designer.screen();
    if (!screen)
        return;
    if (!isVisible())
        resize(boundedToScreen(this, sizeHint()));
    // Before it is shown the window has no frame yet: the designer's is the measure.
    const QSize frame = isVisible() ? frameGeometry().size() - size()
                                    : m_designer.frameGeometry().size() - m_designer.size();
    move(modificatorPosition(m_designer.frameGeometry(), size() + frame,
                             screen->availableGeometry(),
                             edited ? editedControlArea(*edited) : QRect()));
}

QString ModificatorWindow::backgroundPath() const {
    return m_background->text();
}

void ModificatorWindow::setBackgroundPath(const QString& path) {
    m_background->setText(path);
}

void ModificatorWindow::tell(const QString& text) {
    topmost::Pause pause(*this);
    m_prompts.messageBox(text, m_texts.text(u"txtAttention"), Prompts::Buttons::Ok,
                         Prompts::Icon::None, Prompts::Answer::Ok);
}

void ModificatorWindow::step(GridAction action) {
    const std::optional<double> gridSize = parseGridSize(m_grid->text());
    if (!gridSize) {
        tell(designerNotes(m_state.editorLanguage).gridNotANumber);
        return;
    }
    const double moveStep = moveStepFor(*gridSize);
    const std::optional<LayoutObjectId> object = objectNamed(m_state.selectedObject);
    if (!object) {
        tell(m_texts.text(u"txtDesignerHint"));
        return;
    }

    if (*object == LayoutObjectId::Window) {
        if (const auto window = steppedWindow(m_designer.windowTwips(), action, moveStep))
            m_designer.setWindowTwips(*window);
        return;
    }
    MenuFace& face = *m_designer.face();
    if (const auto geometry =
            steppedControl(*object, face.controlGeometry(*object), action, moveStep))
        face.setControlGeometry(*object, *geometry);
    if (isResize(action) && *object == LayoutObjectId::AppPicture)
        face.centreAppPicture();
    if (isResize(action) && *object == LayoutObjectId::Logo)
        face.centreLogo();
}

std::optional<QColor> ModificatorWindow::askColour() {
    // Sixteen black custom colours every time; what the author defines is not kept.
    const QList<QColor> customColours(kCustomColourCount, QColor(Qt::black));
    topmost::Pause pause(*this);
    return m_prompts.colourDialog(QColor(Qt::black), customColours);
}

void ModificatorWindow::chooseBackColour() {
    const std::optional<QColor> colour = askColour();
    const std::optional<LayoutObjectId> object = objectNamed(m_state.selectedObject);
    if (!colour || !object)
        return;
    MenuFace& face = *m_designer.face();
    const ConfigColour chosen = ConfigColour::fromQColor(*colour);
    if (*object == LayoutObjectId::Window)
        face.setWindowColour(chosen);
    else
        face.setBackColour(*object, chosen);
}

void ModificatorWindow::chooseTextColour() {
    const std::optional<QColor> colour = askColour();
    const std::optional<LayoutObjectId> object = objectNamed(m_state.selectedObject);
    if (!colour || !object)
        return;
    // Only the list and the text panel have a text colour; the face refuses the rest.
    m_designer.face()->setTextColour(*object, ConfigColour::fromQColor(*colour));
}

void ModificatorWindow::chooseBackground() {
    topmost::Pause pause(*this);
    DialogResults results;
    if (!showOpenDialog(m_prompts, results, backgroundDialogTitle(), backgroundFilters(),
                        m_state.projectFolder))
        return;
    if (pictures::loadPixmap(results.dialogPath).isNull()) {
        m_prompts.messageBox(designerNotes(m_state.editorLanguage).pictureNotLoaded,
                             m_texts.text(u"txtAttention"), Prompts::Buttons::Ok,
                             Prompts::Icon::Exclamation, Prompts::Answer::Ok);
        return;
    }
    const QString stored = storedPath(m_state.projectFolder, results.dialogPath);
    m_background->setText(stored);
    m_designer.face()->applyLayoutLine({LayoutObjectId::Background, LayoutProperty::Picture},
                                       stored);
}

void ModificatorWindow::restoreFactoryLayout() {
    topmost::Pause pause(*this);
    const Prompts::Answer answer =
        m_prompts.messageBox(m_texts.text(u"txtRestoreQuestion"), m_texts.text(u"txtAttention2"),
                             Prompts::Buttons::OkCancel, Prompts::Icon::None, Prompts::Answer::Ok);
    if (answer != Prompts::Answer::Ok)
        return;
    applyFactoryLayout(m_designer);
    m_background->clear();
}

void ModificatorWindow::keyPressEvent(QKeyEvent* event) {
    // Escape cancels, as in a dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        emit cancelRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ModificatorWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closeRequested();
}
