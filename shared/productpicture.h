#pragma once

#include <QPixmap>

// The product's picture for the about boxes and the windows' built-in icon: a
// disc with a menu on it, drawn rather than shipped, 71 by 71 pixels.
QPixmap productPicture();
