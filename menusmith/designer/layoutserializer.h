#pragma once

#include "layoutblock.h"

class DesignerWindow;

// The layout values that the designer shows: every control's unrounded
// geometry and colours, the window's place in twips, its outer width and
// its client height (outer height less frameHeight) in pixels, and the
// background path of the modificator's field.
LayoutValues layoutValuesOf(const DesignerWindow& designer, const QString& backgroundPath);

// The 43 layout lines of the designer's state, ready to be kept as layoutText.
LayoutBlock serializeLayout(const DesignerWindow& designer, const QString& backgroundPath);
