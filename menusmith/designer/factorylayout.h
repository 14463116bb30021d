#pragma once

#include "menuface.h"

#include <array>

class DesignerWindow;

// One row of the factory layout, a consistent arrangement of the menu window
// that the author can always go back to.
struct FactoryControl {
    LayoutObjectId id;
    FaceGeometry geometry; // pixels
    qint32 back;
    std::optional<qint32> text; // the list and the text panel only
};

// In the order the restore sets them.
extern const std::array<FactoryControl, kLayoutControlCount> kFactoryControls;

inline constexpr double kFactoryWindowTopTwips = 100;
inline constexpr double kFactoryWindowLeftTwips = 100;
inline constexpr int kFactoryWindowWidth = 619;  // outer, pixels
inline constexpr int kFactoryWindowHeight = 422; // outer, pixels

// Puts the designer's objects and window at the factory layout and removes
// the window's background picture. The logo is centred in its new frame; the
// application picture stays where it was inside its frame.
void applyFactoryLayout(DesignerWindow& designer);
