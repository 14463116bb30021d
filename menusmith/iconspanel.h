#pragma once

#include <QGroupBox>
#include <QList>

class Prompts;
class QLineEdit;
class QPushButton;
class UiTexts;
struct EditorState;

// The Icons panel (Frame1): the window icon and the four pictures of the
// install and extra buttons, typed or chosen with a picker that stores the
// path relative to the project folder.
class IconsPanel : public QGroupBox {
    Q_OBJECT

public:
    enum Field { WindowIcon, InstallButton, InstallPressed, ExtraButton, ExtraPressed };
    static constexpr int fieldCount = 5;

    IconsPanel(EditorState& state, const UiTexts& texts, Prompts& prompts,
               QWidget* parent = nullptr);

    QLineEdit* box(Field field) const { return m_boxes[field]; }        // Text2 .. Text6
    QPushButton* picker(Field field) const { return m_pickers[field]; } // Command15 .. Command19

private:
    void pick(Field field);

    EditorState& m_state;
    const UiTexts& m_texts;
    Prompts& m_prompts;
    QList<QLineEdit*> m_boxes;
    QList<QPushButton*> m_pickers;
};
