#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class UiTexts;
struct EditorState;

// The internet shortcut dialog: the author types a web, FTP or e-mail address
// and OK hands "[INTERNET]" + the address to the record field that the latest
// request named (EditorState::internetTarget). Not modal; it destroys itself
// when closed.
class Form4 : public QDialog {
    Q_OBJECT

public:
    Form4(EditorState& state, const UiTexts& texts, QWidget* parent = nullptr);

    // The command that OK hands over for this address.
    static QString commandFor(const QString& address);

signals:
    // OK was pressed: target is the internetTarget at that moment.
    void commandChosen(const QString& target, const QString& command);

private:
    void confirm();
    void usePrefix(const QString& prefix);

    EditorState& m_state;
    QLabel* m_hint = nullptr;        // Label1
    QRadioButton* m_web = nullptr;   // Option1
    QRadioButton* m_ftp = nullptr;   // Option2
    QRadioButton* m_email = nullptr; // Option3
    QLineEdit* m_address = nullptr;  // Text1
    QPushButton* m_ok = nullptr;     // Command1
    QPushButton* m_cancel = nullptr; // Command2
};
