#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

class TestTwips : public QObject {
    Q_OBJECT

private slots:
    void ratioFromDpi();
    void conversionsAt96Dpi();
    void conversionsAt144Dpi();
    void halvesRoundToEven();
    void screenRatioMatchesItsDpi();
};

void TestTwips::ratioFromDpi() {
    QCOMPARE(twips::perPixel(96.0), 15.0);
    QCOMPARE(twips::perPixel(120.0), 12.0);
    QCOMPARE(twips::perPixel(144.0), 10.0);
    QCOMPARE(twips::perPixel(0.0), 15.0);
}

void TestTwips::conversionsAt96Dpi() {
    const qreal ratio = twips::perPixel(96.0);
    QCOMPARE(twips::fromPixels(640, ratio), 9600);
    QCOMPARE(twips::toPixels(9600, ratio), 640);
    QCOMPARE(twips::toPixels(22, ratio), 1); // 1.47
    QCOMPARE(twips::toPixels(23, ratio), 2); // 1.53
    QCOMPARE(twips::toPixels(-30, ratio), -2);
}

void TestTwips::conversionsAt144Dpi() {
    const qreal ratio = twips::perPixel(144.0);
    QCOMPARE(twips::fromPixels(640, ratio), 6400);
    QCOMPARE(twips::toPixels(6400, ratio), 640);
}

void TestTwips::halvesRoundToEven() {
    const qreal ratio = twips::perPixel(144.0);
    QCOMPARE(twips::toPixels(5, ratio), 0);
    QCOMPARE(twips::toPixels(15, ratio), 2);
    QCOMPARE(twips::toPixels(25, ratio), 2);
    QCOMPARE(twips::fromPixels(1, 2.5), 2);
    QCOMPARE(twips::fromPixels(3, 2.5), 8);
}

void TestTwips::screenRatioMatchesItsDpi() {
    QScreen* screen = QGuiApplication::primaryScreen();
    QVERIFY(screen);
    QCOMPARE(twips::perPixel(screen), 1440.0 / screen->logicalDotsPerInch());
    QCOMPARE(twips::perPixel(), twips::perPixel(screen));
}

QTEST_MAIN(TestTwips)
#include "test_twips.moc"
