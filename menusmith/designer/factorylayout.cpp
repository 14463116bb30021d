#include "factorylayout.h"

#include "designerplacement.h"
#include "designerwindow.h"

using Id = LayoutObjectId;

const std::array<FactoryControl, kLayoutControlCount> kFactoryControls{{
    {Id::ExtraButton, {530, 298, 71, 71}, kFactoryGrey, std::nullopt},
    {Id::ExploreButton, {460, 298, 71, 71}, kFactoryGrey, std::nullopt},
    {Id::InstallButton, {390, 298, 71, 71}, kFactoryGrey, std::nullopt},
    {Id::AppPicture, {90, 42, 224, 193}, 0, std::nullopt},
    {Id::Logo, {20, 285, 364, 88}, kFactoryGrey, std::nullopt},
    {Id::AppList, {390, 0, 208, 186}, kFactoryGrey, 0},
    {Id::TextPanel, {390, 210, 211, 74}, kFactoryGrey, 0},
}};

void applyFactoryLayout(DesignerWindow& designer) {
    MenuFace& face = *designer.face();
    for (const FactoryControl& control : kFactoryControls) {
        face.setControlGeometry(control.id, control.geometry);
        face.setBackColour(control.id, ConfigColour(control.back));
        if (control.text)
            face.setTextColour(control.id, ConfigColour(*control.text));
    }
    face.centreLogo();

    const qreal ratio = designer.twipsPerPixel();
    designer.setWindowTwips({kFactoryWindowLeftTwips, kFactoryWindowTopTwips,
                             kFactoryWindowWidth * ratio, kFactoryWindowHeight * ratio});
    face.setWindowColour(ConfigColour(kFactoryGrey));
    face.applyLayoutLine({Id::Background, LayoutProperty::Picture}, QStringView());
}
