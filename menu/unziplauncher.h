#pragma once

#include <QObject>
#include <QString>

#include <memory>

class Form1;
class Prompts;
class VBUnzFrm;

// Opens the unzip window for the menu window's "[UNZIP]" actions: made on
// the first one, in the menu's language, its caption naming the application
// chosen in the list.
class UnzipLauncher : public QObject {
    Q_OBJECT

public:
    UnzipLauncher(Form1& form, Prompts& prompts, QString language);
    ~UnzipLauncher() override;

    // Null until the first "[UNZIP]" action.
    VBUnzFrm* window() const { return m_window.get(); }

private:
    void open(const QString& zipFName, const QString& extractRoot);

    Form1& m_form;
    Prompts& m_prompts;
    QString m_language;
    std::unique_ptr<VBUnzFrm> m_window;
};
