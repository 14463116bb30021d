#include "formfixture.h"
#include "menuface.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;

// The start-up sequence of the menu window: what config.ini puts on screen,
// in which order, and what a damaged or missing file does.
class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QDir::setCurrent(QDir::tempPath()); }

    void missingConfigNamesTheFolder();
    void textsAndCaption();
    void unsetTextsKeepTheDesign();
    void withoutCategoriesEveryAppInFileOrder();
    void categoriesShowTheFirstOnTopOfTheList();
    void categoriesWithoutNames();
    void categoryNamesAreTrimmed();
    void defaultPicturesCentred();
    void missingPicturesLeaveStartUpGoing();
    void windowSizeFromTheLayout();
    void windowSizeKeptUsable_data();
    void windowSizeKeptUsable();
    void layoutValueThatIsNoNumberIsPassedOver();
    void fixedNamesFoundInAnyCase();
    void discFolderIsCurrentAndButtonsDisabled();
    void damagedFilesNeverStopTheWindow();
    void aboutShowsTheFileTextAndCredit();
    void closingStopsTheSound();
    void demoDiscShowsEveryPart();
};

namespace {

QStringList names(QListWidget* list) {
    QStringList result;
    for (int row = 0; row < list->count(); ++row)
        result.append(list->item(row)->text());
    return result;
}

} // namespace

void TestStartup::missingConfigNamesTheFolder() {
    FormFixture f;
    const auto error = f.load();
    QVERIFY(error.has_value());
    QVERIFY2(error->contains(QDir::toNativeSeparators(f.disc.folder())), qPrintable(*error));
    QVERIFY(error->contains(u"config.ini"_s));
    QVERIFY(!f.form->isLoaded());
}

void TestStartup::textsAndCaption() {
    FormFixture f;
    f.disc.writeConfig(
        {u"[TITL]My disc"_s, u"[INTR]Welcome, è tutto qui"_s, u"[ABOU]Made in 2026"_s});
    QVERIFY(!f.load());
    QCOMPARE(f.form->windowTitle(), u"My disc"_s);
    QCOMPARE(f.form->face()->textPanel()->toPlainText(), u"Welcome, è tutto qui"_s);
    QCOMPARE(f.form->aboutText(), u"Made in 2026"_s);
    QCOMPARE(f.form->findChild<QPlainTextEdit*>(u"Text2"_s)->isVisible(), false);
    QCOMPARE(f.form->face()->exploreButton()->text(), u"Esplora"_s);
    QVERIFY(f.form->texts().aboutCredit.startsWith(u"Questa applicazione"_s));

    FormFixture english;
    english.disc.writeConfig({u"[TITL]x"_s});
    QVERIFY(!english.load(u"EN"_s));
    QCOMPARE(english.form->face()->exploreButton()->text(), u"Explore"_s);
    QVERIFY(english.form->texts().aboutCredit.startsWith(u"This application has been made"_s));
}

void TestStartup::unsetTextsKeepTheDesign() {
    FormFixture f;
    f.disc.writeConfig({u"[TITL]NO"_s, u"[INTR]NO"_s, u"[ABOU]NO"_s, u"[ICON]NO"_s});
    QVERIFY(!f.load());
    QCOMPARE(f.form->windowTitle(), QString());
    QCOMPARE(f.form->face()->textPanel()->toPlainText(), QString());
    QCOMPARE(f.form->aboutText(), QString());
    // The last [TITL] wins as each line is applied at once.
    FormFixture twice;
    twice.disc.writeConfig({u"[TITL]First"_s, u"[TITL]Second"_s, u"[TITL]NO"_s});
    QVERIFY(!twice.load());
    QCOMPARE(twice.form->windowTitle(), u"Second"_s);
}

void TestStartup::withoutCategoriesEveryAppInFileOrder() {
    FormFixture f;
    QStringList lines{u"[TITL]t"_s};
    for (const QString& name : {u"Zeta"_s, u"Alpha"_s, u"Mid"_s})
        lines += DiscKit::appLines({.name = name, .category = u"Games"_s});
    f.disc.writeConfig(lines);
    QVERIFY(!f.load());
    QVERIFY(!f.form->categoriesEnabled());
    QVERIFY(!f.form->face()->categoryBox()->isVisibleTo(f.form.get()));
    QCOMPARE(names(f.form->face()->appList()), QStringList({u"Zeta"_s, u"Alpha"_s, u"Mid"_s}));
    const FaceGeometry list = f.form->face()->controlGeometry(LayoutObjectId::AppList);
    QCOMPARE(list, (FaceGeometry{8, 208, 201, 173}));
    QCOMPARE(f.form->appTable().masterCount(), 0);
    // The categories read are kept in the master list all the same.
    QCOMPARE(f.form->appTable().masterList(AppTable::Category).size(), 3);
}

