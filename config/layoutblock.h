#pragma once

#include "configtags.h"

#include <QString>
#include <QStringList>

#include <array>

// Where a control stands and how it is coloured, in pixels of the window's
// client area. Positions are real numbers: a designer may move by 2.5 pixels.
struct ControlLayout {
    double top = 0;
    double left = 0;
    double width = 0;
    double height = 0;
    qint32 backColour = 0;
    qint32 textColour = 0; // written only for the list and the text panel
};

// Everything the layout block holds, as the designer has it.
struct LayoutValues {
    std::array<ControlLayout, kLayoutControlCount> controls{}; // indexed by LayoutObjectId
    double windowTopTwips = 0;
    double windowLeftTwips = 0;
    double windowWidth = 0;  // outer width, pixels
    double windowHeight = 0; // client height (outer height less the frame), pixels
    qint32 windowColour = 0;
    QString backgroundPath;

    ControlLayout& control(LayoutObjectId id) { return controls[size_t(id)]; }
    const ControlLayout& control(LayoutObjectId id) const { return controls[size_t(id)]; }
};

struct LayoutBlock {
    QString text;            // the 43 lines, each ending in CR LF
    QStringList clampedTags; // tags whose value lay outside the 16-bit range
};

// The 43 lines of the layout section, in the order and form that both programs read.
LayoutBlock formatLayoutBlock(const LayoutValues& values);
