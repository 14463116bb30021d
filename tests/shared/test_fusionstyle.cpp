#include "fusionstyle.h"

#include <QApplication>
#include <QPushButton>
#include <QStyle>
#include <QTest>

// The programs' look on a desktop whose theme is dark.
class TestFusionStyle : public QObject {
    Q_OBJECT

private slots:
    void darkDesktopPaletteGivesWayToFusions();
};

void TestFusionStyle::darkDesktopPaletteGivesWayToFusions() {
    // What a dark theme hands the application before it sets its style.
    QPalette dark(QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(dark);

    useFusionStyle();
    QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
    const QPalette shown = QApplication::palette();
    QCOMPARE(shown, QApplication::style()->standardPalette());
    QVERIFY(shown.color(QPalette::Window).lightness() > 200);
    QVERIFY(shown.color(QPalette::Button).lightness() > 200);
    // A button on a light grey face shows dark text.
    QPushButton button;
    QVERIFY(button.palette().color(QPalette::ButtonText).lightness() < 80);
    QVERIFY(button.palette().color(QPalette::Button).lightness() > 200);
}

QTEST_MAIN(TestFusionStyle)
#include "test_fusionstyle.moc"
