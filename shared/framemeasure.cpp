#include "framemeasure.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

namespace {

// How long the window manager gets to put a frame around the window. Without
// a frame after this, the platform has none to report.
constexpr int kFrameWaitMs = 400;
// How long a frame may still come after the window is exposed.
constexpr int kAfterExposeMs = 20;

bool frameReported(const QMainWindow& window) {
    return window.frameGeometry().size() != window.geometry().size();
}

} // namespace

FrameMeasure measureFrame(const QString& windowObjectName) {
    QMainWindow window;
    window.setObjectName(windowObjectName);
    window.setWindowTitle(QStringLiteral("LOADING..."));
    // Form1's menu bar has a captioned item; an item without a caption would
    // give Qt's menu bar no height, and the measure would not match.
    window.menuBar()->addMenu(QStringLiteral(" "));
    auto* label = new QLabel(QStringLiteral("LOADING..."));
    window.setCentralWidget(label);
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    window.resize(200, 120);

    // Far to the left, centred vertically: it is shown but never seen.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenHeight = screen ? screen->geometry().height() : 0;
    window.move(-2000, (screenHeight - window.height()) / 2);
    window.show();

    // A reparenting window manager has framed the window by the time it is
    // exposed; a window that stays unframed a little after that has no
    // window manager to frame it, and waiting longer would only delay start-up.
    const QString platform = QGuiApplication::platformName();
    const bool framelessPlatform = platform == u"offscreen" || platform == u"minimal";
    QDeadlineTimer deadline(framelessPlatform ? 0 : kFrameWaitMs);
    QDeadlineTimer afterExpose(QDeadlineTimer::Forever);
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const QWindow* handle = window.windowHandle();
        if (handle && handle->isExposed() && afterExpose.isForever())
            afterExpose.setRemainingTime(kAfterExposeMs);
    } while (!frameReported(window) && !deadline.hasExpired() && !afterExpose.hasExpired());

    FrameMeasure measure;
    measure.menuBarHeight = window.menuBar()->height();
    const QRect outer = window.frameGeometry();
    const QRect client = window.geometry();
    measure.frameWidth = outer.width() - client.width();
    measure.frameHeight = outer.height() - client.height() + measure.menuBarHeight;
    window.hide();
    return measure;
}
