#include "menuface.h"

#include "configpath.h"
#include "layoutnumbers.h"
#include "picturebutton.h"
#include "pictureloader.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// A value the widget can take: finite, and inside the range the layout
// section can hold once rounded.
std::optional<int> pixels(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = layoutnumber::roundHalfEven(value);
    if (rounded < layoutnumber::kGeometryMin || rounded > layoutnumber::kGeometryMax)
        return std::nullopt;
    return int(rounded);
}

QRect pixelRect(const FaceGeometry& g) {
    return QRect(pixels(g.left).value_or(0), pixels(g.top).value_or(0), pixels(g.width).value_or(0),
                 pixels(g.height).value_or(0));
}

QFrame* makeFrame(const QString& name, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    frame->setAutoFillBackground(true);
    return frame;
}

QLabel* makePicture(const QString& name, QWidget* frame) {
    auto* label = new QLabel(frame);
    label->setObjectName(name);
    label->setGeometry(0, 0, 0, 0);
    return label;
}

QPushButton* makeButton(const QString& name, QWidget* parent) {
    auto* button = new PictureButton(parent);
    button->setObjectName(name);
    button->setAutoFillBackground(true);
    return button;
}

LayoutLineResult unchanged() {
    return {LayoutLineResult::Outcome::Unchanged};
}

LayoutLineResult applied() {
    return {LayoutLineResult::Outcome::Applied};
}

} // namespace

MenuFace::MenuFace(const FacePlacement& placement, QWidget* parent)
    : QWidget(parent)
    , m_windowColour(placement.windowColour)
    , m_clientSize(placement.clientWidth, placement.clientHeight) {
    m_list = new QListWidget(this);
    m_list->setObjectName(u"List2"_s);

    m_combo = new QComboBox(this);
    m_combo->setObjectName(u"Combo1"_s);
    m_combo->setGeometry(pixelRect(placement.categoryBox));
    m_combo->hide();

    m_picture1 = makeFrame(u"Picture1"_s, this);
    m_picture5 = makePicture(u"Picture5"_s, m_picture1);

    // The panel shows the introduction and the descriptions; the user reads it.
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(u"Text1"_s);
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setTabChangesFocus(true);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    m_install = makeButton(u"Command1"_s, this);
    m_explore = makeButton(u"Command2"_s, this);
    m_explore->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    m_extra = makeButton(u"Command4"_s, this);

    m_picture9 = makeFrame(u"Picture9"_s, this);
    m_picture2 = makePicture(u"Picture2"_s, m_picture9);

    // Tab goes as the eye does: the categories over the list, the list, the
    // three buttons, and last the text panel, which is read, not written.
    QWidget* previous = m_combo;
    for (QWidget* next :
         std::initializer_list<QWidget*>{m_list, m_install, m_explore, m_extra, m_text}) {
        setTabOrder(previous, next);
        previous = next;
    }

    const std::array<QWidget*, kLayoutControlCount> widgets{
        m_install, m_explore, m_extra, m_picture1, m_picture9, m_list, m_text};
    for (std::size_t i = 0; i < m_controls.size(); ++i)
        m_controls[i].widget = widgets[i];

    for (const FaceControlPlacement& entry : placement.controls) {
        Control* control = find(entry.id);
        if (!control)
            continue;
        control->back = entry.back;
        control->text = entry.text;
        control->geometry = entry.geometry;
        control->widget->setGeometry(pixelRect(entry.geometry));
        showColours(*control);
    }

    for (QPushButton* button : {m_install, m_extra}) {
        connect(button, &QPushButton::pressed, this,
                [this, button] { showButtonPicture(button, true); });
        connect(button, &QPushButton::released, this,
                [this, button] { showButtonPicture(button, false); });
    }

    setAutoFillBackground(true);
    setWindowColour(m_windowColour);
    resize(m_clientSize);
}

MenuFace::~MenuFace() = default;

MenuFace::Control* MenuFace::find(LayoutObjectId id) {
    const auto index = std::size_t(id);
    return index < m_controls.size() ? &m_controls[index] : nullptr;
}

const MenuFace::Control* MenuFace::find(LayoutObjectId id) const {
    const auto index = std::size_t(id);
    return index < m_controls.size() ? &m_controls[index] : nullptr;
}

