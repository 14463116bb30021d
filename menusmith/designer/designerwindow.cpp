#include "designerwindow.h"

#include "configpath.h"
#include "configreader.h"
#include "configvalues.h"
#include "designerplacement.h"
#include "layoutnumbers.h"
#include "pictureloader.h"
#include "twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Within what the file can hold; no platform shows a window farther out.
int toWholePixels(double twipsValue, qreal twipsPerPixel) {
    const double pixels = layoutnumber::roundHalfEven(twipsValue / twipsPerPixel);
    return int(
        std::clamp(pixels, double(layoutnumber::kGeometryMin), double(layoutnumber::kGeometryMax)));
}

bool isMouseClickPart(const QEvent* event) {
    const QEvent::Type type = event->type();
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick;
}

} // namespace

DesignerWindow::DesignerWindow(int frameHeight, QWidget* parent)
    : QMainWindow(parent)
    , m_frameHeight(frameHeight) {
    setObjectName(u"Form1"_s);
    m_twipsPerPixel = twips::perPixel(screen());

    // The face keeps the designed size; where the screen is smaller (a large
    // scale, a small laptop) the window is kept on the screen and the face
    // scrolls inside it, so that every control can still be picked.
    m_scroller = new QScrollArea(this);
    m_scroller->setObjectName(u"designerScroller"_s);
    m_scroller->setFrameShape(QFrame::NoFrame);
    m_scroller->setWidgetResizable(false);
    // Tabbing through the face's controls scrolls to each; the area itself
    // is no stop of its own.
    m_scroller->setFocusPolicy(Qt::NoFocus);
    m_face = new MenuFace(kDesignerPlacement, m_scroller);
    m_scroller->setWidget(m_face);
    setCentralWidget(m_scroller);

    QAction* about = menuBar()->addAction(u"About"_s);
    about->setObjectName(u"About"_s);
    connect(about, &QAction::triggered, this, &DesignerWindow::aboutRequested);

    // Receives the about text, as the menu window's does; never shown.
    m_aboutField = new QLineEdit(this);
    m_aboutField->setObjectName(u"Text2"_s);
    m_aboutField->hide();

    // Until a layout line says otherwise: the designed client area, centred.
    const int outerWidth = kDesignerPlacement.clientWidth;
    const int outerHeight = kDesignerPlacement.clientHeight + m_frameHeight;
    const QScreen* shownOn = screen();
    const QRect area = shownOn ? shownOn->availableGeometry() : QRect(0, 0, 1024, 768);
    const int left = area.left() + (area.width() - outerWidth) / 2;
    const int top = area.top() + (area.height() - outerHeight) / 2;
    setWindowTwips({left * m_twipsPerPixel, top * m_twipsPerPixel, outerWidth * m_twipsPerPixel,
                    outerHeight * m_twipsPerPixel});

    watchForPicks();
}

DesignerWindow::~DesignerWindow() = default;

void DesignerWindow::watchForPicks() {
    const std::pair<QPushButton*, LayoutObjectId> buttons[] = {
        {m_face->installButton(), LayoutObjectId::InstallButton},
        {m_face->exploreButton(), LayoutObjectId::ExploreButton},
        {m_face->extraButton(), LayoutObjectId::ExtraButton},
    };
    for (const auto& [button, id] : buttons)
        connect(button, &QPushButton::clicked, this, [this, id] { emit picked(id); });

    // The list and the text panel take their mouse events in their viewports.
    const QList<QWidget*> watched{m_face,
                                  m_face->appPictureFrame(),
                                  m_face->appPicture(),
                                  m_face->logoFrame(),
                                  m_face->logo(),
                                  m_face->appList(),
                                  m_face->appList()->viewport(),
                                  m_face->textPanel(),
                                  m_face->textPanel()->viewport()};
    for (QWidget* widget : watched)
        widget->installEventFilter(this);
}

