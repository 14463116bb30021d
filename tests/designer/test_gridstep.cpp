#include "gridstep.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Id = LayoutObjectId;

// The arithmetic of the modificator's arrows, for the controls in pixels and
// for the window in twips.
class TestGridStep : public QObject {
    Q_OBJECT

private slots:
    void gridTextMustBeANumber_data();
    void gridTextMustBeANumber();
    void controlsMoveByAStepWithoutLimits();
    void listGrowsByFourteenMoreButShrinksByTheStep();
    void shrinkBelowZeroIsRefused();
    void textPanelNeedsRoomForTwoSteps();
    void negativeAndZeroGrids();
    void windowMovesAndSizesByTheGridInTwips();
};

void TestGridStep::gridTextMustBeANumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");
    QTest::newRow("default") << u"200"_s << true << 200.0;
    QTest::newRow("blanks") << u" 50 "_s << true << 50.0;
    QTest::newRow("decimal") << u"12.5"_s << true << 12.5;
    QTest::newRow("negative") << u"-200"_s << true << -200.0;
    QTest::newRow("zero") << u"0"_s << true << 0.0;
    QTest::newRow("empty") << QString() << false << 0.0;
    QTest::newRow("word") << u"abc"_s << false << 0.0;
    QTest::newRow("number then word") << u"20x"_s << false << 0.0;
    QTest::newRow("huge") << u"1e999"_s << false << 0.0;
}

void TestGridStep::gridTextMustBeANumber() {
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const std::optional<double> grid = parseGridSize(text);
    QCOMPARE(grid.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*grid, value);
}

void TestGridStep::controlsMoveByAStepWithoutLimits() {
    const FaceGeometry start{560, 88, 57, 57};
    QCOMPARE(moveStepFor(200), 10.0);
    QCOMPARE(*steppedControl(Id::InstallButton, start, GridAction::Up, 10),
             (FaceGeometry{560, 78, 57, 57}));
    QCOMPARE(*steppedControl(Id::InstallButton, start, GridAction::Down, 10),
             (FaceGeometry{560, 98, 57, 57}));
    QCOMPARE(*steppedControl(Id::InstallButton, start, GridAction::Left, 10),
             (FaceGeometry{550, 88, 57, 57}));
    QCOMPARE(*steppedControl(Id::InstallButton, start, GridAction::Right, 10),
             (FaceGeometry{570, 88, 57, 57}));
    QCOMPARE(*steppedControl(Id::InstallButton, start, GridAction::Wider, 10),
             (FaceGeometry{560, 88, 67, 57}));
    QCOMPARE(*steppedControl(Id::InstallButton, start, GridAction::Narrower, 10),
             (FaceGeometry{560, 88, 47, 57}));

    // Out of sight is allowed; half pixels are kept.
    const FaceGeometry corner{0, 0, 57, 57};
    QCOMPARE(*steppedControl(Id::Logo, corner, GridAction::Up, moveStepFor(50)),
             (FaceGeometry{0, -2.5, 57, 57}));
    QCOMPARE(*steppedControl(Id::Logo, corner, GridAction::Left, 10),
             (FaceGeometry{-10, 0, 57, 57}));
}

void TestGridStep::listGrowsByFourteenMoreButShrinksByTheStep() {
    const FaceGeometry list{8, 88, 209, 212};
    QCOMPARE(steppedControl(Id::AppList, list, GridAction::Taller, 10)->height, 236.0);
    QCOMPARE(steppedControl(Id::AppList, list, GridAction::Shorter, 10)->height, 202.0);
    // Only the list: a button grows by the step alone.
    QCOMPARE(steppedControl(Id::InstallButton, list, GridAction::Taller, 10)->height, 222.0);
    // The extra room is for height only.
    QCOMPARE(steppedControl(Id::AppList, list, GridAction::Wider, 10)->width, 219.0);
}

