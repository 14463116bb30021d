#pragma once

#include <QGroupBox>

class QComboBox;
class QLabel;
class QLineEdit;
class UiTexts;

// The Text configuration panel (Frame2): the menu's title, introduction and
// about text, taken as they are when the project is saved.
class TextPanel : public QGroupBox {
    Q_OBJECT

public:
    TextPanel(const UiTexts& texts, QWidget* parent = nullptr);

    QLineEdit* titleBox() const { return m_title; } // Text1
    QLineEdit* introBox() const { return m_intro; } // Text7
    QLineEdit* aboutBox() const { return m_about; } // Text8

    // The menu's language ([LING]): "" for the system's, "IT" or "EN".
    QString menuLanguage() const;
    void setMenuLanguage(const QString& language);

private:
    QLineEdit* m_title = nullptr;
    QLineEdit* m_intro = nullptr;
    QLineEdit* m_about = nullptr;
    QComboBox* m_language = nullptr; // Combo3
};
