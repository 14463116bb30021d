#include "fitscrollarea.h"

#include <QScreen>

namespace {

// A title bar and borders, at the most.
const QSize kFrameRoom(16, 48);

} // namespace

FitScrollArea::FitScrollArea(QWidget* parent)
    : QScrollArea(parent) {
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
}

QSize FitScrollArea::sizeHint() const {
    if (!widget())
        return QScrollArea::sizeHint();
    const int frame = 2 * frameWidth();
    return widget()->sizeHint() + QSize(frame, frame);
}

QSize boundedToScreen(const QWidget* window, QSize size) {
    const QScreen* screen = window->screen();
    if (!screen)
        return size;
    return size.boundedTo(screen->availableGeometry().size() - kFrameRoom);
}
