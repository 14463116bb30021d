#pragma once

#include <QString>

// The values that the editor's windows share while a project is open. One
// instance lives as long as the main window; every other window gets it by
// reference.
struct EditorState {
    // "IT", "EN" or another language that ships, fixed at start-up.
    QString editorLanguage = QStringLiteral("IT");
    // Folder of the open config.ini, ending with "/"; empty while no project
    // is open.
    QString projectFolder;
    // Full path of the open config.ini (the project path of the File panel);
    // empty while no project is open.
    QString projectFile;
    // Row of the record being edited in the Database panel; -1 for none.
    int currentRecord = -1;
    // Set by the modificator's apply; tells the designer's closing sequence
    // to turn its state into new layout lines.
    bool layoutApply = false;
    // The layout lines that the next save writes after the applications.
    QString layoutText;
    // The object picked in the designer ("command1", "form1", ...). Kept when
    // the designer closes, so that it opens on the same object again.
    QString selectedObject;
    // Height of a window's title bar, menu bar and borders, measured at start-up.
    int frameHeight = 0;
    // The record field that the internet shortcut dialog writes into.
    QString internetTarget;

    bool hasProject() const { return !projectFolder.isEmpty(); }
};
