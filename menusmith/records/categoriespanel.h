#pragma once

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QFrame;
class QLineEdit;
class QListWidget;
class QPushButton;
class Prompts;
class UiTexts;
struct EditorState;

// The Categories panel: categories on or off, and the ordered list of their
// names with add, remove and reorder. The record editor offers the names in its
// drop-down, which this panel asks to rebuild after an add or a remove.
class CategoriesPanel : public QWidget {
    Q_OBJECT

public:
    CategoriesPanel(EditorState& state, const UiTexts& texts, Prompts& prompts,
                    QWidget* parent = nullptr);

    // A file was read: the switch and the names replace the old ones, and the
    // drop-down is rebuilt.
    void setCategories(bool enabled, const QStringList& categories);
    bool categoriesEnabled() const;
    QStringList categories() const;

signals:
    // The record editor's drop-down is to hold these names and one empty entry.
    void categoryChoicesChanged(const QStringList& categories);
    // The record editor shows (true) or hides its category drop-down.
    void categoriesShownChanged(bool shown);

private:
    void applySwitch();
    void showInputBox();
    void confirmNewCategory();
    void cancelNewCategory();
    void removeCategory();
    void moveUp();
    void moveDown();
    int selectedIndex() const;
    void rebuildChoices();

    QCheckBox* m_switch = nullptr;    // Check1
    QFrame* m_listFrame = nullptr;    // Frame17
    QListWidget* m_names = nullptr;   // List1
    QPushButton* m_add = nullptr;     // Command28
    QPushButton* m_remove = nullptr;  // Command29
    QPushButton* m_up = nullptr;      // Command33
    QPushButton* m_down = nullptr;    // Command32
    QFrame* m_inputBox = nullptr;     // Frame18
    QLineEdit* m_newName = nullptr;   // Text20
    QPushButton* m_confirm = nullptr; // Command30
    QPushButton* m_cancel = nullptr;  // Command31
};
