#pragma once

#include <QHash>
#include <QString>

class QWidget;

// What a screen reader and a keyboard user need of a window's controls.
namespace accessibility {

// True for a control that Tab can reach.
bool takesFocus(const QWidget* widget);

// The name a screen reader announces for widget.
QString nameOf(QWidget* widget);

// Names every control under window that Tab can reach and that has no name
// yet: a label that stands just before it in its layout becomes its label; a
// button without a caption takes its tooltip; names gives the rest by
// control name. Call it once the captions are set.
void nameControls(QWidget* window, const QHash<QString, QString>& names = {});

// What every window does once built: names its controls and shows its cut
// captions in full as tooltips.
void prepareWindow(QWidget* window, const QHash<QString, QString>& names = {});

} // namespace accessibility
