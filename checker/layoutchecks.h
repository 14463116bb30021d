#pragma once

#include "disccontext.h"

#include <configtags.h>
#include <layoutsettings.h>

#include <QRectF>

#include <array>

// The menu window after its layout lines: the seven controls in pixels of the
// client area, the window's outer width and client height.
struct MenuGeometry {
    std::array<QRectF, kLayoutControlCount> controls; // in the order of layoutObjects
    double windowWidth = 0;
    double clientHeight = 0;
};

// The window as designed, with the file's layout lines applied in order; a
// value that does not convert leaves the property as it was, as in the menu.
MenuGeometry menuGeometry(const LayoutSettings& layout);

// About how many characters the text panel shows without scrolling.
int textPanelCharacters(const MenuGeometry& geometry);

// A window smaller than its menu bar or larger than 1024 x 768, a control
// wholly outside the window, two controls that overlap.
void checkLayout(DiscContext& context, const MenuGeometry& geometry);
