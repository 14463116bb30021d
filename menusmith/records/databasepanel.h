#pragma once

#include <configfile.h>

#include <QList>
#include <QStringList>
#include <QWidget>

class QListWidget;
class QPushButton;
class Prompts;
class RecordEditor;
class UiTexts;
struct EditorState;

// The Database panel: the list of the disc's applications with add, modify,
// delete and reorder, and the record editor that covers the panel while a
// record is edited. The records are kept here; the panel's list shows their
// names in the same order.
class DatabasePanel : public QWidget {
    Q_OBJECT

public:
    DatabasePanel(EditorState& state, const UiTexts& texts, Prompts& prompts,
                  QWidget* parent = nullptr);

    // A file was read or a project started: the records replace the old ones.
    // currentRecord keeps its value and the edit fields show that record.
    void setRecords(const QList<AppEntry>& records);
    QList<AppEntry> records() const { return m_records; }

    // The choices of the record editor's category drop-down: every category,
    // then one empty entry.
    void setCategoryChoices(const QStringList& categories);
    // Categories on: the record editor shows its category drop-down, and OK
    // stores its choice; off: OK stores "n/a".
    void setCategoriesShown(bool shown);

    bool isEditing() const;

    // Makes record row current and shows it, as a click on its name does.
    void showRecord(int row);

    // The buttons and the record editor, for the main window and for tests.
    RecordEditor* recordEditor() const { return m_editor; }

signals:
    // The record editor opened (true) or closed (false). While it is open the
    // main window disables its panel selectors, the designer button and the
    // menu items that would leave the record half-edited.
    void editingChanged(bool editing);
    // The edit fields were filled from record currentRecord (-1 or beyond the
    // end: empty fields), after a click, an add, a delete, a move, a cancel or
    // a file read. The main window shows the number in its Text17.
    void currentRecordShown(int currentRecord);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    bool hasCurrentRecord() const;
    int selectedRow() const;
    void selectRecord(int row);
    void showCurrentRecord();
    void copyNamesToEditor();
    void refreshNames(int selectedRow);
    void setBrowsingEnabled(bool enabled);
    void openEditor();
    void closeEditor();

    void addRecord();
    void modifyRecord();
    void deleteRecord();
    void moveUp();
    void moveDown();
    void confirmRecord();
    void cancelRecord();

    EditorState& m_state;
    const UiTexts& m_texts;
    QList<AppEntry> m_records;
    bool m_categoriesShown = false;
    bool m_refreshing = false;

    QListWidget* m_names = nullptr;   // List2
    QPushButton* m_add = nullptr;     // Command5
    QPushButton* m_modify = nullptr;  // Command4
    QPushButton* m_delete = nullptr;  // Command6
    QPushButton* m_up = nullptr;      // Command8
    QPushButton* m_down = nullptr;    // Command9
    RecordEditor* m_editor = nullptr; // Frame99
};