void TestStartup::categoriesShowTheFirstOnTopOfTheList() {
    FormFixture f;
    QStringList lines{u"[CATE]SI"_s,  u"[CATG]Tools"_s, u"[CATG]Games"_s,
                      u"[LS2T]200"_s, u"[LS2L]10"_s,    u"[LS2W]180"_s,
                      u"[LS2H]150"_s, u"[LS2C]255"_s,   u"[LS2F]65280"_s};
    lines += DiscKit::appLines({.name = u"Chess"_s, .category = u"Games"_s});
    lines += DiscKit::appLines({.name = u"Editor"_s, .category = u"Tools"_s});
    lines += DiscKit::appLines({.name = u"Lower"_s, .category = u"tools"_s});
    lines += DiscKit::appLines({.name = u"Zipper"_s, .category = u"Tools"_s});
    lines += DiscKit::appLines({.name = u"Orphan"_s, .category = u"n/a"_s});
    f.disc.writeConfig(lines);
    QVERIFY(!f.load());
    QVERIFY(f.form->categoriesEnabled());
    QComboBox* combo = f.form->face()->categoryBox();
    QVERIFY(combo->isVisibleTo(f.form.get()));
    QCOMPARE(combo->currentText(), u"Tools"_s);
    // Only the first category's applications, in file order; letter case counts.
    QCOMPARE(names(f.form->face()->appList()), QStringList({u"Editor"_s, u"Zipper"_s}));

    const int comboHeight = combo->height();
    QCOMPARE(combo->geometry(), QRect(10, 200, 180, comboHeight));
    const FaceGeometry list = f.form->face()->controlGeometry(LayoutObjectId::AppList);
    QCOMPARE(list, (FaceGeometry{10, 200.0 + comboHeight, 180, 150.0 - comboHeight}));
    QCOMPARE(f.form->face()->appList()->geometry().top(), 200 + comboHeight);
    // The drop-down takes the list's colours: red back, green text.
    QCOMPARE(combo->palette().color(QPalette::Base), QColor(255, 0, 0));
    QCOMPARE(combo->palette().color(QPalette::Text), QColor(0, 255, 0));
    QCOMPARE(f.form->appTable().masterCount(), 5);
}

void TestStartup::categoriesWithoutNames() {
    FormFixture f;
    QStringList lines{u"[CATE]SI"_s};
    lines += DiscKit::appLines({.name = u"A"_s, .category = u"Games"_s});
    f.disc.writeConfig(lines);
    QVERIFY(!f.load());
    QVERIFY(f.form->face()->categoryBox()->isVisibleTo(f.form.get()));
    QCOMPARE(f.form->face()->categoryBox()->count(), 0);
    QCOMPARE(f.form->face()->appList()->count(), 0);

    // [CATE] with anything but "SI" leaves categories off, "si" included.
    FormFixture lower;
    lower.disc.writeConfig({u"[CATE]si"_s, u"[CATG]Games"_s});
    QVERIFY(!lower.load());
    QVERIFY(!lower.form->categoriesEnabled());
    QVERIFY(!lower.form->face()->categoryBox()->isVisibleTo(lower.form.get()));
}

void TestStartup::categoryNamesAreTrimmed() {
    FormFixture f;
    QStringList lines{u"[CATE]SI"_s, u"[CATG]  Games  "_s};
    lines += DiscKit::appLines({.name = u"Padded"_s, .category = u"  Games  "_s});
    lines += DiscKit::appLines({.name = u"Exact"_s, .category = u"Games"_s});
    lines += DiscKit::appLines({.name = u"Other case"_s, .category = u"games"_s});
    f.disc.writeConfig(lines);
    QVERIFY(!f.load());
    QCOMPARE(f.form->face()->categoryBox()->itemText(0), u"Games"_s);
    // The applications' categories lose their outer blanks too, so a name
    // written alike in both places keeps its applications; case still counts.
    QCOMPARE(names(f.form->face()->appList()), QStringList({u"Padded"_s, u"Exact"_s}));
}

void TestStartup::defaultPicturesCentred() {
    FormFixture f;
    f.disc.writePicture(u"logo.bmp"_s, QSize(101, 40));
    f.disc.writePicture(u"default.bmp"_s, QSize(50, 61));
    f.disc.writeConfig({u"[TITL]x"_s});
    QVERIFY(!f.load());
    QLabel* logo = f.form->face()->logo();
    QCOMPARE(logo->size(), QSize(101, 40));
    QCOMPARE(logo->pos(), QPoint((625 - 101) / 2, (86 - 40) / 2));
    QLabel* picture = f.form->face()->appPicture();
    // 131.5 rounds to the even 132.
    QCOMPARE(picture->pos(), QPoint(132, (241 - 61) / 2));
}

