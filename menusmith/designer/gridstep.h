#pragma once

#include "menuface.h"
#include "windowtwips.h"

#include <QStringView>

#include <optional>

// The eight arrows of the modificator.
enum class GridAction : quint8 {
    Up,       // Command1
    Down,     // Command2
    Left,     // Command3
    Right,    // Command4
    Taller,   // Command5
    Shorter,  // Command6
    Narrower, // Command7
    Wider,    // Command8
};

// The grid as typed: a decimal number, blanks around it allowed. Nothing for
// any other text, for which no step can be computed.
std::optional<double> parseGridSize(QStringView text);

// The distance in pixels by which a control moves or changes size.
inline double moveStepFor(double gridSize) {
    return gridSize / 20;
}

// A control after one arrow, or nothing when the arrow is refused: a shrink
// below zero (the text panel already when two steps would not fit). The list
// grows by 14 pixels more than the step, making room for one more row.
std::optional<FaceGeometry> steppedControl(LayoutObjectId id, FaceGeometry geometry,
                                           GridAction action, double moveStep);

// The window after one arrow: it moves and changes size by 20 steps of twips,
// which is the grid in twips. A size below zero is refused.
std::optional<WindowTwips> steppedWindow(WindowTwips window, GridAction action, double moveStep);
