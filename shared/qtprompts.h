#pragma once

#include "prompts.h"
#include "qttranslations.h"

#include <QPointer>
#include <QWidget>

// The prompts seam on Qt's own dialogs. Each dialog is modal to the owner
// given here, or to the application's active window when there is none.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* owner = nullptr);

    void setOwner(QWidget* owner);

    Answer messageBox(const QString& text, const QString& title, Buttons buttons, Icon icon,
                      Answer defaultButton) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override;
    std::optional<QString> passwordBox(const QString& prompt, const QString& title) override;
    std::optional<QString> openFileDialog(const FileDialogRequest& request) override;
    std::optional<QString> saveFileDialog(const FileDialogRequest& request) override;
    std::optional<QColor> colourDialog(const QColor& initial,
                                       const QList<QColor>& customColours) override;

private:
    QWidget* owner() const;

    QPointer<QWidget> m_owner;
};