void TestGridStep::shrinkBelowZeroIsRefused() {
    const FaceGeometry fifteen{0, 0, 15, 15};
    QCOMPARE(steppedControl(Id::InstallButton, fifteen, GridAction::Shorter, 10)->height, 5.0);
    QCOMPARE(steppedControl(Id::InstallButton, fifteen, GridAction::Narrower, 10)->width, 5.0);
    const FaceGeometry five{0, 0, 5, 5};
    QVERIFY(!steppedControl(Id::InstallButton, five, GridAction::Shorter, 10));
    QVERIFY(!steppedControl(Id::InstallButton, five, GridAction::Narrower, 10));
    // Down to exactly zero is fine.
    const FaceGeometry ten{0, 0, 10, 10};
    QCOMPARE(steppedControl(Id::AppList, ten, GridAction::Shorter, 10)->height, 0.0);
}

void TestGridStep::textPanelNeedsRoomForTwoSteps() {
    QVERIFY(!steppedControl(Id::TextPanel, {0, 0, 100, 15}, GridAction::Shorter, 10));
    QCOMPARE(steppedControl(Id::TextPanel, {0, 0, 100, 20}, GridAction::Shorter, 10)->height, 10.0);
    // Its width shrinks like any other.
    QCOMPARE(steppedControl(Id::TextPanel, {0, 0, 15, 15}, GridAction::Narrower, 10)->width, 5.0);
}

void TestGridStep::negativeAndZeroGrids() {
    const FaceGeometry start{100, 100, 50, 50};
    for (GridAction action : {GridAction::Up, GridAction::Down, GridAction::Left, GridAction::Right,
                              GridAction::Wider, GridAction::Narrower, GridAction::Shorter}) {
        QCOMPARE(*steppedControl(Id::InstallButton, start, action, moveStepFor(0)), start);
    }
    // The list's extra 14 pixels come even with a zero grid.
    QCOMPARE(steppedControl(Id::AppList, start, GridAction::Taller, 0)->height, 64.0);

    const double back = moveStepFor(-200);
    QCOMPARE(steppedControl(Id::InstallButton, start, GridAction::Up, back)->top, 110.0);
    QCOMPARE(steppedControl(Id::InstallButton, start, GridAction::Right, back)->left, 90.0);
    QCOMPARE(steppedControl(Id::InstallButton, start, GridAction::Shorter, back)->height, 60.0);
    QCOMPARE(steppedControl(Id::InstallButton, start, GridAction::Taller, back)->height, 40.0);
    // Turned round, "taller" must still not make a size negative.
    QVERIFY(!steppedControl(Id::InstallButton, {0, 0, 5, 5}, GridAction::Taller, back));
    QVERIFY(!steppedControl(Id::InstallButton, {0, 0, 5, 5}, GridAction::Wider, back));
}

void TestGridStep::windowMovesAndSizesByTheGridInTwips() {
    const WindowTwips start{1500, 1500, 9285, 6330};
    QCOMPARE(steppedWindow(start, GridAction::Up, 10)->top, 1300.0);
    QCOMPARE(steppedWindow(start, GridAction::Down, 10)->top, 1700.0);
    QCOMPARE(steppedWindow(start, GridAction::Left, 10)->left, 1300.0);
    QCOMPARE(steppedWindow(start, GridAction::Right, moveStepFor(50))->left, 1550.0);
    QCOMPARE(steppedWindow(start, GridAction::Taller, 10)->height, 6530.0);
    QCOMPARE(steppedWindow(start, GridAction::Shorter, 10)->height, 6130.0);
    QCOMPARE(steppedWindow(start, GridAction::Wider, 10)->width, 9485.0);
    QCOMPARE(steppedWindow(start, GridAction::Narrower, 10)->width, 9085.0);
    // No list or text-panel exceptions for the window.
    QVERIFY(!steppedWindow({0, 0, 100, 100}, GridAction::Shorter, 10));
    QVERIFY(!steppedWindow({0, 0, 100, 100}, GridAction::Narrower, 10));
    QCOMPARE(steppedWindow({0, 0, 200, 200}, GridAction::Shorter, 10)->height, 0.0);
}

QTEST_GUILESS_MAIN(TestGridStep)
#include "test_gridstep.moc"
