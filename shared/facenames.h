#pragma once

#include <QStringView>

class MenuFace;

// Gives the menu face's controls the names and descriptions a screen reader
// announces, in the language "IT", "EN" or another that ships: the list, the drop-down and the
// text panel have no caption, and the picture buttons may show only a picture.
void nameFaceControls(MenuFace& face, QStringView language);
