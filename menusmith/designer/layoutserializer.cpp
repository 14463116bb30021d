#include "layoutserializer.h"

#include "designerwindow.h"

LayoutValues layoutValuesOf(const DesignerWindow& designer, const QString& backgroundPath) {
    const MenuFace& face = *designer.face();
    LayoutValues values;
    for (int i = 0; i < kLayoutControlCount; ++i) {
        const auto id = LayoutObjectId(i);
        const FaceGeometry g = face.controlGeometry(id);
        ControlLayout& control = values.control(id);
        control.top = g.top;
        control.left = g.left;
        control.width = g.width;
        control.height = g.height;
        control.backColour = face.backColour(id).raw();
        control.textColour = face.textColour(id).raw();
    }

    // The outer size goes from twips back to pixels with the ratio that
    // placed the window; the frame comes off the height.
    const WindowTwips window = designer.windowTwips();
    const qreal ratio = designer.twipsPerPixel();
    values.windowTopTwips = window.top;
    values.windowLeftTwips = window.left;
    values.windowWidth = window.width / ratio;
    values.windowHeight = window.height / ratio - designer.frameHeight();
    values.windowColour = face.windowColour().raw();
    values.backgroundPath = backgroundPath;
    return values;
}

LayoutBlock serializeLayout(const DesignerWindow& designer, const QString& backgroundPath) {
    return formatLayoutBlock(layoutValuesOf(designer, backgroundPath));
}
