#pragma once

#include "apptable.h"
#include "framemeasure.h"
#include "menutexts.h"

#include <QMainWindow>

#include <optional>

class Desktop;
class MenuFace;
class Prompts;
class QPlainTextEdit;
class Sound;
struct ConfigToken;
struct LaunchPlan;

// The menu's main window: the title, the introduction, the category
// drop-down, the application list, the picture and description of the chosen
// application and the install, explore and extra buttons, all as config.ini
// in the disc folder gives them.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    struct Options {
        QString discFolder; // the folder that holds config.ini
        QString language = QStringLiteral("IT");
        QString homeFolder; // where archives are proposed to be extracted
    };

    Form1(Options options, Desktop& desktop, Sound& sound, QWidget* parent = nullptr);
    ~Form1() override;

    // The start-up sequence: measure the frame, set the texts, make the disc
    // folder current, read config.ini applying each line at once, centre, show
    // the first category and the default pictures. Runs once; the error names
    // the folder when config.ini is missing or unreadable.
    std::optional<QString> load();
    bool isLoaded() const { return m_loaded; }

    MenuFace* face() const { return m_face; }
    const AppTable& appTable() const { return m_table; }
    const QString& selectedCommand() const { return m_selectedCommand; }
    bool categoriesEnabled() const { return m_categoriesEnabled; }
    int frameHeight() const { return m_frame.frameHeight; }
    const MenuTexts& texts() const { return m_texts; }
    QString aboutText() const;
    const Options& options() const { return m_options; }

    // The window's size with its frame, as [FO1W] and [FO1H] give it.
    QSize outerSize() const;
    void setOuterSize(int width, int height);

    // Where the window says that an action failed; without one it says nothing.
    void setPrompts(Prompts& prompts) { m_prompts = &prompts; }

    // Tests measure the frame once and hand it in, so that nothing is shown
    // during their start-up.
    void setFrameMeasure(const FrameMeasure& measure) {
        m_frame = measure;
        m_frameGiven = true;
    }

signals:
    // An "[UNZIP]" action: the unzip window opens on zipFName with the
    // proposed extraction folder.
    void unzipRequested(const QString& zipFName, const QString& extractRoot);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void applyLine(const ConfigToken& token);
    void keepUsableSize();
    void centreOnScreen();
    void showFirstCategory();
    void refillList();
    void categoryChosen();
    void rowChosen(int row);
    int selectedRow() const;
    void clearCurrentRow();
    void install();
    void explore();
    void extra();
    void carryOut(const LaunchPlan& plan, bool inRecordFolder);
    void reportFailure();
    void showAbout();

    Options m_options;
    Desktop& m_desktop;
    Sound& m_sound;
    Prompts* m_prompts = nullptr;
    MenuFace* m_face = nullptr;
    QPlainTextEdit* m_aboutText = nullptr; // Text2
    AppTable m_table;
    MenuTexts m_texts;
    FrameMeasure m_frame;
    QString m_selectedCommand;
    bool m_categoriesEnabled = false;
    bool m_frameGiven = false;
    bool m_loaded = false;
};
