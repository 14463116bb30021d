#pragma once

#include <QString>

class QWidget;

// A caption that does not fit its button or label shows in full as a tooltip.
namespace captiontips {

// The whole caption of a button or label that is cut off; empty when it fits.
QString cutCaption(const QWidget* widget);

// Watches every button and label under window: while one has no tooltip of
// its own, hovering it shows its caption in full whenever it is cut off.
void showCutCaptions(QWidget* window);

} // namespace captiontips
