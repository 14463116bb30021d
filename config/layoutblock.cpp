#include "layoutblock.h"

#include "layoutnumbers.h"

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

double geometryOf(const LayoutValues& values, LayoutKey key) {
    if (key.object == LayoutObjectId::Window) {
        switch (key.property) {
        case LayoutProperty::Top:
            return values.windowTopTwips;
        case LayoutProperty::Left:
            return values.windowLeftTwips;
        case LayoutProperty::Width:
            return values.windowWidth;
        default:
            return values.windowHeight;
        }
    }
    const ControlLayout& c = values.control(key.object);
    switch (key.property) {
    case LayoutProperty::Top:
        return c.top;
    case LayoutProperty::Left:
        return c.left;
    case LayoutProperty::Width:
        return c.width;
    default:
        return c.height;
    }
}

} // namespace

LayoutBlock formatLayoutBlock(const LayoutValues& values) {
    LayoutBlock block;
    block.text.reserve(43 * 16);
    for (LayoutKey key : layoutKeys()) {
        const QString tag = layoutTagText(key);
        QString value;
        switch (key.property) {
        case LayoutProperty::Picture:
            value = values.backgroundPath;
            break;
        case LayoutProperty::BackColour:
            value = layoutnumber::formatColour(key.object == LayoutObjectId::Window
                                                   ? values.windowColour
                                                   : values.control(key.object).backColour);
            break;
        case LayoutProperty::TextColour:
            value = layoutnumber::formatColour(values.control(key.object).textColour);
            break;
        default: {
            bool clamped = false;
            value = layoutnumber::formatGeometry(geometryOf(values, key), &clamped);
            if (clamped)
                block.clampedTags << tag;
        }
        }
        block.text += tag + value + kLineEnd;
    }
    return block;
}
