#include "layoutchecks.h"

#include <layoutnumbers.h>

#include <algorithm>

namespace {

// The menu window as designed, before any layout line: the seven controls
// (left, top, width, height) and the client area.
constexpr std::array<std::array<double, 4>, kLayoutControlCount> kDesigned{{
    {560, 88, 57, 57},   // Command1
    {560, 176, 57, 57},  // Command2
    {560, 264, 57, 57},  // Command4
    {232, 88, 313, 241}, // Picture1
    {16, 520, 625, 86},  // Picture9
    {8, 208, 201, 173},  // List2
    {232, 336, 393, 82}, // Text1
}};
constexpr double kDesignedWidth = 750;
constexpr double kDesignedHeight = 620;

// The menu bar holds one item, "About": narrower than this, it wraps or cuts.
constexpr double kMenuBarWidth = 60;
// Title bar, menu bar and borders of a usual desktop, for the outer height.
constexpr double kUsualFrameHeight = 50;
constexpr double kSmallScreenWidth = 1024;
constexpr double kSmallScreenHeight = 768;

// The text panel's font: about this many pixels a character and a line, and
// the width its scroll bar takes.
constexpr double kCharacterWidth = 7;
constexpr double kLineHeight = 16;
constexpr double kScrollBarWidth = 20;

QString controlName(int control) {
    return QString(layoutObjects[size_t(control)].controlName);
}

} // namespace

MenuGeometry menuGeometry(const LayoutSettings& layout) {
    MenuGeometry geometry;
    for (int c = 0; c < kLayoutControlCount; ++c) {
        const auto& [left, top, width, height] = kDesigned[size_t(c)];
        geometry.controls[size_t(c)] = QRectF(left, top, width, height);
    }
    geometry.windowWidth = kDesignedWidth;
    geometry.clientHeight = kDesignedHeight;
    for (const LayoutLine& line : layout.lines) {
        const std::optional<double> value = layoutnumber::parseGeometry(line.value);
        if (!value)
            continue;
        if (line.key.object == LayoutObjectId::Window) {
            if (line.key.property == LayoutProperty::Width)
                geometry.windowWidth = *value;
            else if (line.key.property == LayoutProperty::Height)
                geometry.clientHeight = *value;
            continue;
        }
        if (int(line.key.object) >= kLayoutControlCount)
            continue;
        QRectF& rect = geometry.controls[size_t(line.key.object)];
        switch (line.key.property) {
        case LayoutProperty::Top:
            rect.moveTop(*value);
            break;
        case LayoutProperty::Left:
            rect.moveLeft(*value);
            break;
        case LayoutProperty::Width:
            rect.setWidth(*value);
            break;
        case LayoutProperty::Height:
            rect.setHeight(*value);
            break;
        default:
            break;
        }
    }
    return geometry;
}

int textPanelCharacters(const MenuGeometry& geometry) {
    const QRectF& panel = geometry.controls[size_t(LayoutObjectId::TextPanel)];
    const int perLine = std::max(1, int((panel.width() - kScrollBarWidth) / kCharacterWidth));
    const int lines = std::max(1, int(panel.height() / kLineHeight));
    return perLine * lines;
}

void checkLayout(DiscContext& context, const MenuGeometry& geometry) {
    const QString width = QString::number(qRound(geometry.windowWidth));
    const QString height = QString::number(qRound(geometry.clientHeight));
    const FindingPlace window{-1, QStringLiteral("Form1")};
    if (geometry.windowWidth < kMenuBarWidth || geometry.clientHeight < 1) {
        context.report(Finding::Severity::Error, QStringLiteral("window-too-small"), window,
                       QString(), {width, height});
        return;
    }
    if (geometry.windowWidth > kSmallScreenWidth ||
        geometry.clientHeight + kUsualFrameHeight > kSmallScreenHeight)
        context.report(Finding::Severity::Warning, QStringLiteral("window-too-large"), window,
                       QString(), {width, height});

    const QRectF client(0, 0, geometry.windowWidth, geometry.clientHeight);
    std::array<bool, kLayoutControlCount> inside{};
    for (int c = 0; c < kLayoutControlCount; ++c) {
        const QRectF& rect = geometry.controls[size_t(c)];
        inside[size_t(c)] = rect.intersects(client);
        if (!inside[size_t(c)] && !rect.isEmpty())
            context.report(Finding::Severity::Error, QStringLiteral("control-outside-window"),
                           {-1, controlName(c)}, QString(), {controlName(c)});
    }
    for (int a = 0; a < kLayoutControlCount; ++a) {
        for (int b = a + 1; b < kLayoutControlCount; ++b) {
            if (inside[size_t(a)] && inside[size_t(b)] &&
                geometry.controls[size_t(a)].intersects(geometry.controls[size_t(b)]))
                context.report(Finding::Severity::Warning, QStringLiteral("controls-overlap"),
                               {-1, controlName(a)}, QString(), {controlName(a), controlName(b)});
        }
    }
}
