#pragma once

#include <prompts.h>

#include <QList>
#include <QString>

// The answer of the latest file dialog, read by the caller that showed it.
struct DialogResults {
    bool dialogResult = false; // true when the user confirmed a file
    QString dialogPath;        // the full path chosen
    QString dialogFolder;      // the folder part of dialogPath, ending with its separator
    QString dialogFileName;    // the rest of dialogPath
};

// Shows the open dialog and overwrites all four results; cancel leaves the
// texts empty. Returns dialogResult.
bool showOpenDialog(Prompts& prompts, DialogResults& results, const QString& title,
                    const QList<Prompts::FileFilter>& filters, const QString& initialFolder,
                    const QString& defaultExtension = {});

// The same for the save dialog, with suggestedName in its file-name field.
bool showSaveDialog(Prompts& prompts, DialogResults& results, const QString& title,
                    const QList<Prompts::FileFilter>& filters, const QString& initialFolder,
                    const QString& suggestedName, const QString& defaultExtension = {});

// Splits a chosen path into the results, as a confirmed dialog leaves them.
void setDialogResults(DialogResults& results, const QString& chosenPath);

// What a picker stores for a chosen file: the path relative to projectFolder
// written with "\" separators, so that the Windows menu reads it too. A file
// outside the project folder (or with no project) keeps its absolute path.
QString storedPath(const QString& projectFolder, const QString& absolutePath);

// The same for a folder: relative with a final "\", "" for the project folder
// itself, an absolute folder with its final separator.
QString storedFolder(const QString& projectFolder, const QString& absoluteFolder);
