#pragma once

#include "prompts.h"

#include <QMessageBox>

class QFileDialog;
class QInputDialog;

// How QtPrompts sets up its Qt dialogs, apart from showing them, so that the
// set-up can be checked without a modal dialog on screen.
namespace promptdialogs {

void setUp(QMessageBox& box, const QString& text, const QString& title, Prompts::Buttons buttons,
           Prompts::Icon icon, Prompts::Answer defaultButton);

// The answer for the button that closed box; Escape and the close button
// give the box's escape button.
Prompts::Answer answerFor(QMessageBox::StandardButton clicked);

// "Bitmaps (*.bmp)" with "*.bmp;*.dib" becomes "Bitmaps (*.bmp) (*.bmp *.dib)",
// the form QFileDialog reads its patterns from.
QString nameFilter(const Prompts::FileFilter& filter);

void setUp(QInputDialog& dialog, const QString& prompt, const QString& title,
           const QString& defaultText, Prompts::Echo echo);

enum class FileDialogKind { Open, Save };
void setUp(QFileDialog& dialog, const Prompts::FileDialogRequest& request, FileDialogKind kind);

} // namespace promptdialogs
