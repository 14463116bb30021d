#pragma once

#include "unzstate.h"
#include "unztexts.h"
#include "unzview.h"
#include "vbunzbas.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringView>
#include <QWidget>

#include <functional>

class Prompts;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The menu's unzip window: where the archive is, where it goes, Start, a
// progress bar, and an output area that Info folds out. Start runs a listing
// pass and an extraction pass through the binding.
//
// The menu keeps one instance. Exit closes it; the next openFor loads it
// afresh, while UnzState (and with it a refused password) carries over.
class VBUnzFrm : public QWidget, private UnzView {
    Q_OBJECT

public:
    VBUnzFrm(const UnzTexts& texts, Prompts& prompts, QWidget* parent = nullptr);
    ~VBUnzFrm() override;

    // Loads the window if it is not open, shows it on top of the others and
    // fills ZipFName and ExtractRoot; the user may still edit them.
    void openFor(const QString& zipFName, const QString& extractRoot);

    // The Italian or English texts, for the menu's start-up.
    static const UnzTexts& unzTexts(QStringView language);

    // The name of the application selected in the menu, asked for the
    // caption each time the window loads.
    void setApplicationNameSource(std::function<QString()> source);

    UnzState& unzState() { return state_; }
    VBUnzBas& binding() { return binding_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void QuitVBUnz_Click();

    // UnzView
    void hideWindow() override;
    void showWindow() override;
    void setWindowHeight(int twipsHeight) override;
    void setProgressShown(bool shown) override;
    int barFrameWidth() const override;
    int barFrameHeight() const override;
    void setBarGeometry(double left, double top, double width, double height) override;
    void setBarWidth(double width) override;
    void redrawBar() override;
    void setPercentText(const QString& text) override;
    QString outputText() const override;
    void setOutputText(const QString& text) override;
    void serveEvents() override;

    int px(double twipsValue) const;
    void place(QWidget* w, int left, int top, int width, int height) const;
    void placeBar();

    const UnzTexts& texts_;
    Prompts& prompts_;
    UnzState state_;
    VBUnzBas binding_;
    std::function<QString()> applicationName_;
    double twipsPerPixel_;
    bool loaded_ = false;
    bool running_ = false;
    // The user closed the window during a run and agreed to stop it.
    bool closeAfterRun_ = false;
    QElapsedTimer lastServed_;
    struct {
        double left = 0, top = 0, width = 0, height = 0;
    } bar_; // Shape1, in twips

    QGroupBox* frame1_;
    QLabel* label1_;
    QLineEdit* zipFName_;
    QLabel* label2_;
    QLineEdit* extractRoot_;
    QLabel* label3_;
    QLabel* label4_;
    QFrame* picture1_;
    QFrame* shape1_;
    QPushButton* command1_;
    QPushButton* quitVBUnz_;
    QPushButton* command2_;
    QPlainTextEdit* msgOut_;
};
