#pragma once

#include <QString>

// The menu window's texts that depend on the language, "IT" unless the
// language is "EN".
struct MenuTexts {
    QString exploreCaption; // Command2
    QString aboutCredit;    // the about box's credit line

    static MenuTexts forLanguage(const QString& language);
};
