#pragma once

#include "configcolour.h"
#include "configtags.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// A position and size in pixels of the window's client area. Kept unrounded,
// so that half-pixel steps survive until the layout is written out.
struct FaceGeometry {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    friend constexpr bool operator==(const FaceGeometry&, const FaceGeometry&) = default;
};

// Where one movable control starts out and in which colours.
struct FaceControlPlacement {
    LayoutObjectId id;
    FaceGeometry geometry;
    ConfigColour back;
    ConfigColour text; // used by the list and the text panel only
};

// The built-in placement of the whole face, before any layout line.
struct FacePlacement {
    // The seven movable controls, in the order of layoutObjects.
    std::array<FaceControlPlacement, kLayoutControlCount> controls;
    FaceGeometry categoryBox; // Combo1, no layout object
    ConfigColour windowColour;
    int clientWidth = 0;
    int clientHeight = 0;
};

// The menu window as designed. The colours are the platform's usual ones for
// each kind of control: button face for buttons and picture frames, window
// background and window text for the list and the text panel.
inline constexpr FacePlacement kMenuPlacement{
    {{
        {LayoutObjectId::InstallButton,
         {560, 88, 57, 57},
         ConfigColour(ConfigColour::buttonFace),
         ConfigColour(ConfigColour::buttonText)},
        {LayoutObjectId::ExploreButton,
         {560, 176, 57, 57},
         ConfigColour(ConfigColour::buttonFace),
         ConfigColour(ConfigColour::buttonText)},
        {LayoutObjectId::ExtraButton,
         {560, 264, 57, 57},
         ConfigColour(ConfigColour::buttonFace),
         ConfigColour(ConfigColour::buttonText)},
        {LayoutObjectId::AppPicture,
         {232, 88, 313, 241},
         ConfigColour(ConfigColour::buttonFace),
         ConfigColour(ConfigColour::buttonText)},
        {LayoutObjectId::Logo,
         {16, 520, 625, 86},
         ConfigColour(ConfigColour::buttonFace),
         ConfigColour(ConfigColour::buttonText)},
        {LayoutObjectId::AppList,
         {8, 208, 201, 173},
         ConfigColour(ConfigColour::windowBackground),
         ConfigColour(ConfigColour::windowText)},
        {LayoutObjectId::TextPanel,
         {232, 336, 393, 82},
         ConfigColour(ConfigColour::windowBackground),
         ConfigColour(ConfigColour::windowText)},
    }},
    {16, 120, 153, 21},
    ConfigColour(ConfigColour::buttonFace),
    750,
    620,
};

// The pictures the face shows, besides the colours.
enum class FacePicture : quint8 {
    InstallButton,        // Command1
    InstallButtonPressed, // Command1 while held down
    ExtraButton,          // Command4
    ExtraButtonPressed,   // Command4 while held down
    AppPicture,           // Picture5 inside Picture1
    Logo,                 // Picture2 inside Picture9
    Background,           // the window's own picture, at the top left
};

// What applyLayoutLine did with one line.
struct LayoutLineResult {
    enum class Outcome : quint8 {
        Applied,   // the face took the value
        Unchanged, // the value did not convert; the property keeps what it had
        ForWindow, // [FO1T], [FO1L], [FO1W] or [FO1H]: the owner sizes or moves itself
    };
    Outcome outcome;
    LayoutProperty property = LayoutProperty::Top; // for ForWindow
    double value = 0;                              // for ForWindow, unrounded
};

// The client area of the menu window: its controls at absolute pixel
// positions, their colours and pictures, and the window's background colour
// and picture. The menu window and the layout designer both show one, each
// with its own built-in placement.
class MenuFace : public QWidget {
    Q_OBJECT

public:
    explicit MenuFace(const FacePlacement& placement, QWidget* parent = nullptr);
    ~MenuFace() override;

    QListWidget* appList() const { return m_list; }          // List2
    QComboBox* categoryBox() const { return m_combo; }       // Combo1
    QFrame* appPictureFrame() const { return m_picture1; }   // Picture1
    QLabel* appPicture() const { return m_picture5; }        // Picture5
    QPlainTextEdit* textPanel() const { return m_text; }     // Text1
    QPushButton* installButton() const { return m_install; } // Command1
    QPushButton* exploreButton() const { return m_explore; } // Command2
    QPushButton* extraButton() const { return m_extra; }     // Command4
    QFrame* logoFrame() const { return m_picture9; }         // Picture9
    QLabel* logo() const { return m_picture2; }              // Picture2

    // The widget of one of the seven movable controls; null for the window.
    QWidget* control(LayoutObjectId id) const;

    FaceGeometry controlGeometry(LayoutObjectId id) const;
    // Places the control; the widget takes the rounded values. A size below
    // zero is refused and leaves the control where it was.
    bool setControlGeometry(LayoutObjectId id, const FaceGeometry& geometry);

    ConfigColour backColour(LayoutObjectId id) const;
    void setBackColour(LayoutObjectId id, ConfigColour colour);
    // Only the list and the text panel have a text colour of their own.
    ConfigColour textColour(LayoutObjectId id) const;
    bool setTextColour(LayoutObjectId id, ConfigColour colour);

    ConfigColour windowColour() const { return m_windowColour; }
    void setWindowColour(ConfigColour colour);

    // Relative picture paths are looked up in this folder; the current
    // folder when none was set.
    void setPictureFolder(const QString& folder) { m_folder = folder; }
    QString pictureFolder() const;

    // A null pixmap keeps the picture that is shown.
    void setPicture(FacePicture which, const QPixmap& pixmap);
    QPixmap picture(FacePicture which) const;
    // Loads storedPath; false, keeping the old picture, when it does not load.
    bool loadPicture(FacePicture which, const QString& storedPath);

    // The background path as the last [BKGR] line gave it, to write it back.
    QString backgroundPath() const { return m_backgroundPath; }

    // Applies one layout line at once. The window's position and size belong
    // to the owner and come back as ForWindow; [FO1C] and [BKGR] are the
    // face's own, as it fills the whole client area.
    LayoutLineResult applyLayoutLine(LayoutKey key, QStringView value);

    // Centres Picture5 in Picture1 and Picture2 in Picture9.
    void centrePictures();

    // Shows Combo1 over the top of List2, as the menu does with categories on:
    // the drop-down takes the list's left, top, width and colours, and the
    // list gets shorter by the drop-down's height and moves down as much.
    void showCategoryBoxOverList();
    // Each of the two on its own: the designer keeps the logo centred in its
    // frame at every change, the application picture only when asked.
    void centreLogo();
    void centreAppPicture();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Control {
        QWidget* widget = nullptr;
        FaceGeometry geometry;
        ConfigColour back;
        ConfigColour text;
    };

    Control* find(LayoutObjectId id);
    const Control* find(LayoutObjectId id) const;
    void showColours(const Control& control);
    void showButtonPicture(QPushButton* button, bool down);
    static void centreIn(QWidget* picture, const QWidget* frame);

    QListWidget* m_list = nullptr;
    QComboBox* m_combo = nullptr;
    QFrame* m_picture1 = nullptr;
    QLabel* m_picture5 = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QPushButton* m_install = nullptr;
    QPushButton* m_explore = nullptr;
    QPushButton* m_extra = nullptr;
    QFrame* m_picture9 = nullptr;
    QLabel* m_picture2 = nullptr;

    std::array<Control, kLayoutControlCount> m_controls;
    std::array<QPixmap, 7> m_pictures; // by FacePicture
    ConfigColour m_windowColour;
    QString m_backgroundPath;
    QString m_folder;
    QSize m_clientSize;
};
