#include "frmsplash.h"

#include "clickablelabel.h"
#include "configpath.h"
#include "pictureloader.h"
#include "sound.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

FrmSplash::FrmSplash(const QString& mediaFolder, Sound& sound, std::function<void()> showMainWindow,
                     QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_folder(mediaFolder)
    , m_sound(sound)
    , m_showMainWindow(std::move(showMainWindow)) {
    setObjectName(QStringLiteral("FrmSplash"));
    m_picture = new ClickableLabel(QString(), this);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_picture->setCursor(Qt::ArrowCursor);
    connect(m_picture, &ClickableLabel::clicked, this, &FrmSplash::finish);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer, &QTimer::timeout, this, &FrmSplash::timerTick);
    m_elapsedMs = [this] { return m_started.elapsed(); };
}

FrmSplash::~FrmSplash() = default;

bool FrmSplash::load() {
    playSound();

    const auto splash = paths::findInFolder(m_folder, QStringLiteral("splash.bmp"));
    const QPixmap picture = splash ? pictures::loadPixmap(*splash) : QPixmap();
    if (picture.isNull()) {
        finish();
        return false;
    }

    m_picture->setPixmap(picture);
    m_picture->setGeometry(0, 0, picture.width(), picture.height());
    resize(picture.size());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        // A picture larger than the screen is still centred: left and top
        // go negative.
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
    show();

    m_started.start();
    m_timer->start(100);
    return true;
}

void FrmSplash::playSound() {
    const auto file = paths::findInFolder(m_folder, QStringLiteral("sound.wav"));
    if (!file)
        return;
    // A device left open under the alias is released first.
    m_sound.sendCommand(QStringLiteral("stop sound"));
    m_sound.sendCommand(QStringLiteral("close sound"));
    QString name = QDir(m_folder).relativeFilePath(*file);
    if (QDir::current() != QDir(m_folder))
        name = *file;
    if (name.contains(u' '))
        name = u'"' + name + u'"';
    m_sound.sendCommand(QStringLiteral("open waveaudio!") + name + QStringLiteral(" alias sound"));
    m_sound.sendCommand(QStringLiteral("play sound"));
}

void FrmSplash::timerTick() {
    if (!m_finished && m_elapsedMs() > kDelayMs)
        finish();
}

void FrmSplash::finish() {
    if (m_finished)
        return;
    m_finished = true;
    m_timer->stop();
    if (m_showMainWindow)
        m_showMainWindow();
    close();
}
