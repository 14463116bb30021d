#include "menuface.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using Id = LayoutObjectId;
using Property = LayoutProperty;
using Outcome = LayoutLineResult::Outcome;

// The face of the menu window: its controls, the built-in placement, and the
// layout lines applied one at a time as the reader meets them.
class TestMenuFace : public QObject {
    Q_OBJECT

private slots:
    void init();

    void controlsCarryTheirNames();
    void builtInPlacementIsApplied();

    void linesApplyInOrderAndBadValuesChangeNothing();
    void geometryOutsideSixteenBitsIsIgnored();
    void halfPixelsAreKeptAndShownRoundedToEven();
    void windowPositionAndSizeGoToTheOwner();

    void coloursKeepTheirRawValue();

    void picturesAreCentredInResizedFrames();
    void brokenPictureKeepsTheOldOne();
    void backgroundIsDrawnAtTopLeft();
    void pressedPictureShowsWhileHeldDown();

private:
    static QString writePicture(const QString& path, QSize size, QColor colour);
    LayoutLineResult apply(Id id, Property property, const QString& value) {
        return m_face->applyLayoutLine({id, property}, value);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MenuFace> m_face;
};

QString TestMenuFace::writePicture(const QString& path, QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    if (!image.save(path, "PNG"))
        qFatal("cannot write test picture %s", qPrintable(path));
    return path;
}

void TestMenuFace::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_face = std::make_unique<MenuFace>(kMenuPlacement);
    m_face->setPictureFolder(m_dir->path());
}

void TestMenuFace::controlsCarryTheirNames() {
    for (const QString& name : {u"List2"_s, u"Combo1"_s, u"Picture1"_s, u"Text1"_s, u"Command1"_s,
                                u"Command2"_s, u"Command4"_s, u"Picture9"_s}) {
        const QWidget* widget = m_face->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        QVERIFY2(widget, qPrintable(name));
    }
    QCOMPARE(m_face->appPicture()->objectName(), u"Picture5"_s);
    QCOMPARE(m_face->appPicture()->parentWidget(), m_face->appPictureFrame());
    QCOMPARE(m_face->logo()->objectName(), u"Picture2"_s);
    QCOMPARE(m_face->logo()->parentWidget(), m_face->logoFrame());
    for (const LayoutObject& object : layoutObjects) {
        if (object.id == Id::Window || object.id == Id::Background)
            QCOMPARE(m_face->control(object.id), nullptr);
        else
            QCOMPARE(m_face->control(object.id)->objectName(), QString(object.controlName));
    }
    QVERIFY(m_face->categoryBox()->isHidden());
}

void TestMenuFace::builtInPlacementIsApplied() {
    QCOMPARE(m_face->size(), QSize(750, 620));
    QCOMPARE(m_face->appList()->geometry(), QRect(8, 208, 201, 173));
    QCOMPARE(m_face->categoryBox()->geometry(), QRect(16, 120, 153, 21));
    QCOMPARE(m_face->appPictureFrame()->geometry(), QRect(232, 88, 313, 241));
    QCOMPARE(m_face->textPanel()->geometry(), QRect(232, 336, 393, 82));
    QCOMPARE(m_face->installButton()->geometry(), QRect(560, 88, 57, 57));
    QCOMPARE(m_face->exploreButton()->geometry(), QRect(560, 176, 57, 57));
    QCOMPARE(m_face->extraButton()->geometry(), QRect(560, 264, 57, 57));
    QCOMPARE(m_face->logoFrame()->geometry(), QRect(16, 520, 625, 86));
    QCOMPARE(m_face->controlGeometry(Id::Logo), (FaceGeometry{16, 520, 625, 86}));

    // Another table gives another face: the designer passes its own.
    FacePlacement other = kMenuPlacement;
    other.controls[0].geometry = {390, 298, 71, 71};
    other.clientWidth = 600;
    const MenuFace designed(other);
    QCOMPARE(designed.installButton()->geometry(), QRect(390, 298, 71, 71));
    QCOMPARE(designed.sizeHint().width(), 600);
}

void TestMenuFace::linesApplyInOrderAndBadValuesChangeNothing() {
    QCOMPARE(apply(Id::InstallButton, Property::Top, u"100"_s).outcome, Outcome::Applied);
    QCOMPARE(apply(Id::InstallButton, Property::Top, u"1O0"_s).outcome, Outcome::Unchanged);
    QCOMPARE(apply(Id::InstallButton, Property::Top, u""_s).outcome, Outcome::Unchanged);
    QCOMPARE(m_face->installButton()->y(), 100);

    apply(Id::TextPanel, Property::Left, u"10"_s);
    apply(Id::TextPanel, Property::Left, u" 20 "_s);
    QCOMPARE(m_face->textPanel()->x(), 20);

    // A size below zero cannot be shown and is refused like a bad number.
    QCOMPARE(apply(Id::AppList, Property::Width, u"-5"_s).outcome, Outcome::Unchanged);
    QCOMPARE(m_face->appList()->width(), 201);

    apply(Id::AppList, Property::BackColour, u"255"_s);
    QCOMPARE(apply(Id::AppList, Property::BackColour, u"red"_s).outcome, Outcome::Unchanged);
    QCOMPARE(m_face->backColour(Id::AppList).raw(), 255);
}

