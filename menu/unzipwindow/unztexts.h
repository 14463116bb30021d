#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The language-dependent texts of the unzip window and of its binding. The
// menu picks one set at start-up and never switches while running.
struct UnzTexts {
    QString locationCaption;     // caption of ZipFName
    QString extractionCaption;   // caption of ExtractRoot
    QString replacePromptBefore; // before the file name in the overwrite question
    QString replacePromptTitle;  // title of the overwrite question
    QString errorBefore;         // error box, before the code
    QString errorAfter;          // error box, after the code
    QString commentLabel;        // summary lines: label, then the number
    QString compressedSizeLabel;
    QString uncompressedSizeLabel;
    QString compressionFactorLabel; // ends in "%", so the sign stands before the number
    QString memberCountLabel;
    // The line under the summary that says what a failed pass means, by the
    // engine's result code; empty for success and unknown codes.
    QStringList resultLines;
    QString stopCaption;  // Exit's caption while a run goes on
    QString stopQuestion; // asked when the window is closed during a run
    QString stoppedLine;  // under the summary of a stopped run; %1: files written
    QString messagesName; // what a screen reader calls the message panel

    QString resultLine(int result) const { return resultLines.value(result); }
};

// The set for "IT", "EN" or another language whose texts ship; the Italian set
// for a language that does not ship. The same language gives the same object.
const UnzTexts& unzTexts(QStringView language);
