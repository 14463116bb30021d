#include "promptdialogs.h"

#include "filedialogfilter.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>

namespace promptdialogs {

namespace {

QList<QMessageBox::StandardButton> standardButtons(Prompts::Buttons buttons) {
    using B = QMessageBox::StandardButton;
    switch (buttons) {
    case Prompts::Buttons::Ok:
        return {B::Ok};
    case Prompts::Buttons::OkCancel:
        return {B::Ok, B::Cancel};
    case Prompts::Buttons::YesNo:
        return {B::Yes, B::No};
    case Prompts::Buttons::YesNoCancel:
        return {B::Yes, B::No, B::Cancel};
    case Prompts::Buttons::RetryCancel:
        return {B::Retry, B::Cancel};
    case Prompts::Buttons::AbortRetryIgnore:
        return {B::Abort, B::Retry, B::Ignore};
    }
    return {B::Ok};
}

QMessageBox::StandardButton standardButton(Prompts::Answer answer) {
    using B = QMessageBox::StandardButton;
    switch (answer) {
    case Prompts::Answer::Ok:
        return B::Ok;
    case Prompts::Answer::Cancel:
        return B::Cancel;
    case Prompts::Answer::Yes:
        return B::Yes;
    case Prompts::Answer::No:
        return B::No;
    case Prompts::Answer::Retry:
        return B::Retry;
    case Prompts::Answer::Abort:
        return B::Abort;
    case Prompts::Answer::Ignore:
        return B::Ignore;
    }
    return B::NoButton;
}

QMessageBox::Icon messageIcon(Prompts::Icon icon) {
    switch (icon) {
    case Prompts::Icon::None:
        return QMessageBox::NoIcon;
    case Prompts::Icon::Critical:
        return QMessageBox::Critical;
    case Prompts::Icon::Question:
        return QMessageBox::Question;
    case Prompts::Icon::Exclamation:
        return QMessageBox::Warning;
    case Prompts::Icon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void setUp(QMessageBox& box, const QString& text, const QString& title, Prompts::Buttons buttons,
           Prompts::Icon icon, Prompts::Answer defaultButton) {
    box.setText(text);
    box.setWindowTitle(title);
    box.setIcon(messageIcon(icon));
    const QList<QMessageBox::StandardButton> list = standardButtons(buttons);
    QMessageBox::StandardButtons flags;
    for (QMessageBox::StandardButton button : list)
        flags |= button;
    box.setStandardButtons(flags);
    const QMessageBox::StandardButton wanted = standardButton(defaultButton);
    box.setDefaultButton(list.contains(wanted) ? wanted : list.first());
    // Escape answers as closing the box would: Cancel where there is one,
    // otherwise the only button of an OK box. Yes/No and Abort/Retry/Ignore
    // boxes cannot be escaped.
    if (list.contains(QMessageBox::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    else if (list.size() == 1)
        box.setEscapeButton(list.first());
    else
        box.setEscapeButton(static_cast<QAbstractButton*>(nullptr));
}

void setUp(QInputDialog& dialog, const QString& prompt, const QString& title,
           const QString& defaultText, Prompts::Echo echo) {
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(prompt);
    dialog.setWindowTitle(title);
    dialog.setTextValue(defaultText);
    dialog.setTextEchoMode(echo == Prompts::Echo::Password ? QLineEdit::Password
                                                           : QLineEdit::Normal);
}

Prompts::Answer answerFor(QMessageBox::StandardButton clicked) {
    switch (clicked) {
    case QMessageBox::Ok:
        return Prompts::Answer::Ok;
    case QMessageBox::Yes:
        return Prompts::Answer::Yes;
    case QMessageBox::No:
        return Prompts::Answer::No;
    case QMessageBox::Retry:
        return Prompts::Answer::Retry;
    case QMessageBox::Abort:
        return Prompts::Answer::Abort;
    case QMessageBox::Ignore:
        return Prompts::Answer::Ignore;
    default:
        return Prompts::Answer::Cancel;
    }
}

QString nameFilter(const Prompts::FileFilter& filter) {
    QStringList patterns = filter.patterns.split(u';', Qt::SkipEmptyParts);
    for (QString& pattern : patterns)
        pattern = pattern.trimmed();
    const QString description =
        filter.description.isEmpty() ? patterns.join(u' ') : filter.description;
    return description + u" (" + patterns.join(u' ') + u')';
}

void setUp(QFileDialog& dialog, const Prompts::FileDialogRequest& request, FileDialogKind kind) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(request.title);
    dialog.setAcceptMode(kind == FileDialogKind::Save ? QFileDialog::AcceptSave
                                                      : QFileDialog::AcceptOpen);
    // Like the Windows dialog without options: a typed name of a missing file
    // is accepted, and saving over a file is not questioned here.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QStringList filters;
    for (const Prompts::FileFilter& filter : request.filters)
        filters << nameFilter(filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    QString suffix = request.defaultExtension;
    if (suffix.startsWith(u'.'))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (!request.initialFolder.isEmpty())
        dialog.setDirectory(request.initialFolder);
    if (kind == FileDialogKind::Save && !request.suggestedName.isEmpty())
        dialog.selectFile(request.suggestedName);
    // "*.*" and the program entry as the Windows dialog has them.
    dialog.setProxyModel(new FileDialogFilter(&dialog));
}

} // namespace promptdialogs
