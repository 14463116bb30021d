#include "gridstep.h"

#include "layoutnumbers.h"

#include <cmath>

namespace {

// One more row of the list, so that "taller" always shows another name.
constexpr double kListRowAllowance = 14;

} // namespace

std::optional<double> parseGridSize(QStringView text) {
    const std::optional<double> value = layoutnumber::parse(text);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

std::optional<FaceGeometry> steppedControl(LayoutObjectId id, FaceGeometry g, GridAction action,
                                           double step) {
    switch (action) {
    case GridAction::Up:
        g.top -= step;
        break;
    case GridAction::Down:
        g.top += step;
        break;
    case GridAction::Left:
        g.left -= step;
        break;
    case GridAction::Right:
        g.left += step;
        break;
    case GridAction::Taller:
        g.height += step + (id == LayoutObjectId::AppList ? kListRowAllowance : 0);
        break;
    case GridAction::Shorter:
        if (g.height - step < 0)
            return std::nullopt;
        if (id == LayoutObjectId::TextPanel && g.height - 2 * step < 0)
            return std::nullopt;
        g.height -= step;
        break;
    case GridAction::Narrower:
        if (g.width - step < 0)
            return std::nullopt;
        g.width -= step;
        break;
    case GridAction::Wider:
        g.width += step;
        break;
    }
    // A negative grid turns the arrows round; it must not turn a size negative.
    if (g.width < 0 || g.height < 0)
        return std::nullopt;
    return g;
}

std::optional<WindowTwips> steppedWindow(WindowTwips w, GridAction action, double step) {
    const double twipsStep = 20 * step;
    switch (action) {
    case GridAction::Up:
        w.top -= twipsStep;
        break;
    case GridAction::Down:
        w.top += twipsStep;
        break;
    case GridAction::Left:
        w.left -= twipsStep;
        break;
    case GridAction::Right:
        w.left += twipsStep;
        break;
    case GridAction::Taller:
        w.height += twipsStep;
        break;
    case GridAction::Shorter:
        w.height -= twipsStep;
        break;
    case GridAction::Narrower:
        w.width -= twipsStep;
        break;
    case GridAction::Wider:
        w.width += twipsStep;
        break;
    }
    if (w.width < 0 || w.height < 0)
        return std::nullopt;
    return w;
}