std::optional<LayoutObjectId> DesignerWindow::pickTarget(QObject* watched) const {
    if (watched == m_face)
        return LayoutObjectId::Window;
    if (watched == m_face->appPictureFrame() || watched == m_face->appPicture())
        return LayoutObjectId::AppPicture;
    if (watched == m_face->logoFrame() || watched == m_face->logo())
        return LayoutObjectId::Logo;
    if (watched == m_face->appList() || watched == m_face->appList()->viewport())
        return LayoutObjectId::AppList;
    if (watched == m_face->textPanel() || watched == m_face->textPanel()->viewport())
        return LayoutObjectId::TextPanel;
    return std::nullopt;
}

bool DesignerWindow::eventFilter(QObject* watched, QEvent* event) {
    // The logo follows every change of its own size or of its frame's.
    if (event->type() == QEvent::Resize &&
        (watched == m_face->logoFrame() || watched == m_face->logo())) {
        m_face->centreLogo();
        return false;
    }
    if (!isMouseClickPart(event))
        return false;
    const std::optional<LayoutObjectId> target = pickTarget(watched);
    if (!target)
        return false;

    switch (*target) {
    case LayoutObjectId::AppList:
        // The list picks as soon as the button goes down, also on its empty part.
        if (event->type() == QEvent::MouseButtonPress)
            emit picked(*target);
        return false;
    case LayoutObjectId::TextPanel:
        if (event->type() == QEvent::MouseButtonRelease)
            emit picked(*target);
        return false;
    default: {
        // The pictures, their frames and the free area: taken here, so that a
        // click on a picture does not also reach its frame or the window.
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const auto* widget = static_cast<QWidget*>(watched);
            if (widget->rect().contains(mouse->position().toPoint()))
                emit picked(*target);
        }
        return true;
    }
    }
}

bool DesignerWindow::load(const QString& configPath, const QString& pictureFolder) {
    m_pictureFolder = pictureFolder;
    m_face->setPictureFolder(pictureFolder);
    loadFixedPictures();

    const ConfigReadResult read = readConfig(configPath);
    if (read.config)
        apply(*read.config);

    // Again, since the layout lines may have resized the frames.
    loadFixedPictures();
    m_face->textPanel()->show();
    return read.config.has_value();
}

void DesignerWindow::loadFixedPictures() {
    m_face->loadPicture(FacePicture::Logo, u"logo.bmp"_s);
    m_face->centreLogo();
    m_face->loadPicture(FacePicture::AppPicture, u"default.bmp"_s);
    m_face->centreAppPicture();
}

void DesignerWindow::loadPictureUnlessUnset(FacePicture which, const QString& storedPath) {
    if (!configvalue::isUnset(storedPath))
        m_face->loadPicture(which, storedPath);
}

void DesignerWindow::apply(const ConfigFile& config) {
    for (const AppEntry& app : config.apps)
        m_face->appList()->addItem(app.name);

    loadPictureUnlessUnset(FacePicture::InstallButton, config.installButtonPicture);
    loadPictureUnlessUnset(FacePicture::InstallButtonPressed, config.installButtonPressedPicture);
    loadPictureUnlessUnset(FacePicture::ExtraButton, config.extraButtonPicture);
    loadPictureUnlessUnset(FacePicture::ExtraButtonPressed, config.extraButtonPressedPicture);
    if (!configvalue::isUnset(config.windowIcon)) {
        const QPixmap icon =
            pictures::loadPixmap(paths::resolve(config.windowIcon, m_face->pictureFolder()));
        if (!icon.isNull())
            setWindowIcon(QIcon(icon));
    }
    if (!configvalue::isUnset(config.title))
        setWindowTitle(config.title);
    if (!configvalue::isUnset(config.introText))
        m_face->textPanel()->setPlainText(config.introText);
    if (!configvalue::isUnset(config.aboutText))
        m_aboutField->setText(config.aboutText);

    for (const LayoutLine& line : config.layout.lines) {
        const LayoutLineResult result = m_face->applyLayoutLine(line.key, line.value);
        if (result.outcome == LayoutLineResult::Outcome::ForWindow)
            applyWindowLine(result.property, result.value);
    }
}

