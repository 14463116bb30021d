#include "designerfixture.h"
#include "designerplacement.h"
#include "designerwindow.h"
#include "factorylayout.h"
#include "layoutserializer.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>

using namespace Qt::StringLiterals;
using namespace designertest;
using Id = LayoutObjectId;

// The designer window: what it shows of the file on disk, how it places
// itself, what a click picks, and the layout block it turns into.
class TestDesignerWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fileWithoutLayoutLinesKeepsTheBuiltInPlacement();
    void namesTextsAndPicturesComeFromTheFile();
    void layoutLinesPlaceControlsAndTheWindowInTwips();
    void aCompleteBlockIsWrittenBackAsItWasRead();
    void badValuesAndRepeatedTagsFollowTheFileOrder();
    void backgroundLineIsKeptAsWritten();
    void unreadableFileShowsTheBuiltInPlacement();

    void halfPixelsAreWrittenRoundedToEven();
    void valuesBeyondSixteenBitsAreClampedAndNamed();
    void windowDraggedByTheAuthorIsWrittenWhereItIs();
    void windowSizesTheFileCannotHoldAreRefused();

    void logoStaysCentredInItsFrame();
    void factoryLayoutSerialisesAsDocumented();

    void clickingAnObjectPicksIt();
    void pictureAndFramePickTheFrame();

