#pragma once

#include <QColor>
#include <QList>
#include <QString>

#include <optional>

// Every modal question the programs ask: message boxes, the input box, the
// file dialogs and the colour dialog. Windows use this interface only, so that
// tests can answer from a script instead of showing a dialog.
class Prompts {
public:
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
    enum class Icon { None, Critical, Question, Exclamation, Information };
    enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };
    // How the input box shows what is typed: as it is, or as dots (passwords).
    enum class Echo { Normal, Password };

    // One entry of a file dialog's type list: "Bitmaps (*.bmp)" with "*.bmp",
    // or several patterns separated by ";" as in "*.ico;*.cur".
    struct FileFilter {
        QString description;
        QString patterns;
        friend bool operator==(const FileFilter&, const FileFilter&) = default;
    };

    struct FileDialogRequest {
        QString title;
        QList<FileFilter> filters;
        QString defaultExtension; // without the dot; empty for none
        QString initialFolder;
        QString suggestedName; // file-name field of a save dialog
        friend bool operator==(const FileDialogRequest&, const FileDialogRequest&) = default;
    };

    virtual ~Prompts() = default;

    // The button pressed; closing the box counts as its cancel button (or the
    // only button of an OK box). A defaultButton not in buttons means the first.
    virtual Answer messageBox(const QString& text, const QString& title, Buttons buttons, Icon icon,
                              Answer defaultButton) = 0;

    // The text entered, or nothing when cancelled.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText) = 0;

    // An input box that shows what is typed as dots, for passwords. The
    // default asks through inputBox, for doubles that show nothing.
    virtual std::optional<QString> passwordBox(const QString& prompt, const QString& title) {
        return inputBox(prompt, title, QString());
    }

    // The full path chosen, or nothing when cancelled. The open dialog accepts
    // a typed name of a file that does not exist; the save dialog does not ask
    // before overwriting, the caller decides.
    virtual std::optional<QString> openFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFileDialog(const FileDialogRequest& request) = 0;

    // The colour chosen, or nothing when cancelled. customColours (up to 16)
    // are offered; colours the user defines are not kept.
    virtual std::optional<QColor> colourDialog(const QColor& initial,
                                               const QList<QColor>& customColours) = 0;
};

// Readable names, for test messages and logs.
QString nameOf(Prompts::Buttons buttons);
QString nameOf(Prompts::Icon icon);
QString nameOf(Prompts::Answer answer);
