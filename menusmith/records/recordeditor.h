#pragma once

#include <configfile.h>

#include <QFrame>
#include <QPointer>
#include <QStringList>

enum class RecordPicker;

class Form4;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Prompts;
class UiTexts;
struct EditorState;

// The record editor: the edit fields of one application, the pickers that fill
// them, the category drop-down and OK / cancel. It lies over the whole Database
// panel while it is visible; the panel decides what OK and cancel do.
class RecordEditor : public QFrame {
    Q_OBJECT

public:
    RecordEditor(EditorState& state, const UiTexts& texts, Prompts& prompts,
                 QWidget* parent = nullptr);

    // Text9 .. Text16; the category is left to the drop-down.
    AppEntry fields() const;
    void setFields(const AppEntry& record);

    // List11: the names, with one selected (-1 for none).
    void setNames(const QStringList& names, int selectedRow);

    // Combo1: the categories, then one empty entry.
    void setCategoryChoices(const QStringList& categories);
    void setCategoriesShown(bool shown);
    // Selects category in the drop-down. A name that is not among the choices
    // (removed since, "n/a" or "0") is shown as one more entry after them, in
    // italics, so that the author sees it and an unchanged record keeps it.
    void setCategory(const QString& category);
    QString category() const;

    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    // The internet shortcut dialog while it is open, else null.
    Form4* internetDialog() const;

    // An edit field by its control name ("Text9" .. "Text16").
    QLineEdit* field(const QString& name) const;

private:
    void buildFields();
    void pick(RecordPicker picker);
    void openInternetDialog(const QString& target);
    void takeInternetCommand(const QString& target, const QString& command);

    EditorState& m_state;
    const UiTexts& m_texts;
    Prompts& m_prompts;

    QListWidget* m_names = nullptr;        // List11
    QLineEdit* m_name = nullptr;           // Text9
    QLineEdit* m_description = nullptr;    // Text10
    QLineEdit* m_picture = nullptr;        // Text11
    QLineEdit* m_installCaption = nullptr; // Text12
    QLineEdit* m_installCommand = nullptr; // Text13
    QLineEdit* m_folder = nullptr;         // Text14
    QLineEdit* m_extraCaption = nullptr;   // Text15
    QLineEdit* m_extraCommand = nullptr;   // Text16
    QLabel* m_categoryLabel = nullptr;     // Label30
    QComboBox* m_category = nullptr;       // Combo1
    int m_choiceCount = 0;                 // the categories and the empty entry
    QPushButton* m_ok = nullptr;           // Command7
    QPushButton* m_cancel = nullptr;       // Command99
    QPointer<Form4> m_internet;
};