private:
    std::unique_ptr<DesignerWindow> openOn(const QString& configText = {});
    QString configPath() const { return m_dir->filePath(u"config.ini"_s); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestDesignerWindow::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestDesignerWindow::cleanup() {
    m_dir.reset();
}

// The sample project with extra lines after the layout header.
std::unique_ptr<DesignerWindow> TestDesignerWindow::openOn(const QString& layoutLines) {
    writeProject(*m_dir, sampleConfig(), layoutLines.isEmpty() ? u"NO"_s : layoutLines);
    auto window = std::make_unique<DesignerWindow>(editorFrameHeight());
    window->load(configPath(), projectFolderOf(*m_dir));
    return window;
}

void TestDesignerWindow::fileWithoutLayoutLinesKeepsTheBuiltInPlacement() {
    const auto window = openOn();
    const MenuFace& face = *window->face();
    for (const FaceControlPlacement& built : kDesignerPlacement.controls) {
        QCOMPARE(face.controlGeometry(built.id), built.geometry);
        QCOMPARE(face.backColour(built.id), built.back);
        QCOMPARE(face.control(built.id)->geometry(),
                 QRect(int(built.geometry.left), int(built.geometry.top), int(built.geometry.width),
                       int(built.geometry.height)));
    }

    const LayoutBlock block = serializeLayout(*window, face.backgroundPath());
    QCOMPARE(layoutLineCount(block.text), 43);
    QVERIFY(block.clampedTags.isEmpty());
    QVERIFY(block.text.startsWith(u"[CO1T]88\r\n[CO1L]560\r\n[CO1W]57\r\n[CO1H]57\r\n"_s));
    QCOMPARE(layoutValue(block.text, u"[PI1L]"_s), u"240"_s);
    QCOMPARE(layoutValue(block.text, u"[PI9T]"_s), u"0"_s);
    QCOMPARE(layoutValue(block.text, u"[PI9W]"_s), u"625"_s);
    QCOMPARE(layoutValue(block.text, u"[LS2T]"_s), u"88"_s);
    QCOMPARE(layoutValue(block.text, u"[LS2W]"_s), u"209"_s);
    QCOMPARE(layoutValue(block.text, u"[LS2H]"_s), u"212"_s);
    QCOMPARE(layoutValue(block.text, u"[LS2C]"_s), u"12632256"_s);
    QCOMPARE(layoutValue(block.text, u"[TX1F]"_s), u"0"_s);
    // The client area as designed, whatever the frame.
    QCOMPARE(layoutValue(block.text, u"[FO1W]"_s), u"634"_s);
    QCOMPARE(layoutValue(block.text, u"[FO1H]"_s), u"421"_s);
    QCOMPARE(layoutValue(block.text, u"[FO1C]"_s), u"12632256"_s);
    QVERIFY(block.text.endsWith(u"[FO1C]12632256\r\n[BKGR]\r\n"_s));
}

void TestDesignerWindow::namesTextsAndPicturesComeFromTheFile() {
    writePicture(m_dir->filePath(u"install.bmp"_s), {30, 20}, Qt::red);
    writePicture(m_dir->filePath(u"icon.bmp"_s), {16, 16}, Qt::blue);
    ConfigFile config = sampleConfig();
    config.installButtonPicture = u"install.bmp"_s;
    config.windowIcon = u"ICON.BMP"_s; // written on Windows, any case
    writeProject(*m_dir, config);

    DesignerWindow window(editorFrameHeight());
    QVERIFY(window.load(configPath(), projectFolderOf(*m_dir)));
    const MenuFace& face = *window.face();
    QCOMPARE(face.appList()->count(), 3);
    QCOMPARE(face.appList()->item(0)->text(), u"First"_s);
    QCOMPARE(face.appList()->item(2)->text(), u"Third"_s);
    QCOMPARE(face.textPanel()->toPlainText(), u"Welcome"_s);
    QCOMPARE(window.aboutField()->text(), u"About the sample"_s);
    QVERIFY(window.aboutField()->isHidden());
    QCOMPARE(window.windowTitle(), u"Sample disc"_s);
    QCOMPARE(face.picture(FacePicture::InstallButton).size(), QSize(30, 20));
    QVERIFY(!window.windowIcon().isNull());
    // "NO" loads nothing.
    QVERIFY(face.picture(FacePicture::ExtraButton).isNull());
    QCOMPARE(window.objectName(), u"Form1"_s);
    QVERIFY(window.findChild<QAction*>(u"About"_s));
}

void TestDesignerWindow::layoutLinesPlaceControlsAndTheWindowInTwips() {
    const auto window = openOn(u"[CO2T]10\r\n[CO2L]20.5\r\n[FO1T]1500\r\n[FO1L]1200\r\n"
                               u"[FO1W]700\r\n[FO1H]500\r\n[LS2C]255\r\n[TX1F]65280"_s);
    const MenuFace& face = *window->face();
    QCOMPARE(face.controlGeometry(Id::ExploreButton), (FaceGeometry{20.5, 10, 57, 57}));
    QCOMPARE(face.backColour(Id::AppList), ConfigColour(255));
    QCOMPARE(face.textColour(Id::TextPanel), ConfigColour(65280));

    const qreal ratio = window->twipsPerPixel();
    const WindowTwips placed = window->windowTwips();
    QCOMPARE(placed.top, 1500.0);
    QCOMPARE(placed.left, 1200.0);
    QCOMPARE(placed.width, 700 * ratio);
    QCOMPARE(placed.height, (500 + editorFrameHeight()) * ratio);

    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QRect outer = window->frameGeometry();
    QCOMPARE(outer.top(), qRound(1500 / ratio));
    QCOMPARE(outer.left(), qRound(1200 / ratio));
    QCOMPARE(outer.size(), QSize(700, 500 + editorFrameHeight()));
    // The face is the client area below the menu bar.
    QCOMPARE(window->face()->height(), 500);
}

void TestDesignerWindow::aCompleteBlockIsWrittenBackAsItWasRead() {
    // Read once at the built-in placement, then read what that gave.
    QString block;
    {
        // A system colour has its top bit set and is written as a negative number.
        const auto window =
            openOn(u"[CO1T]12\r\n[FO1L]-450\r\n[CO2C]-2147483633\r\n[BKGR]missing.bmp"_s);
        block = serializeLayout(*window, window->face()->backgroundPath()).text;
    }
    QCOMPARE(layoutValue(block, u"[FO1L]"_s), u"-450"_s);
    QCOMPARE(layoutValue(block, u"[CO2C]"_s), u"-2147483633"_s);
    QCOMPARE(layoutValue(block, u"[BKGR]"_s), u"missing.bmp"_s);
    block.chop(2); // the writer adds the last line end
    const auto again = openOn(block);
    QCOMPARE(serializeLayout(*again, again->face()->backgroundPath()).text, block + u"\r\n"_s);
}

void TestDesignerWindow::badValuesAndRepeatedTagsFollowTheFileOrder() {
    const auto window = openOn(u"[LS2C]255\r\n[LS2C]grey\r\n[FO1W]700\r\n[FO1W]650\r\n"
                               u"[CO1W]-5\r\n[CO1H]70000\r\n[CO1X]4"_s);
    const MenuFace& face = *window->face();
    QCOMPARE(face.backColour(Id::AppList), ConfigColour(255));
    QCOMPARE(window->windowTwips().width, 650 * window->twipsPerPixel());
    QCOMPARE(face.controlGeometry(Id::InstallButton), kDesignerPlacement.controls[0].geometry);
}

void TestDesignerWindow::backgroundLineIsKeptAsWritten() {
    writePicture(m_dir->filePath(u"Sub/Back.bmp"_s), {40, 30}, Qt::green);
    {
        const auto window = openOn(u"[BKGR]sub\\back.bmp"_s);
        QCOMPARE(window->face()->backgroundPath(), u"sub\\back.bmp"_s);
        QCOMPARE(window->face()->picture(FacePicture::Background).size(), QSize(40, 30));
    }
    const auto bare = openOn(u"[BKGR]sub\\back.bmp\r\n[BKGR]"_s);
    QCOMPARE(bare->face()->backgroundPath(), QString());
    QVERIFY(bare->face()->picture(FacePicture::Background).isNull());
}

void TestDesignerWindow::unreadableFileShowsTheBuiltInPlacement() {
    DesignerWindow window(editorFrameHeight());
    QVERIFY(!window.load(m_dir->filePath(u"gone/config.ini"_s), projectFolderOf(*m_dir)));
    QCOMPARE(window.face()->controlGeometry(Id::AppList), kDesignerPlacement.controls[5].geometry);
    QCOMPARE(window.face()->appList()->count(), 0);
    QVERIFY(!window.face()->textPanel()->isHidden());
}

void TestDesignerWindow::halfPixelsAreWrittenRoundedToEven() {
    const auto window = openOn();
    MenuFace& face = *window->face();
    QVERIFY(face.setControlGeometry(Id::InstallButton, {560, 298.5, 57, 57}));
    QVERIFY(face.setControlGeometry(Id::ExploreButton, {560, 299.5, 57.5, 56.5}));
    const QString block = serializeLayout(*window, {}).text;
    QCOMPARE(layoutValue(block, u"[CO1T]"_s), u"298"_s);
    QCOMPARE(layoutValue(block, u"[CO2T]"_s), u"300"_s);
    QCOMPARE(layoutValue(block, u"[CO2W]"_s), u"58"_s);
    QCOMPARE(layoutValue(block, u"[CO2H]"_s), u"56"_s);
    // Kept unrounded in the designer.
    QCOMPARE(face.controlGeometry(Id::InstallButton).top, 298.5);
}

void TestDesignerWindow::valuesBeyondSixteenBitsAreClampedAndNamed() {
    const auto window = openOn();
    WindowTwips far = window->windowTwips();
    far.left = 40000;
    far.top = -33000;
    QVERIFY(window->setWindowTwips(far));
    const LayoutBlock block = serializeLayout(*window, {});
    QCOMPARE(layoutValue(block.text, u"[FO1L]"_s), u"32767"_s);
    QCOMPARE(layoutValue(block.text, u"[FO1T]"_s), u"-32768"_s);
    QCOMPARE(block.clampedTags, (QStringList{u"[FO1T]"_s, u"[FO1L]"_s}));
    QCOMPARE(layoutLineCount(block.text), 43);

    // A negative size is refused outright.
    far.width = -1;
    QVERIFY(!window->setWindowTwips(far));
    QVERIFY(window->windowTwips().width > 0);
}

void TestDesignerWindow::windowDraggedByTheAuthorIsWrittenWhereItIs() {
    const auto window = openOn(u"[FO1T]1000\r\n[FO1L]1000"_s);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    // Set unrounded: 1010 twips is no whole pixel, and is kept while untouched.
    WindowTwips set = window->windowTwips();
    set.left = 1010;
    QVERIFY(window->setWindowTwips(set));
    QCOMPARE(window->windowTwips().left, 1010.0);

    window->move(window->frameGeometry().topLeft() + QPoint(0, 40));
    const qreal ratio = window->twipsPerPixel();
    QCOMPARE(window->windowTwips().top, window->frameGeometry().top() * ratio);
    QCOMPARE(window->windowTwips().left, 1010.0);
}

void TestDesignerWindow::windowSizesTheFileCannotHoldAreRefused() {
    const auto window = openOn();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const qreal ratio = window->twipsPerPixel();
    const WindowTwips before = window->windowTwips();
    const QSize shownBefore = window->frameGeometry().size();

    WindowTwips wide = before;
    wide.width = 32768 * ratio;
    QVERIFY(!window->setWindowTwips(wide));
    WindowTwips tall = before;
    tall.height = (32768 + window->frameHeight()) * ratio;
    QVERIFY(!window->setWindowTwips(tall));
    QCOMPARE(window->windowTwips(), before);
    QCOMPARE(window->frameGeometry().size(), shownBefore);

    // The largest size the file holds is still taken, and written as it is.
    window->hide();
    WindowTwips largest = before;
    largest.width = 32767 * ratio;
    largest.height = (32767 + window->frameHeight()) * ratio;
    QVERIFY(window->setWindowTwips(largest));
    const LayoutBlock block = serializeLayout(*window, {});
    QCOMPARE(layoutValue(block.text, u"[FO1W]"_s), u"32767"_s);
    QCOMPARE(layoutValue(block.text, u"[FO1H]"_s), u"32767"_s);
    QVERIFY(block.clampedTags.isEmpty());
}

void TestDesignerWindow::logoStaysCentredInItsFrame() {
    writePicture(m_dir->filePath(u"logo.bmp"_s), {100, 40}, Qt::yellow);
    writePicture(m_dir->filePath(u"default.bmp"_s), {50, 50}, Qt::cyan);
    const auto window = openOn(u"[PI9W]300\r\n[PI9H]60\r\n[PI1W]150\r\n[PI1H]100"_s);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    MenuFace& face = *window->face();
    // Centred after the layout lines resized the frames.
    QCOMPARE(face.logo()->geometry(), QRect(100, 10, 100, 40));
    QCOMPARE(face.appPicture()->geometry(), QRect(50, 25, 50, 50));

    // The logo follows its frame at once; the application picture does not.
    FaceGeometry logoFrame = face.controlGeometry(Id::Logo);
    logoFrame.width = 200;
    QVERIFY(face.setControlGeometry(Id::Logo, logoFrame));
    QCOMPARE(face.logo()->pos(), QPoint(50, 10));
    FaceGeometry pictureFrame = face.controlGeometry(Id::AppPicture);
    pictureFrame.width = 250;
    QVERIFY(face.setControlGeometry(Id::AppPicture, pictureFrame));
    QCOMPARE(face.appPicture()->pos(), QPoint(50, 25));
}

void TestDesignerWindow::factoryLayoutSerialisesAsDocumented() {
    writePicture(m_dir->filePath(u"logo.bmp"_s), {100, 40}, Qt::yellow);
    writePicture(m_dir->filePath(u"default.bmp"_s), {50, 50}, Qt::cyan);
    writeProject(*m_dir, sampleConfig(), u"[BKGR]nothing.bmp"_s);
    // A frame of 25 pixels, as on the usual desktop, on a screen of 15 twips a pixel.
    DesignerWindow window(25);
    QCOMPARE(window.twipsPerPixel(), 15.0);
    window.load(configPath(), projectFolderOf(*m_dir));
    const QPoint pictureBefore = window.face()->appPicture()->pos();

    applyFactoryLayout(window);
    QCOMPARE(window.face()->backgroundPath(), QString());
    const QString expected =
        u"[CO1T]298\r\n[CO1L]390\r\n[CO1W]71\r\n[CO1H]71\r\n[CO1C]12632256\r\n"
        u"[CO2T]298\r\n[CO2L]460\r\n[CO2W]71\r\n[CO2H]71\r\n[CO2C]12632256\r\n"
        u"[CO4T]298\r\n[CO4L]530\r\n[CO4W]71\r\n[CO4H]71\r\n[CO4C]12632256\r\n"
        u"[PI1T]42\r\n[PI1L]90\r\n[PI1W]224\r\n[PI1H]193\r\n[PI1C]0\r\n"
        u"[PI9T]285\r\n[PI9L]20\r\n[PI9W]364\r\n[PI9H]88\r\n[PI9C]12632256\r\n"
        u"[LS2T]0\r\n[LS2L]390\r\n[LS2W]208\r\n[LS2H]186\r\n[LS2C]12632256\r\n[LS2F]0\r\n"
        u"[TX1T]210\r\n[TX1L]390\r\n[TX1W]211\r\n[TX1H]74\r\n[TX1C]12632256\r\n[TX1F]0\r\n"
        u"[FO1T]100\r\n[FO1L]100\r\n[FO1W]619\r\n[FO1H]397\r\n[FO1C]12632256\r\n[BKGR]\r\n"_s;
    QCOMPARE(serializeLayout(window, {}).text, expected);
    // The logo is centred in its new frame; the picture waits for its next resize.
    QCOMPARE(window.face()->logo()->pos(), QPoint(132, 24));
    QCOMPARE(window.face()->appPicture()->pos(), pictureBefore);
}

void TestDesignerWindow::clickingAnObjectPicksIt() {
    const auto window = openOn();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QSignalSpy picks(window.get(), &DesignerWindow::picked);
    MenuFace& face = *window->face();

    QTest::mouseClick(face.installButton(), Qt::LeftButton);
    QTest::mouseClick(face.exploreButton(), Qt::LeftButton);
    QTest::mouseClick(face.extraButton(), Qt::LeftButton);
    QTest::mouseClick(face.textPanel()->viewport(), Qt::LeftButton);
    // The free area: between the list and the application picture.
    QTest::mouseClick(&face, Qt::LeftButton, {}, QPoint(225, 200));
    // The list picks on the press alone, also below its last name.
    QTest::mousePress(face.appList()->viewport(), Qt::LeftButton, {}, QPoint(20, 200));

    QList<Id> picked;
    for (const QList<QVariant>& pick : picks)
        picked << pick.first().value<Id>();
    QCOMPARE(picked, (QList<Id>{Id::InstallButton, Id::ExploreButton, Id::ExtraButton,
                                Id::TextPanel, Id::Window, Id::AppList}));
    QTest::mouseRelease(face.appList()->viewport(), Qt::LeftButton, {}, QPoint(20, 200));
    QCOMPARE(picks.size(), 6);
}

void TestDesignerWindow::pictureAndFramePickTheFrame() {
    writePicture(m_dir->filePath(u"logo.bmp"_s), {100, 40}, Qt::yellow);
    writePicture(m_dir->filePath(u"default.bmp"_s), {50, 50}, Qt::cyan);
    const auto window = openOn();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QSignalSpy picks(window.get(), &DesignerWindow::picked);
    MenuFace& face = *window->face();

    QTest::mouseClick(face.logo(), Qt::LeftButton);
    QTest::mouseClick(face.logoFrame(), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseClick(face.appPicture(), Qt::LeftButton);
    QTest::mouseClick(face.appPictureFrame(), Qt::LeftButton, {}, QPoint(3, 3));

    QList<Id> picked;
    for (const QList<QVariant>& pick : picks)
        picked << pick.first().value<Id>();
    // One pick a click: the picture's click does not reach its frame or the window.
    QCOMPARE(picked, (QList<Id>{Id::Logo, Id::Logo, Id::AppPicture, Id::AppPicture}));
}

QTEST_MAIN(TestDesignerWindow)
#include "test_window.moc"
