#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the modificator's frame goes: beside the designer (right, left, below,
// above, in that order of preference), wholly within the screen's available
// area, and never over the control being edited. Where the screen is too
// small for that, the place that covers least of the designer, and none of
// the edited control when there is such a place.
QPoint modificatorPosition(const QRect& designerFrame, const QSize& modificatorFrame,
                           const QRect& available, const QRect& editedControl);
