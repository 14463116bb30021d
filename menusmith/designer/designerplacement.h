#pragma once

#include "menuface.h"

// Light grey, red, green and blue 192 each: the factory colour of the buttons,
// the frames, the list, the text panel and the window.
inline constexpr qint32 kFactoryGrey = 12632256;

// Where the designer's copy of the menu window stands before any layout line.
// Three controls differ from the menu window: the application picture sits 8
// pixels further right, the logo at the top instead of the bottom, and the
// list higher, wider and taller. The colours are the factory ones.
inline constexpr FacePlacement kDesignerPlacement{
    {{
        {LayoutObjectId::InstallButton,
         {560, 88, 57, 57},
         ConfigColour(kFactoryGrey),
         ConfigColour(0)},
        {LayoutObjectId::ExploreButton,
         {560, 176, 57, 57},
         ConfigColour(kFactoryGrey),
         ConfigColour(0)},
        {LayoutObjectId::ExtraButton,
         {560, 264, 57, 57},
         ConfigColour(kFactoryGrey),
         ConfigColour(0)},
        {LayoutObjectId::AppPicture, {240, 88, 313, 241}, ConfigColour(0), ConfigColour(0)},
        {LayoutObjectId::Logo, {8, 0, 625, 86}, ConfigColour(kFactoryGrey), ConfigColour(0)},
        {LayoutObjectId::AppList, {8, 88, 209, 212}, ConfigColour(kFactoryGrey), ConfigColour(0)},
        {LayoutObjectId::TextPanel,
         {232, 336, 393, 82},
         ConfigColour(kFactoryGrey),
         ConfigColour(0)},
    }},
    {16, 120, 153, 21}, // the category box, never shown here
    ConfigColour(kFactoryGrey),
    634,
    421,
};