QWidget* MenuFace::control(LayoutObjectId id) const {
    const Control* c = find(id);
    return c ? c->widget : nullptr;
}

FaceGeometry MenuFace::controlGeometry(LayoutObjectId id) const {
    const Control* c = find(id);
    return c ? c->geometry : FaceGeometry{};
}

bool MenuFace::setControlGeometry(LayoutObjectId id, const FaceGeometry& geometry) {
    Control* c = find(id);
    if (!c)
        return false;
    const std::optional<int> left = pixels(geometry.left);
    const std::optional<int> top = pixels(geometry.top);
    const std::optional<int> width = pixels(geometry.width);
    const std::optional<int> height = pixels(geometry.height);
    if (!left || !top || !width || !height || *width < 0 || *height < 0)
        return false;
    c->geometry = geometry;
    c->widget->setGeometry(*left, *top, *width, *height);
    return true;
}

ConfigColour MenuFace::backColour(LayoutObjectId id) const {
    const Control* c = find(id);
    return c ? c->back : ConfigColour();
}

void MenuFace::setBackColour(LayoutObjectId id, ConfigColour colour) {
    if (Control* c = find(id)) {
        c->back = colour;
        showColours(*c);
    }
}

ConfigColour MenuFace::textColour(LayoutObjectId id) const {
    const Control* c = find(id);
    return c ? c->text : ConfigColour();
}

bool MenuFace::setTextColour(LayoutObjectId id, ConfigColour colour) {
    if (!layoutObject(id).hasTextColour)
        return false;
    Control* c = find(id);
    if (!c)
        return false;
    c->text = colour;
    showColours(*c);
    return true;
}

void MenuFace::showColours(const Control& control) {
    // System colours are taken from the application's palette, not from the
    // widget's own, which already carries the colours set before.
    const QPalette base = QGuiApplication::palette();
    QPalette palette = control.widget->palette();
    const QColor back = control.back.toQColor(base);
    if (control.widget == m_list || control.widget == m_text) {
        palette.setColor(QPalette::Base, back);
        palette.setColor(QPalette::Text, control.text.toQColor(base));
    } else if (qobject_cast<QPushButton*>(control.widget)) {
        palette.setColor(QPalette::Button, back);
    } else {
        palette.setColor(QPalette::Window, back);
    }
    control.widget->setPalette(palette);
}

void MenuFace::showCategoryBoxOverList() {
    const Control* list = find(LayoutObjectId::AppList);
    const FaceGeometry at = list->geometry;
    const int comboHeight = m_combo->height();
    const QRect shown = m_list->geometry(); // the list's geometry, rounded
    m_combo->setGeometry(shown.left(), shown.top(), shown.width(), comboHeight);
    // A closed drop-down is drawn in the button colours, its list in the base ones.
    const QPalette base = QGuiApplication::palette();
    const QColor back = list->back.toQColor(base);
    const QColor text = list->text.toQColor(base);
    QPalette palette = m_combo->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
        palette.setColor(role, back);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        palette.setColor(role, text);
    m_combo->setPalette(palette);
    m_combo->show();
    setControlGeometry(LayoutObjectId::AppList,
                       {at.left, at.top + comboHeight, at.width, at.height - comboHeight});
}

void MenuFace::setWindowColour(ConfigColour colour) {
    m_windowColour = colour;
    QPalette own = palette();
    own.setColor(QPalette::Window, colour.toQColor(QGuiApplication::palette()));
    setPalette(own);
}

QString MenuFace::pictureFolder() const {
    return m_folder.isEmpty() ? QDir::currentPath() : m_folder;
}

void MenuFace::setPicture(FacePicture which, const QPixmap& pixmap) {
    if (pixmap.isNull())
        return;
    m_pictures[std::size_t(which)] = pixmap;
    switch (which) {
    case FacePicture::InstallButton:
    case FacePicture::InstallButtonPressed:
        showButtonPicture(m_install, m_install->isDown());
        break;
    case FacePicture::ExtraButton:
    case FacePicture::ExtraButtonPressed:
        showButtonPicture(m_extra, m_extra->isDown());
        break;
    case FacePicture::AppPicture:
    case FacePicture::Logo: {
        // The picture box takes the size of its picture; the owner centres it.
        QLabel* label = which == FacePicture::AppPicture ? m_picture5 : m_picture2;
        label->setPixmap(pixmap);
        label->resize(pixmap.size());
        break;
    }
    case FacePicture::Background:
        update();
        break;
    }
}

