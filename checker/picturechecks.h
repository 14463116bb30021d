#pragma once

#include "disccontext.h"

// A picture that config.ini names ([ICON], the button pictures, [IMGN],
// [BKGR]): it must be on the disc and load.
void checkPicture(DiscContext& context, const QString& storedPath, const FindingPlace& place);

// The pictures the menu looks for by fixed name ("logo.bmp", "default.bmp",
// "splash.bmp"): optional, but one that is there must load.
void checkFixedPictures(DiscContext& context);
