#include "unzipwindow.h"

#include "accessiblenames.h"
#include "extractfolders.h"
#include "prompts.h"
#include "twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cmath>
#include <utility>

namespace {

// Client width of the window and the size of the bar's frame, in twips.
constexpr int kClientWidth = 4365;
constexpr int kBarFrameWidth = 3135;
constexpr int kBarFrameHeight = 255;

QFont fontOf(const QString& family, qreal points, QFont::StyleHint hint = QFont::SansSerif) {
    QFont f(family);
    f.setPointSizeF(points);
    f.setStyleHint(hint);
    return f;
}

template <typename W>
W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

} // namespace

VBUnzFrm::VBUnzFrm(const UnzTexts& texts, Prompts& prompts, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , texts_(texts)
    , prompts_(prompts)
    , binding_(state_, texts, prompts, *this)
    , twipsPerPixel_(twips::perPixel()) {
    setObjectName(QStringLiteral("VBUnzFrm"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    const QFont sans975 = fontOf(QStringLiteral("MS Sans Serif"), 9.75);
    const QFont sans825 = fontOf(QStringLiteral("MS Sans Serif"), 8.25);
    const QFont arial = fontOf(QStringLiteral("Arial"), 8.25);

    frame1_ = named(new QGroupBox(this), QStringLiteral("Frame1"));
    place(frame1_, 105, -30, 3960, 1320);
    label1_ = named(new QLabel(frame1_), QStringLiteral("Label1"));
    place(label1_, 90, 150, 3735, 255);
    label1_->setFont(sans975);
    zipFName_ = named(new QLineEdit(frame1_), QStringLiteral("ZipFName"));
    place(zipFName_, 120, 360, 3735, 270);
    zipFName_->setFont(arial);
    label2_ = named(new QLabel(frame1_), QStringLiteral("Label2"));
    place(label2_, 120, 705, 3735, 255);
    label2_->setFont(sans975);
    extractRoot_ = named(new QLineEdit(frame1_), QStringLiteral("ExtractRoot"));
    place(extractRoot_, 105, 945, 3735, 255);
    extractRoot_->setFont(arial);

    label3_ = named(new QLabel(this), QStringLiteral("Label3"));
    place(label3_, 195, 1410, 375, 375);
    label3_->setFont(sans825);
    label3_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label4_ = named(new QLabel(QStringLiteral("%"), this), QStringLiteral("Label4"));
    place(label4_, 615, 1410, 255, 255);
    label4_->setFont(sans825);
    picture1_ = named(new QFrame(this), QStringLiteral("Picture1"));
    picture1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    place(picture1_, 840, 1395, kBarFrameWidth, kBarFrameHeight);
    shape1_ = named(new QFrame(picture1_), QStringLiteral("Shape1"));
    shape1_->setAutoFillBackground(true);
    QPalette barPalette = shape1_->palette();
    barPalette.setColor(QPalette::Window, QColor(0, 0, 160));
    shape1_->setPalette(barPalette);

    command1_ = named(new QPushButton(QStringLiteral("Start"), this), QStringLiteral("Command1"));
    place(command1_, 240, 1680, 1095, 375);
    command1_->setFont(sans825);
    quitVBUnz_ = named(new QPushButton(QStringLiteral("Exit"), this), QStringLiteral("QuitVBUnz"));
    place(quitVBUnz_, 1560, 1680, 1095, 375);
    quitVBUnz_->setFont(sans825);
    command2_ = named(new QPushButton(QStringLiteral("Info"), this), QStringLiteral("Command2"));
    place(command2_, 2880, 1695, 1095, 375);
    command2_->setFont(sans825);

    msgOut_ = named(new QPlainTextEdit(this), QStringLiteral("MsgOut"));
    place(msgOut_, 240, 2160, 3735, 2055);
    msgOut_->setFont(fontOf(QStringLiteral("Courier New"), 9, QFont::TypeWriter));
    msgOut_->setLineWrapMode(QPlainTextEdit::NoWrap);

    label1_->setBuddy(zipFName_);
    label2_->setBuddy(extractRoot_);
    accessibility::prepareWindow(this, {{QStringLiteral("MsgOut"), texts.messagesName}});

    connect(command1_, &QPushButton::clicked, this, &VBUnzFrm::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &VBUnzFrm::Command2_Click);
    connect(quitVBUnz_, &QPushButton::clicked, this, &VBUnzFrm::QuitVBUnz_Click);

    setWindowHeight(unzheight::collapsed);
}

VBUnzFrm::~VBUnzFrm() = default;

const UnzTexts& VBUnzFrm::unzTexts(QStringView language) {
    return ::unzTexts(language);
}

void VBUnzFrm::setApplicationNameSource(std::function<QString()> source) {
    applicationName_ = std::move(source);
}

void VBUnzFrm::openFor(const QString& zipFName, const QString& extractRoot) {
    // The menu stays usable during a run; the fields the run reads stay.
    if (running_) {
        raise();
        activateWindow();
        return;
    }
    if (!loaded_) {
        Form_Load();
    } else {
        show();
    }
    if (!windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        // Changing the flags hides the window; show it again on top.
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
        show();
    }
    raise();
    activateWindow();
    zipFName_->setText(zipFName);
    extractRoot_->setText(extractRoot);
}

void VBUnzFrm::Form_Load() {
    loaded_ = true;
    // A window loaded again starts as a new one would.
    label3_->setText(QStringLiteral("0.00"));
    command2_->setText(QStringLiteral("Info"));
    quitVBUnz_->setText(QStringLiteral("Exit"));
    msgOut_->clear();

    label1_->setText(texts_.locationCaption);
    label2_->setText(texts_.extractionCaption);
    command2_->setEnabled(false);
    setWindowHeight(unzheight::collapsed);
    setProgressShown(false);
    state_.infoCollapsed = true;
    setBarGeometry(50, 50, kBarFrameWidth - 150, kBarFrameHeight - 150);
    state_.barWidth = bar_.width;
    setBarWidth(0);
    extractRoot_->clear();
    zipFName_->clear();
    show();
    setWindowTitle(QStringLiteral("ZelUnzip: ") +
                   (applicationName_ ? applicationName_() : QString()));
}

void VBUnzFrm::Command1_Click() {
    // A modal question inside a pass lets events through; a second Start
    // then must not run the engine inside itself.
    if (running_) {
        return;
    }
    running_ = true;
    command1_->setEnabled(false);
    binding_.clearStop();
    quitVBUnz_->setText(texts_.stopCaption);

    createExtractionFolders(extractRoot_->text());
    state_.printCount = 0;
    setOutputText(QString());

    state_.reportErrors = 0;
    state_.memberCount = 0;
    state_.option(unzoption::promptToOverwrite) = 1;
    state_.option(unzoption::overwriteAll) = 0;
    state_.option(unzoption::showComment) = 0;
    state_.option(unzoption::listOnly) = 1;
    state_.option(unzoption::recreateFolders) = 1;
    state_.includeList.fill(QString());
    state_.excludeList.fill(QString());
    state_.includeCount = 0;
    state_.excludeCount = 0;
    state_.zipFileName = zipFName_->text();
    state_.extractionDirectory = extractRoot_->text();
    binding_.UnzRun();

    if (state_.memberCount > 0) {
        state_.memberTotal = state_.memberCount;
    }
    state_.zipFileName = zipFName_->text();
    state_.extractionDirectory = extractRoot_->text();
    if (!state_.extractionDirectory.isEmpty()) {
        state_.option(unzoption::listOnly) = 0;
    }

    state_.printCount = 0;
    command2_->setEnabled(true);
    setProgressShown(true);
    setOutputText(QString());
    state_.reportErrors = -1;
    // The progress display just shown, and a window never painted yet, must
    // be on screen before the pass draws into them.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    binding_.UnzRun();

    // A stopped run leaves the bar where it stopped.
    if (!binding_.stopRequested()) {
        setBarWidth(state_.barWidth);
        redrawBar();
        setPercentText(QStringLiteral("100"));
    }
    // An error box may have folded the output away.
    command2_->setText(state_.infoCollapsed ? QStringLiteral("Info") : QStringLiteral("No Info"));
    // Clicks that came in during the run reach a disabled Start and are
    // dropped, never starting a second run.
    QCoreApplication::processEvents();
    command1_->setEnabled(true);
    quitVBUnz_->setText(QStringLiteral("Exit"));
    running_ = false;
    if (std::exchange(closeAfterRun_, false)) {
        close();
    }
}

void VBUnzFrm::Command2_Click() {
    if (state_.infoCollapsed) {
        setWindowHeight(unzheight::unfolded);
        state_.infoCollapsed = false;
        command2_->setText(QStringLiteral("No Info"));
    } else {
        setWindowHeight(unzheight::collapsed);
        command2_->setText(QStringLiteral("Info"));
        state_.infoCollapsed = true;
    }
}

void VBUnzFrm::QuitVBUnz_Click() {
    // During a run the button is Stop.
    if (running_) {
        binding_.requestStop();
    } else {
        close();
    }
}

void VBUnzFrm::closeEvent(QCloseEvent* event) {
    // The run ends first: the engine is writing into the window's state.
    // Closing asks to stop it, and the window closes once it has stopped.
    if (running_) {
        event->ignore();
        if (!closeAfterRun_ && prompts_.messageBox(texts_.stopQuestion, windowTitle(),
                                                   Prompts::Buttons::YesNo, Prompts::Icon::Question,
                                                   Prompts::Answer::No) == Prompts::Answer::Yes) {
            closeAfterRun_ = true;
            binding_.requestStop();
        }
        return;
    }
    loaded_ = false;
    event->accept();
}

void VBUnzFrm::serveEvents() {
    // Often enough for the eye and for the Stop button, seldom enough not to
    // slow the engine down.
    constexpr qint64 kServeEveryMs = 20;
    if (lastServed_.isValid() && lastServed_.elapsed() < kServeEveryMs) {
        return;
    }
    QCoreApplication::processEvents();
    lastServed_.start();
}

void VBUnzFrm::hideWindow() {
    hide();
}

void VBUnzFrm::showWindow() {
    show();
}

void VBUnzFrm::setWindowHeight(int twipsHeight) {
    setFixedSize(px(kClientWidth), px(twipsHeight));
}

void VBUnzFrm::setProgressShown(bool shown) {
    label3_->setVisible(shown);
    label4_->setVisible(shown);
    picture1_->setVisible(shown);
}

int VBUnzFrm::barFrameWidth() const {
    return kBarFrameWidth;
}

int VBUnzFrm::barFrameHeight() const {
    return kBarFrameHeight;
}

void VBUnzFrm::setBarGeometry(double left, double top, double width, double height) {
    bar_ = {left, top, width, height};
    placeBar();
}

void VBUnzFrm::setBarWidth(double width) {
    bar_.width = width;
    placeBar();
}

void VBUnzFrm::redrawBar() {
    picture1_->repaint();
}

void VBUnzFrm::setPercentText(const QString& text) {
    label3_->setText(text);
    label3_->repaint();
}

QString VBUnzFrm::outputText() const {
    QString text = msgOut_->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void VBUnzFrm::setOutputText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    msgOut_->setPlainText(shown);
}

int VBUnzFrm::px(double twipsValue) const {
    return static_cast<int>(std::nearbyint(twipsValue / twipsPerPixel_));
}

void VBUnzFrm::place(QWidget* w, int left, int top, int width, int height) const {
    w->setGeometry(px(left), px(top), px(width), px(height));
}

void VBUnzFrm::placeBar() {
    const int width = px(bar_.width);
    shape1_->setGeometry(px(bar_.left), px(bar_.top), width, px(bar_.height));
    shape1_->setVisible(width > 0);
}
