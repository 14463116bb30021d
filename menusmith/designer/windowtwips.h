#pragma once

// The designer window's place and outer size on the screen, in twips. Kept
// unrounded like the controls' pixels: a grid of 50 moves it by 50 twips,
// which is no whole number of pixels.
struct WindowTwips {
    double left = 0;
    double top = 0;
    double width = 0;  // outer, borders included
    double height = 0; // outer, title bar and menu bar included
    friend constexpr bool operator==(const WindowTwips&, const WindowTwips&) = default;
};