void TestStartup::missingPicturesLeaveStartUpGoing() {
    FormFixture f;
    f.disc.writeFile(u"broken.bmp"_s, "not a picture");
    QStringList lines{u"[IC1a]missing.bmp"_s, u"[IC2a]broken.bmp"_s, u"[ICON]nothere.ico"_s,
                      u"[BKGR]gone.bmp"_s, u"[TITL]Still here"_s};
    lines += DiscKit::appLines({.name = u"A"_s});
    f.disc.writeConfig(lines);
    QVERIFY(!f.load());
    QCOMPARE(f.form->windowTitle(), u"Still here"_s);
    QVERIFY(f.form->face()->picture(FacePicture::Logo).isNull());
    QVERIFY(f.form->face()->picture(FacePicture::InstallButton).isNull());
    QCOMPARE(f.form->face()->appList()->count(), 1);
}

void TestStartup::windowSizeFromTheLayout() {
    FormFixture f;
    f.disc.writeConfig({u"[FO1T]5000"_s, u"[FO1L]7000"_s, u"[FO1W]619"_s, u"[FO1H]397"_s});
    QVERIFY(!f.load());
    const int frameHeight = f.form->frameHeight();
    QVERIFY(frameHeight > 0);
    QCOMPARE(f.form->outerSize(), QSize(619, 397 + frameHeight));
    // The area below the menu bar is the height the designer had.
    f.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    QCOMPARE(f.form->face()->height(), 397);
    QCOMPARE(f.form->frameGeometry().size(), QSize(619, 397 + frameHeight));
    // Centred at its final size; [FO1T] and [FO1L] play no part.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(f.form->frameGeometry().topLeft(),
             QPoint((screen.width() - 619) / 2, (screen.height() - 397 - frameHeight) / 2));
}

void TestStartup::windowSizeKeptUsable_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("smaller than the menu bar") << QStringList{u"[FO1W]1"_s, u"[FO1H]0"_s};
    QTest::newRow("negative") << QStringList{u"[FO1W]-300"_s, u"[FO1H]-40"_s};
    QTest::newRow("larger than the screen") << QStringList{u"[FO1W]32000"_s, u"[FO1H]32000"_s};
}

void TestStartup::windowSizeKeptUsable() {
    QFETCH(QStringList, lines);
    FormFixture f;
    f.disc.writeConfig(lines + DiscKit::appLines({.name = u"Only app"_s}));
    QVERIFY(!f.load());
    f.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    const QMenuBar* bar = f.form->menuBar();
    QListWidget* list = f.form->face()->appList();
    QVERIFY(bar->width() >= bar->sizeHint().width());
    QVERIFY(f.form->face()->height() >= list->sizeHintForRow(0));
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(f.form->frameGeometry().width() <= available.width());
    QVERIFY(f.form->frameGeometry().height() <= available.height());
}

void TestStartup::layoutValueThatIsNoNumberIsPassedOver() {
    FormFixture f;
    f.disc.writeConfig(
        {u"[CO1T]abc"_s, u"[CO1L]100"_s, u"[FO1W]wide"_s, u"[TX1W]99999999"_s, u"[LS2C]red"_s});
    QVERIFY(!f.load());
    const FaceGeometry button = f.form->face()->controlGeometry(LayoutObjectId::InstallButton);
    QCOMPARE(button.top, 88.0);
    QCOMPARE(button.left, 100.0);
    QCOMPARE(f.form->outerSize().width(), 750 + FormFixture::frame().frameWidth);
}

void TestStartup::fixedNamesFoundInAnyCase() {
    FormFixture f;
    f.disc.writePicture(u"LOGO.BMP"_s, QSize(20, 20));
    f.disc.writeConfigBytes("[TITL]upper\r\n");
    QFile::rename(f.disc.path(u"config.ini"_s), f.disc.path(u"CONFIG.INI"_s));
    QVERIFY(!f.load());
    QCOMPARE(f.form->windowTitle(), u"upper"_s);
    QVERIFY(!f.form->face()->picture(FacePicture::Logo).isNull());
}

void TestStartup::discFolderIsCurrentAndButtonsDisabled() {
    FormFixture f;
    f.disc.writeConfig(DiscKit::appLines({.name = u"A"_s, .installCommand = u"run.sh"_s}));
    QVERIFY(!f.load());
    QCOMPARE(QDir::current(), QDir(f.disc.folder()));
    QVERIFY(!f.form->face()->installButton()->isEnabled());
    QVERIFY(!f.form->face()->exploreButton()->isEnabled());
    QVERIFY(!f.form->face()->extraButton()->isEnabled());
    QCOMPARE(f.form->face()->appList()->currentRow(), -1);
    // Loading twice reads the file once.
    f.disc.writeConfig(DiscKit::appLines({.name = u"B"_s}));
    QVERIFY(!f.form->load());
    QCOMPARE(f.form->face()->appList()->count(), 1);
}

