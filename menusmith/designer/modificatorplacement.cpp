#include "modificatorplacement.h"

#include <QList>

#include <algorithm>
#include <limits>

namespace {

constexpr int kGap = 8;

// Moves rect into area; a rect larger than the area keeps its top left corner in it.
QRect within(QRect rect, const QRect& area) {
    rect.moveLeft(std::max(area.left(), std::min(rect.left(), area.right() - rect.width() + 1)));
    rect.moveTop(std::max(area.top(), std::min(rect.top(), area.bottom() - rect.height() + 1)));
    return rect;
}

qint64 overlap(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

} // namespace

QPoint modificatorPosition(const QRect& designerFrame, const QSize& modificatorFrame,
                           const QRect& available, const QRect& editedControl) {
    const QRect& d = designerFrame;
    const int w = modificatorFrame.width();
    const int h = modificatorFrame.height();
    const QList<QPoint> candidates{
        {d.right() + 1 + kGap, d.top()},           {d.left() - w - kGap, d.top()},
        {d.left(), d.bottom() + 1 + kGap},         {d.left(), d.top() - h - kGap},
        available.topRight() - QPoint(w - 1, 0),   available.bottomRight() - QPoint(w - 1, h - 1),
        available.bottomLeft() - QPoint(0, h - 1), available.topLeft(),
    };
    QPoint best = within(QRect(candidates.first(), modificatorFrame), available).topLeft();
    qint64 bestCost = std::numeric_limits<qint64>::max();
    for (const QPoint& candidate : candidates) {
        const QRect placed = within(QRect(candidate, modificatorFrame), available);
        // Covering the edited control is worse than covering any amount of the rest.
        const qint64 cost = (placed.intersects(editedControl) ? qint64(1) << 40 : 0) +
                            overlap(placed, designerFrame);
        if (cost < bestCost) {
            bestCost = cost;
            best = placed.topLeft();
        }
    }
    return best;
}
