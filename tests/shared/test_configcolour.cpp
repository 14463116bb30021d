#include "configcolour.h"

#include <QApplication>
#include <QPalette>
#include <QTest>

// Colours in config.ini are 0x00BBGGRR, or system colours with the top bit set.
class TestConfigColour : public QObject {
    Q_OBJECT

private slots:
    void byteOrderIsBlueGreenRed();
    void fromQColorWritesTheSameOrder();
    void fixedColourRoundTrip_data();
    void fixedColourRoundTrip();
    void systemColoursFollowThePalette_data();
    void systemColoursFollowThePalette();
    void systemColourRawValueKept();
    void unknownSystemIndexUsesWindowColour();
    void highByteOfFixedColourIgnored();
};

void TestConfigColour::byteOrderIsBlueGreenRed() {
    const QColor colour = ConfigColour(0x00336699).toQColor(QPalette());
    QCOMPARE(colour.red(), 0x99);
    QCOMPARE(colour.green(), 0x66);
    QCOMPARE(colour.blue(), 0x33);
}

void TestConfigColour::fromQColorWritesTheSameOrder() {
    QCOMPARE(ConfigColour::fromQColor(QColor(0x11, 0x22, 0x33)).raw(), qint32(0x00332211));
    QCOMPARE(ConfigColour::fromQColor(QColor(Qt::white)).raw(), qint32(0x00FFFFFF));
    QVERIFY(!ConfigColour::fromQColor(QColor(Qt::white)).isSystemColour());
}

void TestConfigColour::fixedColourRoundTrip_data() {
    QTest::addColumn<qint32>("raw");
    QTest::newRow("black") << qint32(0);
    QTest::newRow("red") << qint32(0x000000FF);
    QTest::newRow("blue") << qint32(0x00FF0000);
    QTest::newRow("white") << qint32(0x00FFFFFF);
    QTest::newRow("mixed") << qint32(0x00C0FFEE);
}

void TestConfigColour::fixedColourRoundTrip() {
    QFETCH(qint32, raw);
    const ConfigColour colour(raw);
    QCOMPARE(ConfigColour::fromQColor(colour.toQColor(QPalette())).raw(), raw);
}

void TestConfigColour::systemColoursFollowThePalette_data() {
    QTest::addColumn<qint32>("raw");
    QTest::addColumn<int>("role");
    QTest::newRow("button face") << ConfigColour::buttonFace << int(QPalette::Button);
    QTest::newRow("window background") << ConfigColour::windowBackground << int(QPalette::Base);
    QTest::newRow("window text") << ConfigColour::windowText << int(QPalette::Text);
    QTest::newRow("button text") << ConfigColour::buttonText << int(QPalette::ButtonText);
    QTest::newRow("highlight") << qint32(0x8000000D) << int(QPalette::Highlight);
    QTest::newRow("highlight text") << qint32(0x8000000E) << int(QPalette::HighlightedText);
    QTest::newRow("tooltip background") << qint32(0x80000018) << int(QPalette::ToolTipBase);
}

void TestConfigColour::systemColoursFollowThePalette() {
    QFETCH(qint32, raw);
    QFETCH(int, role);
    // A palette whose every role has its own colour, so a wrong role shows.
    QPalette palette;
    for (int r = 0; r < QPalette::NColorRoles; ++r) {
        if (r == QPalette::NoRole)
            continue;
        palette.setColor(QPalette::Active, QPalette::ColorRole(r), QColor(r * 8, 255 - r * 8, 7));
    }
    const ConfigColour colour(raw);
    QVERIFY(colour.isSystemColour());
    QCOMPARE(colour.toQColor(palette), palette.color(QPalette::Active, QPalette::ColorRole(role)));
}

void TestConfigColour::systemColourRawValueKept() {
    // -2147483633 is how 0x8000000F appears in a config.ini.
    const ConfigColour colour(-2147483633);
    QCOMPARE(colour.raw(), ConfigColour::buttonFace);
    QCOMPARE(colour.systemIndex(), 15);
    QCOMPARE(ConfigColour(colour.raw()), colour);
}

void TestConfigColour::unknownSystemIndexUsesWindowColour() {
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Window, QColor(1, 2, 3));
    QCOMPARE(ConfigColour(qint32(0x8000001F)).toQColor(palette), QColor(1, 2, 3));
    QCOMPARE(ConfigColour(qint32(0xFFFFFFFF)).toQColor(palette), QColor(1, 2, 3));
}

void TestConfigColour::highByteOfFixedColourIgnored() {
    QCOMPARE(ConfigColour(0x02010203).toQColor(QPalette()), QColor(3, 2, 1));
    QCOMPARE(ConfigColour(0x02010203).raw(), qint32(0x02010203));
}

QTEST_MAIN(TestConfigColour)
#include "test_configcolour.moc"
