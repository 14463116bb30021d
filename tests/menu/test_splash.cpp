#include "disckit.h"
#include "frmsplash.h"
#include "recordingsound.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;

// The first window: sound and splash picture by fixed name, the delay, and
// the click that closes it early.
class TestSplash : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QDir::setCurrent(QDir::tempPath()); }

    void neitherFileShowsTheMainWindowAtOnce();
    void soundOnlyPlaysAndShowsTheMainWindow();
    void splashInCapitalsIsShownCentred();
    void closesAfterTheDelayOnly();
    void clickClosesOnceBeforeTheDelay();
    void largePictureGoesNegative();
};

namespace {

struct SplashRun {
    DiscKit disc;
    RecordingSound sound;
    int mainShown = 0;
    std::unique_ptr<FrmSplash> splash;

    bool load() {
        QDir::setCurrent(disc.folder());
        splash = std::make_unique<FrmSplash>(disc.folder(), sound, [this] { ++mainShown; });
        return splash->load();
    }
};

} // namespace

void TestSplash::neitherFileShowsTheMainWindowAtOnce() {
    SplashRun run;
    QVERIFY(!run.load());
    QCOMPARE(run.mainShown, 1);
    QVERIFY(!run.splash->isVisible());
    QVERIFY(run.sound.commands().isEmpty());
}

void TestSplash::soundOnlyPlaysAndShowsTheMainWindow() {
    SplashRun run;
    run.disc.writeFile(u"Sound.WAV"_s, "RIFF");
    QVERIFY(!run.load());
    QCOMPARE(run.mainShown, 1);
    QCOMPARE(run.sound.commands(),
             QStringList({u"stop sound"_s, u"close sound"_s,
                          u"open waveaudio!Sound.WAV alias sound"_s, u"play sound"_s}));
    QVERIFY(run.sound.isPlaying(u"sound"_s));
}

void TestSplash::splashInCapitalsIsShownCentred() {
    SplashRun run;
    run.disc.writePicture(u"SPLASH.BMP"_s, QSize(300, 200));
    QVERIFY(run.load());
    QCOMPARE(run.mainShown, 0);
    QVERIFY(run.splash->isVisible());
    QCOMPARE(run.splash->size(), QSize(300, 200));
    QVERIFY(run.splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    QWidget* picture = run.splash->findChild<QWidget*>(u"Picture1"_s);
    QCOMPARE(picture->geometry(), QRect(0, 0, 300, 200));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(run.splash->pos(), QPoint((screen.width() - 300) / 2, (screen.height() - 200) / 2));
}

void TestSplash::closesAfterTheDelayOnly() {
    SplashRun run;
    run.disc.writePicture(u"splash.bmp"_s, QSize(10, 10));
    qint64 now = 0;
    QVERIFY(run.load());
    run.splash->setClock([&now] { return now; });
    now = 4000;
    run.splash->timerTick();
    QCOMPARE(run.mainShown, 0);
    now = FrmSplash::kDelayMs;
    run.splash->timerTick();
    QCOMPARE(run.mainShown, 0);
    now = FrmSplash::kDelayMs + 1;
    run.splash->timerTick();
    QCOMPARE(run.mainShown, 1);
    QVERIFY(!run.splash->isVisible());
    run.splash->timerTick();
    QCOMPARE(run.mainShown, 1);
}

void TestSplash::clickClosesOnceBeforeTheDelay() {
    SplashRun run;
    run.disc.writePicture(u"splash.bmp"_s, QSize(50, 50));
    QVERIFY(run.load());
    QWidget* picture = run.splash->findChild<QWidget*>(u"Picture1"_s);
    QTest::mouseClick(picture, Qt::LeftButton);
    QCOMPARE(run.mainShown, 1);
    QVERIFY(!run.splash->isVisible());
    // The timer is stopped: nothing more happens, even long after.
    run.splash->setClock([] { return qint64(1'000'000); });
    run.splash->timerTick();
    QCOMPARE(run.mainShown, 1);
}

void TestSplash::largePictureGoesNegative() {
    SplashRun run;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    run.disc.writePicture(u"splash.bmp"_s, screen.size() + QSize(200, 100));
    QVERIFY(run.load());
    QCOMPARE(run.splash->pos(), QPoint(-100, -50));
}

QTEST_MAIN(TestSplash)
#include "test_splash.moc"
