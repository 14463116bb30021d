#include "qtprompts.h"

#include "promptdialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>

QtPrompts::QtPrompts(QWidget* owner)
    : m_owner(owner) {}

void QtPrompts::setOwner(QWidget* owner) {
    m_owner = owner;
}

QWidget* QtPrompts::owner() const {
    return m_owner ? m_owner.data() : QApplication::activeWindow();
}

Prompts::Answer QtPrompts::messageBox(const QString& text, const QString& title, Buttons buttons,
                                      Icon icon, Answer defaultButton) {
    QMessageBox box(owner());
    promptdialogs::setUp(box, text, title, buttons, icon, defaultButton);
    return promptdialogs::answerFor(static_cast<QMessageBox::StandardButton>(box.exec()));
}

namespace {

std::optional<QString> runInputBox(QWidget* owner, const QString& prompt, const QString& title,
                                   const QString& defaultText, Prompts::Echo echo) {
    QInputDialog dialog(owner);
    promptdialogs::setUp(dialog, prompt, title, defaultText, echo);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

} // namespace

std::optional<QString> QtPrompts::inputBox(const QString& prompt, const QString& title,
                                           const QString& defaultText) {
    return runInputBox(owner(), prompt, title, defaultText, Echo::Normal);
}

std::optional<QString> QtPrompts::passwordBox(const QString& prompt, const QString& title) {
    return runInputBox(owner(), prompt, title, QString(), Echo::Password);
}

namespace {

std::optional<QString> runFileDialog(QWidget* owner, const Prompts::FileDialogRequest& request,
                                     promptdialogs::FileDialogKind kind) {
    QFileDialog dialog(owner);
    promptdialogs::setUp(dialog, request, kind);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> QtPrompts::openFileDialog(const FileDialogRequest& request) {
    return runFileDialog(owner(), request, promptdialogs::FileDialogKind::Open);
}

std::optional<QString> QtPrompts::saveFileDialog(const FileDialogRequest& request) {
    return runFileDialog(owner(), request, promptdialogs::FileDialogKind::Save);
}

std::optional<QColor> QtPrompts::colourDialog(const QColor& initial,
                                              const QList<QColor>& customColours) {
    // Qt keeps custom colours for the whole application; each dialog starts
    // from the caller's set so that nothing carries over from the last one.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, i < customColours.size() ? customColours.at(i)
                                                                 : QColor(Qt::black));
    QColorDialog dialog(initial, owner());
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}
