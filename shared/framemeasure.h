#pragma once

#include <QString>

// What a window with a title bar and a menu bar spends around its client
// area, measured on a real window of that kind, because the window manager
// decides and reports it only once the window is on screen.
struct FrameMeasure {
    // Outer height minus the height of the area below the menu bar: title bar,
    // menu bar and borders. On a platform that reports no window frame this is
    // the menu bar's height.
    int frameHeight = 0;
    // Outer width minus client width: the two side borders.
    int frameWidth = 0;
    // The menu bar's own height, the part of frameHeight inside the client area.
    int menuBarHeight = 0;
};

// Shows a measuring window (objectName windowObjectName, a menu bar with one
// top-level item of a blank caption, the label "LOADING...") far to the left of the screen,
// measures it and closes it again.
FrameMeasure measureFrame(const QString& windowObjectName);

inline int measureFrameHeight(const QString& windowObjectName) {
    return measureFrame(windowObjectName).frameHeight;
}
