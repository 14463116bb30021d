#pragma once

#include <QElapsedTimer>
#include <QWidget>

#include <functional>

class ClickableLabel;
class QTimer;
class Sound;

// The menu's first window: plays "sound.wav" and shows "splash.bmp" from the
// disc folder when they are there, borderless in the middle of the screen,
// until the delay has passed or the picture is clicked; then it reveals the
// main window and closes.
class FrmSplash : public QWidget {
    Q_OBJECT

public:
    // 0.00005 of a day.
    static constexpr qint64 kDelayMs = 4320;

    FrmSplash(const QString& mediaFolder, Sound& sound, std::function<void()> showMainWindow,
              QWidget* parent = nullptr);
    ~FrmSplash() override;

    // Plays the sound and shows the splash, or reveals the main window at once
    // when there is no splash picture. False when the splash is not shown.
    bool load();

    // Time since load; tests hand in a clock of their own.
    void setClock(std::function<qint64()> elapsedMs) { m_elapsedMs = std::move(elapsedMs); }

    // Timer1: closes the splash once the delay has passed. The elapsed time
    // is counted, not the time of day, so a splash shown just before
    // midnight closes too.
    void timerTick();

    bool isFinished() const { return m_finished; }

private:
    void playSound();
    void finish();

    QString m_folder;
    Sound& m_sound;
    std::function<void()> m_showMainWindow;
    ClickableLabel* m_picture = nullptr; // Picture1
    QTimer* m_timer = nullptr;           // Timer1
    QElapsedTimer m_started;
    std::function<qint64()> m_elapsedMs;
    bool m_finished = false;
};
