#pragma once

#include "configfile.h"
#include "menuface.h"
#include "windowtwips.h"

#include <QMainWindow>

class QLineEdit;
class QScrollArea;

// The layout designer, Form1: a working copy of the menu window, filled from
// the saved config.ini and laid out by its layout lines, on which the author
// picks the object that the modificator then changes.
class DesignerWindow : public QMainWindow {
    Q_OBJECT

public:
    // frameHeight: the editor's measure of title bar, menu bar and borders,
    // which turns the stored client height into the window's outer height.
    explicit DesignerWindow(int frameHeight, QWidget* parent = nullptr);
    ~DesignerWindow() override;

    MenuFace* face() const { return m_face; }
    QLineEdit* aboutField() const { return m_aboutField; } // Text2, hidden
    int frameHeight() const { return m_frameHeight; }
    qreal twipsPerPixel() const { return m_twipsPerPixel; }

    // Shows the project as the file on disk has it: pictures from
    // pictureFolder, the names, texts and pictures of the file, then its
    // layout lines. False when the file could not be read; the built-in
    // placement then stays.
    bool load(const QString& configPath, const QString& pictureFolder);
    // The part of load that follows the reading of the file.
    void apply(const ConfigFile& config);

    // The window's place and outer size as last set, or as the user has left
    // it by dragging the window.
    WindowTwips windowTwips() const;
    // False, changing nothing, for a negative size or one wider or taller
    // than the file's layout lines can hold.
    bool setWindowTwips(const WindowTwips& window);

signals:
    // A click on one of the objects; Window for the free area.
    void picked(LayoutObjectId object);
    void aboutRequested();
    // The close box, or close() called by anyone: the owner runs the closing
    // sequence.
    void closeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void loadFixedPictures();
    void loadPictureUnlessUnset(FacePicture which, const QString& storedPath);
    void applyWindowLine(LayoutProperty property, double value);
    void placeWindow();
    QSize frameMargins() const;
    // The face at the window's designed size, whatever part the screen shows.
    QSize designedFaceSize(const WindowTwips& window) const;
    void placeAgainIfTheFrameChanged();
    void watchForPicks();
    std::optional<LayoutObjectId> pickTarget(QObject* watched) const;

    QScrollArea* m_scroller = nullptr;
    MenuFace* m_face = nullptr;
    QLineEdit* m_aboutField = nullptr;
    int m_frameHeight = 0;
    qreal m_twipsPerPixel = 15;
    WindowTwips m_window;
    QRect m_placedFrame;   // where the platform put the window when it was last placed
    QSize m_placedMargins; // the frame around the client area at that time
    bool m_placing = false;
    QString m_pictureFolder;
};
