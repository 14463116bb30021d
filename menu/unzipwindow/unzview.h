#pragma once

#include <QString>

// What the binding does to the unzip window while a pass runs. Sizes are in
// twips, as the window's layout is.
class UnzView {
public:
    virtual ~UnzView() = default;

    virtual void hideWindow() = 0;
    virtual void showWindow() = 0;
    virtual void setWindowHeight(int twipsHeight) = 0;
    // Label3, Label4 and Picture1 together.
    virtual void setProgressShown(bool shown) = 0;
    virtual int barFrameWidth() const = 0; // Picture1
    virtual int barFrameHeight() const = 0;
    // Shape1 inside Picture1.
    virtual void setBarGeometry(double left, double top, double width, double height) = 0;
    virtual void setBarWidth(double width) = 0;
    virtual void redrawBar() = 0;
    // Label3, redrawn at once.
    virtual void setPercentText(const QString& text) = 0;
    // MsgOut, with CR LF line ends.
    virtual QString outputText() const = 0;
    virtual void setOutputText(const QString& text) = 0;
    // Called from the engine's callbacks throughout a pass, so that the
    // window repaints, moves and hears its Stop button while the engine
    // works on the same thread. May run any event handler.
    virtual void serveEvents() = 0;
};

// The window's two heights, in twips.
namespace unzheight {
constexpr int collapsed = 2445; // down to the buttons
constexpr int unfolded = 5000;  // with MsgOut
} // namespace unzheight