void TestMenuFace::geometryOutsideSixteenBitsIsIgnored() {
    QCOMPARE(apply(Id::Logo, Property::Left, u"32768"_s).outcome, Outcome::Unchanged);
    QCOMPARE(apply(Id::Logo, Property::Top, u"-32769"_s).outcome, Outcome::Unchanged);
    QCOMPARE(apply(Id::Window, Property::Width, u"99999"_s).outcome, Outcome::Unchanged);
    QCOMPARE(m_face->logoFrame()->pos(), QPoint(16, 520));

    QCOMPARE(apply(Id::Logo, Property::Left, u"-32768"_s).outcome, Outcome::Applied);
    QCOMPARE(m_face->logoFrame()->x(), -32768);
    QVERIFY(!m_face->setControlGeometry(Id::Logo, {qInf(), 0, 1, 1}));
    QCOMPARE(m_face->logoFrame()->x(), -32768);
}

void TestMenuFace::halfPixelsAreKeptAndShownRoundedToEven() {
    apply(Id::InstallButton, Property::Top, u"298.5"_s);
    apply(Id::InstallButton, Property::Left, u"299.5"_s);
    QCOMPARE(m_face->controlGeometry(Id::InstallButton).top, 298.5);
    QCOMPARE(m_face->controlGeometry(Id::InstallButton).left, 299.5);
    QCOMPARE(m_face->installButton()->pos(), QPoint(300, 298));

    // A designer step of 2.5 pixels lands on whole numbers again.
    FaceGeometry moved = m_face->controlGeometry(Id::InstallButton);
    moved.top += 2.5;
    QVERIFY(m_face->setControlGeometry(Id::InstallButton, moved));
    QCOMPARE(m_face->installButton()->y(), 301);
}

void TestMenuFace::windowPositionAndSizeGoToTheOwner() {
    const LayoutLineResult width = apply(Id::Window, Property::Width, u"619"_s);
    QCOMPARE(width.outcome, Outcome::ForWindow);
    QCOMPARE(width.property, Property::Width);
    QCOMPARE(width.value, 619.0);
    const LayoutLineResult top = apply(Id::Window, Property::Top, u"1500.5"_s);
    QCOMPARE(top.outcome, Outcome::ForWindow);
    QCOMPARE(top.value, 1500.5);
    QCOMPARE(apply(Id::Window, Property::Height, u"x"_s).outcome, Outcome::Unchanged);
    QCOMPARE(m_face->size(), QSize(750, 620));
}

void TestMenuFace::coloursKeepTheirRawValue() {
    const QPalette system = QGuiApplication::palette();

    apply(Id::AppList, Property::BackColour, u"16711680"_s);    // 0x00FF0000: blue
    apply(Id::AppList, Property::TextColour, u"-2147483640"_s); // window text
    QCOMPARE(m_face->appList()->palette().color(QPalette::Base), QColor(0, 0, 255));
    QCOMPARE(m_face->textColour(Id::AppList).raw(), qint32(0x80000008));
    QCOMPARE(m_face->appList()->palette().color(QPalette::Text), system.color(QPalette::Text));

    apply(Id::TextPanel, Property::TextColour, u"255.4"_s);
    QCOMPARE(m_face->textPanel()->palette().color(QPalette::Text), QColor(255, 0, 0));

    apply(Id::InstallButton, Property::BackColour, u"-2147483633"_s); // button face
    QCOMPARE(m_face->backColour(Id::InstallButton).raw(), ConfigColour::buttonFace);
    QCOMPARE(m_face->installButton()->palette().color(QPalette::Button),
             system.color(QPalette::Button));

    apply(Id::AppPicture, Property::BackColour, u"65280"_s);
    QCOMPARE(m_face->appPictureFrame()->palette().color(QPalette::Window), QColor(0, 255, 0));

    apply(Id::Window, Property::BackColour, u"12632256"_s);
    QCOMPARE(m_face->windowColour().raw(), 12632256);
    QCOMPARE(m_face->palette().color(QPalette::Window), QColor(192, 192, 192));

    // Only the list and the text panel have a text colour.
    QVERIFY(!m_face->setTextColour(Id::ExtraButton, ConfigColour(255)));
    QCOMPARE(m_face->textColour(Id::ExtraButton).raw(), ConfigColour::buttonText);

    // Built in: the platform's colours, kept as system colours.
    const MenuFace fresh(kMenuPlacement);
    QCOMPARE(fresh.backColour(Id::TextPanel).raw(), ConfigColour::windowBackground);
    QCOMPARE(fresh.windowColour().raw(), ConfigColour::buttonFace);
}

