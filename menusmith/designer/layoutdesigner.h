#pragma once

#include <QObject>
#include <QPointer>

class Desktop;
class DesignerWindow;
class ModificatorWindow;
class Prompts;
class UiTexts;
struct EditorState;

// What the editor's main window sees of the layout designer: opening it for
// the author, the silent pass that captures a freshly opened file's layout,
// and the end of a design.
class LayoutDesigner : public QObject {
    Q_OBJECT

public:
    LayoutDesigner(EditorState& state, const UiTexts& texts, Prompts& prompts, Desktop& desktop,
                   QWidget* editorWindow);
    ~LayoutDesigner() override;

    // The designer and the modificator show the project's config.ini as it
    // is on disk, and the editor window steps aside until the design ends.
    // Without a project the author is told to open or create one first.
    void open();

    // Reads the project's config.ini through the designer, without showing
    // anything, and keeps its layout, completed by the designer's built-in
    // placement, in layoutText.
    void captureLayout();

    // Out of line: the windows are only declared here.
    bool isOpen() const;
    DesignerWindow* designerWindow() const;
    ModificatorWindow* modificator() const;

signals:
    // The design has ended and the editor window is back.
    void closed();

private:
    // Makes both windows and loads the designer; false when the file did not read.
    bool create();
    // The one ending of every design: the layout when applying, the editor
    // window back, both windows gone, layoutApply cleared.
    void finish();
    void reportClamped(const QStringList& tags);
    void showAbout();

    EditorState& m_state;
    const UiTexts& m_texts;
    Prompts& m_prompts;
    Desktop& m_desktop;
    QPointer<QWidget> m_editorWindow;
    QPointer<DesignerWindow> m_designer;
    QPointer<ModificatorWindow> m_modificator;
    bool m_finishing = false;
};
