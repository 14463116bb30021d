#include "topmost.h"

#include <QWidget>

namespace topmost {

bool isTopmost(const QWidget& window) {
    return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void setTopmost(QWidget& window, bool on) {
    if (isTopmost(window) == on)
        return;
    // Changing a window's flags takes it off the screen; it comes back where it was.
    const bool shown = window.isVisible();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown)
        window.show();
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
