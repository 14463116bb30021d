#pragma once

#include <QString>

// Puts Qt's own texts (the buttons of message boxes, the file and colour
// dialogs) into the program's language: "IT" loads Qt's Italian translation
// (another language Qt's own for it), "EN" keeps Qt's English. False when the
// translation is not installed; the dialogs then stay in English.
bool installQtTranslations(const QString& language);
