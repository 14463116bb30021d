#pragma once

// Puts the application in the Fusion style with Fusion's own light palette,
// whatever palette the desktop's theme offers: the colours config.ini gives
// were chosen against dark text on light faces. Call once, after the
// QApplication is made.
void useFusionStyle();
