#include "topmost.h"

#include <QWidget>
#include <QWindow>

namespace topmost {

bool isTopmost(const QWidget& window) {
    if (const QWindow* handle = window.windowHandle())
        return handle->flags().testFlag(Qt::WindowStaysOnTopHint);
    return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void setTopmost(QWidget& window, bool on) {
    if (isTopmost(window) == on)
        return;
    // Once the window exists only its native window's flag changes: the
    // widget's setWindowFlag would make a new native window, which leaves the
    // screen and comes back, on every message box.
    if (QWindow* handle = window.windowHandle())
        handle->setFlag(Qt::WindowStaysOnTopHint, on);
    else
        window.setWindowFlag(Qt::WindowStaysOnTopHint, on);
}

Pause::Pause(QWidget& window)
    : m_window(window)
    , m_wasTopmost(isTopmost(window)) {
    setTopmost(m_window, false);
}

Pause::~Pause() {
    if (m_wasTopmost)
        setTopmost(m_window, true);
}

} // namespace topmost