void DesignerWindow::applyWindowLine(LayoutProperty property, double value) {
    WindowTwips window = windowTwips();
    switch (property) {
    case LayoutProperty::Top:
        window.top = value;
        break;
    case LayoutProperty::Left:
        window.left = value;
        break;
    case LayoutProperty::Width:
        window.width = value * m_twipsPerPixel;
        break;
    case LayoutProperty::Height:
        window.height = (value + m_frameHeight) * m_twipsPerPixel;
        break;
    default:
        return;
    }
    setWindowTwips(window);
}

WindowTwips DesignerWindow::windowTwips() const {
    if (!isVisible())
        return m_window;
    // The author may have dragged or stretched the window since it was
    // placed: what changed is taken as it now is, the rest keeps its
    // unrounded value.
    WindowTwips window = m_window;
    const QRect outer = frameGeometry();
    if (outer.x() != m_placedFrame.x())
        window.left = outer.x() * m_twipsPerPixel;
    if (outer.y() != m_placedFrame.y())
        window.top = outer.y() * m_twipsPerPixel;
    if (outer.width() != m_placedFrame.width())
        window.width = outer.width() * m_twipsPerPixel;
    if (outer.height() != m_placedFrame.height())
        window.height = outer.height() * m_twipsPerPixel;
    return window;
}

bool DesignerWindow::setWindowTwips(const WindowTwips& window) {
    if (window.width < 0 || window.height < 0)
        return false;
    // A size the file cannot hold is refused, as the face refuses it for its
    // controls: such a window would only exhaust the memory of the screen.
    const double widthPixels = layoutnumber::roundHalfEven(window.width / m_twipsPerPixel);
    const double clientPixels =
        layoutnumber::roundHalfEven(window.height / m_twipsPerPixel - m_frameHeight);
    if (widthPixels > layoutnumber::kGeometryMax || clientPixels > layoutnumber::kGeometryMax)
        return false;
    m_window = window;
    placeWindow();
    return true;
}

QSize DesignerWindow::frameMargins() const {
    return frameGeometry().size() - geometry().size();
}

QSize DesignerWindow::designedFaceSize(const WindowTwips& window) const {
    const QSize outer(toWholePixels(window.width, m_twipsPerPixel),
                      toWholePixels(window.height, m_twipsPerPixel));
    const QSize chrome = frameMargins() + QSize(0, menuBar()->sizeHint().height());
    return (outer - chrome).expandedTo(QSize(1, 1));
}

void DesignerWindow::placeWindow() {
    // Qt places a window by its frame but sizes it by its client area.
    m_placing = true;
    const QSize margins = frameMargins();
    QRect frame(toWholePixels(m_window.left, m_twipsPerPixel),
                toWholePixels(m_window.top, m_twipsPerPixel),
                toWholePixels(m_window.width, m_twipsPerPixel),
                toWholePixels(m_window.height, m_twipsPerPixel));
    m_face->resize(designedFaceSize(m_window));
    if (const QScreen* shownOn = screen()) {
        // Kept within the screen; the stored place and size stay as designed.
        const QRect area = shownOn->availableGeometry();
        frame.setSize(frame.size().boundedTo(area.size()));
        frame.moveLeft(std::clamp(frame.left(), area.left(), area.right() + 1 - frame.width()));
        frame.moveTop(std::clamp(frame.top(), area.top(), area.bottom() + 1 - frame.height()));
    }
    move(frame.topLeft());
    resize(std::max(1, frame.width() - margins.width()),
           std::max(1, frame.height() - margins.height()));
    m_placedFrame = frameGeometry();
    m_placedMargins = frameMargins();
    m_placing = false;
}

void DesignerWindow::placeAgainIfTheFrameChanged() {
    // A window manager may put its frame around the window only after it is
    // shown; the outer size must still be the one set, not grow by the frame.
    if (!m_placing && isVisible() && frameMargins() != m_placedMargins &&
        frameGeometry().size() != m_placedFrame.size())
        placeWindow();
}

void DesignerWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    placeWindow();
}

void DesignerWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    placeAgainIfTheFrameChanged();
}

void DesignerWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placeAgainIfTheFrameChanged();
    // A window stretched by the author is the new design: the face follows.
    if (!m_placing)
        m_face->resize(designedFaceSize(windowTwips()));
}

void DesignerWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closeRequested();
}
