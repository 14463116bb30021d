#pragma once

#include "editorstate.h"
#include "projectfile.h"
#include "uitexts.h"

#include <configfile.h>

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <memory>

class CategoriesPanel;
class CheckWindow;
class DatabasePanel;
class Desktop;
class IconsPanel;
class LayoutDesigner;
class Prompts;
class QAction;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class TextPanel;
struct Finding;

// The editor's main window: the five panels, the project's lifecycle (new,
// open, save, exit), the designer button, the test run, the help page and the
// maker's links. It owns the editor-wide values and the language texts that
// every other editor window reads.
class Form2 : public QMainWindow {
    Q_OBJECT

public:
    enum class Panel { File, Text, Icons, Database, Categories };

    // language is "IT" or "EN"; programFolder holds the Help folder and, for
    // the test run, the installed menu program (the application's folder when
    // empty).
    Form2(const QString& language, Prompts& prompts, Desktop& desktop,
          const QString& programFolder = {}, QWidget* parent = nullptr);
    ~Form2() override;

    EditorState& state() { return m_state; }
    const UiTexts& texts() const { return m_texts; }

    Panel currentPanel() const;
    void selectPanel(Panel panel);

    // The operations of the buttons and menu items.
    void newProject();
    void openProject();
    // Opens path without a dialog, as the command line asks; false when it
    // cannot be read (the message has been shown).
    bool openProjectFile(const QString& path);
    void saveProject();
    void exitEditor();
    void openDesigner();
    void testRun();
    void openHelp();
    void showAbout();
    // Checks the saved config.ini and lists what would fail on the end
    // user's machine; unsaved changes are saved first when the author agrees.
    void checkDisc();
    // Makes the saved project into a disc folder with the menu runtime, in a
    // folder the author chooses; unsaved changes are saved first when the
    // author agrees.
    void prepareDisc();
    // Opens the record or the panel that holds what finding is about.
    void showFinding(const Finding& finding);
    // Hands one of the maker's addresses to the desktop; key is the name of
    // the menu item or label that asks for it.
    void openLink(const QString& key);

    // The menu program that a test run starts, and how.
    QString testRunCommandLine() const;

    // The code page the project is saved in; changing it is refused (with a
    // message naming the field) when a text does not fit the new one.
    CodePage encoding() const { return m_encoding; }
    bool changeEncoding(CodePage encoding);

    // The application's lists, as the Database panel holds them.
    QList<AppEntry> records() const;
    DatabasePanel* databasePanel() const { return m_database; }
    CategoriesPanel* categoriesPanel() const { return m_categories; }
    LayoutDesigner* designer() const { return m_designer.get(); }
    CheckWindow* checkWindow() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void buildMenus();
    QWidget* buildFilePanel();
    QWidget* buildEncodingFrame(QWidget* parent);
    void showEncoding(CodePage encoding);
    // Before a save: a text that the code page cannot hold gets the question
    // whether to save in UTF-8. False when the author declines.
    bool settleEncoding(ConfigFile& config);
    void applyCaptions();
    void applyTooltips();
    void connectPanels();
    void setEditing(bool editing);

    void loadIni(const OpenedProject& project);
    void aggiornacampi();
    ConfigFile projectFromControls() const;
    QList<QLineEdit*> generalSettingBoxes() const;
    void refreshLayoutText();
    void captureLayout();
    bool askExit();
    bool hasUnsavedChanges() const;
    // False when changes stay unsaved: the author said No (to questionKey) or
    // the save failed.
    bool saveChangesFirst(QStringView questionKey);
    void showFindings(const QList<Finding>& findings);
    void message(const QString& text);
    QString initialFolder() const;
    // Makes path the open project's file, and its folder the current one.
    void setProjectPath(const QString& path);

    EditorState m_state;
    UiTexts m_texts;
    Prompts& m_prompts;
    Desktop& m_desktop;
    QString m_programFolder;
    bool m_exitConfirmed = false;

    QList<QRadioButton*> m_selectors; // Option1 .. Option5
    QList<QWidget*> m_panels;         // Frame3, Frame2, Frame1, Frame4, Frame16
    QList<QAction*> m_panelActions;   // file2, Configurazionetesto, icone, database, categorie
    QList<QAction*> m_lockedActions;  // disabled while a record is edited
    QPushButton* m_designerButton = nullptr; // Command13
    QLineEdit* m_projectPath = nullptr;      // Text18
    QLineEdit* m_currentRecord = nullptr;    // Text17
    QPlainTextEdit* m_layoutText = nullptr;  // Text19
    QComboBox* m_encodingBox = nullptr;      // Combo2
    CodePage m_encoding = CodePage::Windows1252;
    QString m_codePageTag; // [CODP] of the open file, kept for the next save
    TextPanel* m_textPanel = nullptr;
    IconsPanel* m_iconsPanel = nullptr;
    DatabasePanel* m_database = nullptr;
    CategoriesPanel* m_categories = nullptr;
    std::unique_ptr<LayoutDesigner> m_designer;
    QPointer<CheckWindow> m_checkWindow;
};