void TestMenuFace::picturesAreCentredInResizedFrames() {
    QPixmap logo(100, 40);
    logo.fill(Qt::red);
    m_face->setPicture(FacePicture::Logo, logo);
    QPixmap shot(50, 50);
    shot.fill(Qt::blue);
    m_face->setPicture(FacePicture::AppPicture, shot);
    QCOMPARE(m_face->logo()->size(), QSize(100, 40));

    apply(Id::Logo, Property::Width, u"300"_s);
    apply(Id::Logo, Property::Height, u"61"_s);
    m_face->centrePictures();
    QCOMPARE(m_face->logo()->pos(), QPoint(100, 10));       // 10.5 rounds to even
    QCOMPARE(m_face->appPicture()->pos(), QPoint(132, 96)); // (313-50)/2, (241-50)/2

    // A picture larger than its frame sticks out on both sides alike.
    apply(Id::Logo, Property::Width, u"80"_s);
    m_face->centrePictures();
    QCOMPARE(m_face->logo()->x(), -10);
}

void TestMenuFace::brokenPictureKeepsTheOldOne() {
    QVERIFY(QDir(m_dir->path()).mkdir(u"Pics"_s));
    writePicture(m_dir->filePath(u"Pics/logo.png"_s), {30, 20}, Qt::green);
    QFile broken(m_dir->filePath(u"broken.bmp"_s));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("BM not a picture");
    broken.close();

    // Stored paths come from Windows: "\" and any letter case.
    QVERIFY(m_face->loadPicture(FacePicture::Logo, u"PICS\\Logo.PNG"_s));
    QCOMPARE(m_face->logo()->size(), QSize(30, 20));
    QVERIFY(!m_face->loadPicture(FacePicture::Logo, u"broken.bmp"_s));
    QVERIFY(!m_face->loadPicture(FacePicture::Logo, u"missing.bmp"_s));
    QCOMPARE(m_face->picture(FacePicture::Logo).size(), QSize(30, 20));
    QCOMPARE(m_face->logo()->pixmap().size(), QSize(30, 20));

    const LayoutKey background{Id::Background, Property::Picture};
    QCOMPARE(m_face->applyLayoutLine(background, u"Pics\\logo.png").outcome, Outcome::Applied);
    QCOMPARE(m_face->applyLayoutLine(background, u"broken.bmp").outcome, Outcome::Unchanged);
    QCOMPARE(m_face->picture(FacePicture::Background).size(), QSize(30, 20));
    QCOMPARE(m_face->backgroundPath(), u"broken.bmp"_s); // written back as the file had it

    QCOMPARE(m_face->applyLayoutLine(background, u"").outcome, Outcome::Applied);
    QVERIFY(m_face->picture(FacePicture::Background).isNull());
    QVERIFY(m_face->backgroundPath().isEmpty());
}

void TestMenuFace::backgroundIsDrawnAtTopLeft() {
    writePicture(m_dir->filePath(u"back.png"_s), {5, 4}, QColor(10, 200, 30));
    apply(Id::Window, Property::BackColour, u"255"_s);
    QCOMPARE(m_face->applyLayoutLine({Id::Background, Property::Picture}, u"back.png").outcome,
             Outcome::Applied);

    const QImage shown = m_face->grab().toImage();
    QCOMPARE(shown.pixelColor(0, 0), QColor(10, 200, 30));
    QCOMPARE(shown.pixelColor(4, 3), QColor(10, 200, 30));
    QCOMPARE(shown.pixelColor(5, 4), QColor(255, 0, 0));
}

void TestMenuFace::pressedPictureShowsWhileHeldDown() {
    QPixmap up(20, 20);
    up.fill(Qt::white);
    QPixmap down(24, 24);
    down.fill(Qt::black);
    m_face->setPicture(FacePicture::ExtraButton, up);
    m_face->setPicture(FacePicture::ExtraButtonPressed, down);
    m_face->setPicture(FacePicture::ExtraButton, QPixmap()); // null keeps the picture
    QCOMPARE(m_face->extraButton()->iconSize(), QSize(20, 20));

    m_face->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_face.get()));
    QTest::mousePress(m_face->extraButton(), Qt::LeftButton);
    QCOMPARE(m_face->extraButton()->iconSize(), QSize(24, 24));
    QTest::mouseRelease(m_face->extraButton(), Qt::LeftButton);
    QCOMPARE(m_face->extraButton()->iconSize(), QSize(20, 20));
}

QTEST_MAIN(TestMenuFace)
#include "test_menuface.moc"
