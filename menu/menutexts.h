#pragma once

#include "desktop.h"

#include <QString>

// The menu window's texts that depend on the language: "IT", "EN" or another
// language whose texts ship; Italian for one that does not.
struct MenuTexts {
    QString exploreCaption; // Command2
    QString aboutCredit;    // the about box's credit line
    // What an action that failed says, "%1" standing for the file.
    QString notFound;
    QString windowsProgram;
    QString notAProgram;
    QString noApplication;
    QString cannotStart;

    static MenuTexts forLanguage(const QString& language);

    // The message for a failed action, naming its file.
    QString failureMessage(const DesktopFailure& failure) const;
};
