#pragma once

#include "configtags.h"
#include "gridstep.h"

#include <QWidget>

#include <optional>

struct EditorState;
class DesignerWindow;
class Prompts;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class UiTexts;

// The modificator, Form3: the tool window that moves, stretches and colours
// the object picked in the designer, chooses the window's background picture,
// restores the factory layout, and ends the design with apply or cancel.
class ModificatorWindow : public QWidget {
    Q_OBJECT

public:
    ModificatorWindow(EditorState& state, const UiTexts& texts, Prompts& prompts,
                      DesignerWindow& designer, QWidget* parent = nullptr);
    ~ModificatorWindow() override;

    // A pick in the designer: remembers it, names it, and comes forward.
    void showPick(LayoutObjectId object);
    // Beside the designer, wholly on the screen, off the edited control.
    void placeBesideDesigner(std::optional<LayoutObjectId> edited = std::nullopt);

    // Text2: the background path, relative to the project folder.
    QString backgroundPath() const;
    void setBackgroundPath(const QString& path);

    // The operations of the buttons.
    void step(GridAction action);
    void chooseBackColour();
    void chooseTextColour();
    void chooseBackground();
    void restoreFactoryLayout();

signals:
    void applyRequested();  // Command9
    void cancelRequested(); // Command10
    // The close box, or close() called by anyone.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    // Where the control stands on the screen; empty for the window itself.
    QRect editedControlArea(LayoutObjectId object) const;
    void setCaptions();
    std::optional<QColor> askColour();
    void tell(const QString& text);
    bool translated() const;

    EditorState& m_state;
    const UiTexts& m_texts;
    Prompts& m_prompts;
    DesignerWindow& m_designer;

    QLineEdit* m_grid = nullptr;        // Text1
    QScrollBar* m_gridScroll = nullptr; // HScroll1
    QLineEdit* m_selected = nullptr;    // Text3
    QLineEdit* m_background = nullptr;  // Text2
};