void TestStartup::damagedFilesNeverStopTheWindow() {
    // Files made of tags, numbers, noise and broken line ends; each must load
    // and take a click on every row and category.
    const QList<QByteArray> pieces{"[NOME]",
                                   "[CATE]SI",
                                   "[CATG]",
                                   "[CATN]",
                                   "[FO1W]",
                                   "[FO1H]-99999",
                                   "[LS2H]1e308",
                                   "[CO1T]nan",
                                   "[IMGN]/dev/null",
                                   "[BKGR]..\\..\\x.bmp",
                                   "[TX1W]-5",
                                   "\r\n",
                                   "\r",
                                   "\n",
                                   "\x00",
                                   "\xff\xfe",
                                   "[PI1W]0",
                                   "[LS2T]32768",
                                   "[ESAM]\\\\server\\share",
                                   "[DESC]",
                                   "[COMM][UNZIP]",
                                   "[EXTR][ASS]"};
    QRandomGenerator random(20261209);
    for (int round = 0; round < 60; ++round) {
        QByteArray bytes;
        const int count = random.bounded(1, 80);
        for (int i = 0; i < count; ++i) {
            bytes += pieces[random.bounded(pieces.size())];
            if (random.bounded(3) == 0)
                bytes += QByteArray::number(random.bounded(-70000, 70000));
            if (random.bounded(4) == 0)
                bytes += char(random.bounded(256));
        }
        FormFixture f;
        f.disc.writeConfigBytes(bytes);
        QVERIFY(!f.load());
        QListWidget* list = f.form->face()->appList();
        for (int row = 0; row < list->count(); ++row)
            list->setCurrentRow(row);
        QComboBox* combo = f.form->face()->categoryBox();
        for (int index = 0; index < combo->count(); ++index) {
            combo->setCurrentIndex(index);
            emit combo->activated(index);
        }
        f.form->face()->installButton()->click();
        f.form->face()->extraButton()->click();
    }
}

void TestStartup::aboutShowsTheFileTextAndCredit() {
    FormFixture f;
    f.disc.writeConfig({u"[ABOU]Disc by us"_s});
    QVERIFY(!f.load(u"EN"_s));
    QAction* about = f.form->findChild<QAction*>(u"About"_s);
    QVERIFY(about);
    QCOMPARE(about->text(), u"About"_s);
    about->trigger();
    auto* box = f.form->findChild<QDialog*>(u"frmAbout"_s);
    QVERIFY(box && box->isVisible());
    QCOMPARE(box->findChild<QLabel*>(u"Label2"_s)->text(), u"Disc by us"_s);
    QCOMPARE(box->findChild<QLabel*>(u"Label3"_s)->text(), f.form->texts().aboutCredit);
    box->close();
}

void TestStartup::closingStopsTheSound() {
    FormFixture f;
    f.disc.writeConfig({u"[TITL]x"_s});
    QVERIFY(!f.load());
    f.form->show();
    f.form->close();
    // Sent even when no sound was opened; the answers are not looked at.
    QCOMPARE(f.sound.commands(), QStringList({u"stop sound"_s, u"close sound"_s}));
}

void TestStartup::demoDiscShowsEveryPart() {
    Form1::Options options;
    options.discFolder = QStringLiteral(DEMO_DISC_DIR);
    RecordingDesktop desktop;
    RecordingSound sound;
    Form1 form(options, desktop, sound);
    form.setFrameMeasure(FormFixture::frame());
    QVERIFY(!form.load());
    MenuFace* face = form.face();
    QCOMPARE(face->categoryBox()->count(), 4);
    QCOMPARE(face->categoryBox()->currentText(), u"Programs"_s);
    QCOMPARE(names(face->appList()), QStringList({u"Hello program"_s, u"Disk usage"_s}));
    for (FacePicture picture : {FacePicture::Logo, FacePicture::AppPicture, FacePicture::Background,
                                FacePicture::InstallButton, FacePicture::ExtraButton})
        QVERIFY2(!face->picture(picture).isNull(), "a picture of the demo disc did not load");
    // Every record of every category opens its picture and enables install.
    for (int index = 0; index < face->categoryBox()->count(); ++index) {
        face->categoryBox()->setCurrentIndex(index);
        emit face->categoryBox()->activated(index);
        for (int row = 0; row < face->appList()->count(); ++row) {
            face->appList()->setCurrentRow(row);
            QVERIFY(face->installButton()->isEnabled());
            QVERIFY(!face->appPicture()->pixmap().isNull());
        }
    }
    QDir::setCurrent(QDir::tempPath());
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