QPixmap MenuFace::picture(FacePicture which) const {
    return m_pictures[std::size_t(which)];
}

bool MenuFace::loadPicture(FacePicture which, const QString& storedPath) {
    const QPixmap pixmap = pictures::loadPixmap(paths::resolve(storedPath, pictureFolder()));
    if (pixmap.isNull())
        return false;
    setPicture(which, pixmap);
    return true;
}

void MenuFace::showButtonPicture(QPushButton* button, bool down) {
    const bool install = button == m_install;
    const QPixmap& normal =
        m_pictures[std::size_t(install ? FacePicture::InstallButton : FacePicture::ExtraButton)];
    const QPixmap& pressed = m_pictures[std::size_t(install ? FacePicture::InstallButtonPressed
                                                            : FacePicture::ExtraButtonPressed)];
    const QPixmap& shown = down && !pressed.isNull() ? pressed : normal;
    if (shown.isNull())
        return;
    button->setIcon(QIcon(shown));
    button->setIconSize(shown.size());
}

LayoutLineResult MenuFace::applyLayoutLine(LayoutKey key, QStringView value) {
    if (key.object == LayoutObjectId::Background) {
        // The path stays as written, so that it can be written back even when
        // the picture itself does not load here.
        m_backgroundPath = value.toString();
        if (value.isEmpty()) {
            m_pictures[std::size_t(FacePicture::Background)] = QPixmap();
            update();
            return applied();
        }
        return loadPicture(FacePicture::Background, m_backgroundPath) ? applied() : unchanged();
    }

    if (key.property == LayoutProperty::BackColour) {
        const std::optional<qint32> colour = layoutnumber::parseColour(value);
        if (!colour)
            return unchanged();
        if (key.object == LayoutObjectId::Window)
            setWindowColour(ConfigColour(*colour));
        else
            setBackColour(key.object, ConfigColour(*colour));
        return applied();
    }
    if (key.property == LayoutProperty::TextColour) {
        const std::optional<qint32> colour = layoutnumber::parseColour(value);
        return colour && setTextColour(key.object, ConfigColour(*colour)) ? applied() : unchanged();
    }
    if (key.property == LayoutProperty::Picture)
        return unchanged();

    const std::optional<double> number = layoutnumber::parseGeometry(value);
    if (!number)
        return unchanged();
    if (key.object == LayoutObjectId::Window)
        return {LayoutLineResult::Outcome::ForWindow, key.property, *number};

    FaceGeometry geometry = controlGeometry(key.object);
    switch (key.property) {
    case LayoutProperty::Top:
        geometry.top = *number;
        break;
    case LayoutProperty::Left:
        geometry.left = *number;
        break;
    case LayoutProperty::Width:
        geometry.width = *number;
        break;
    case LayoutProperty::Height:
        geometry.height = *number;
        break;
    default:
        return unchanged();
    }
    return setControlGeometry(key.object, geometry) ? applied() : unchanged();
}

void MenuFace::centreIn(QWidget* picture, const QWidget* frame) {
    // Halves round to even, as every position of the face does.
    const double left = layoutnumber::roundHalfEven((frame->width() - picture->width()) / 2.0);
    const double top = layoutnumber::roundHalfEven((frame->height() - picture->height()) / 2.0);
    picture->move(int(left), int(top));
}

void MenuFace::centrePictures() {
    centreLogo();
    centreAppPicture();
}

void MenuFace::centreLogo() {
    centreIn(m_picture2, m_picture9);
}

void MenuFace::centreAppPicture() {
    centreIn(m_picture5, m_picture1);
}

QSize MenuFace::sizeHint() const {
    return m_clientSize;
}

void MenuFace::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    const QPixmap& background = m_pictures[std::size_t(FacePicture::Background)];
    if (background.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, background);
}
