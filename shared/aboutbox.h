#pragma once

#include <QDialog>

class Desktop;
class QLabel;

// The about window of both programs (objectName "frmAbout"). The menu's shows
// the about text of config.ini and the credit line; the editor's a fixed
// description. Both show the title, the version and the maker's two links.
// Not modal; one per owner window, destroyed when closed.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    enum class Kind { Menu, Editor };

    // Shows owner's about window, creating it when there is none. The title
    // is the application's name.
    static AboutBox* showMenuAbout(QWidget* owner, Desktop& desktop, const QString& aboutText,
                                   const QString& credit);
    static AboutBox* showEditorAbout(QWidget* owner, Desktop& desktop);

    // The links the two programs open.
    static QString mailLink(Kind kind);
    static QString webLink();

private:
    AboutBox(Kind kind, Desktop& desktop, QWidget* owner);
    static AboutBox* existing(QWidget* owner);
    void buildMenuFace(const QString& aboutText, const QString& credit);
    void buildEditorFace();
    void addCommonLabels();
    void openLink(const QString& link);

    Kind m_kind;
    Desktop& m_desktop;
};
