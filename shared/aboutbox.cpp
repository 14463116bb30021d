#include "aboutbox.h"

#include "accessiblenames.h"
#include "clickablelabel.h"
#include "productinfo.h"
#include "productpicture.h"
#include "shellopen.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

// The window was laid out in twips, 15 to a pixel.
QRect fromTwips(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

QString versionText() {
    return QStringLiteral("Version ") + product::versionNumber();
}

QString applicationTitle() {
    return QCoreApplication::applicationName();
}

const QString menuDescription = QStringLiteral(
    "This menu is free software. It is provided as is, without warranty of any kind: "
    "the author of the disc is responsible for the programs and documents it offers, "
    "and their licences apply to them.");

const QString editorDescription = QStringLiteral(
    "Menusmith writes the config.ini of a start-up menu for a disc, a USB stick or a "
    "folder: its texts, pictures, applications, categories and layout.\n\n"
    "Free software, provided as is, without warranty of any kind.");

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* result = new QLabel(text, parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setGeometry(geometry);
    return result;
}

// Space kept between the credit and the links, and from the window's edge.
constexpr int kGap = 8;
// The credit's font never gets smaller than this to fit its corner.
constexpr double kSmallestCreditPoints = 6;

// Each link at least as large as its caption, inside the window, the second
// below the first.
void placeLinks(QLabel* mail, QLabel* web, int windowWidth) {
    int top = 0;
    for (QLabel* link : {mail, web}) {
        QRect at = link->geometry();
        at.setSize(at.size().expandedTo(link->sizeHint()));
        at.moveLeft(qMin(at.left(), windowWidth - kGap - at.width()));
        at.moveTop(qMax(at.top(), top));
        link->setGeometry(at);
        top = at.bottom() + 1;
    }
}

// The credit fills the corner between the title and the links, above the
// frame, in a font small enough for the whole text.
void placeCredit(QLabel* credit, int right, int bottom) {
    QRect at = credit->geometry();
    at.setTop(8);
    at.setRight(right - kGap);
    at.setBottom(bottom - kGap / 2);
    credit->setGeometry(at);
    QFont font = credit->font();
    while (credit->heightForWidth(at.width()) > at.height() &&
           font.pointSizeF() - 0.5 >= kSmallestCreditPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        credit->setFont(font);
    }
}

} // namespace

AboutBox::AboutBox(Kind kind, Desktop& desktop, QWidget* owner)
    : QDialog(owner)
    , m_kind(kind)
    , m_desktop(desktop) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("About ") + applicationTitle());
}

AboutBox* AboutBox::existing(QWidget* owner) {
    return owner
               ? owner->findChild<AboutBox*>(QStringLiteral("frmAbout"), Qt::FindDirectChildrenOnly)
               : nullptr;
}

AboutBox* AboutBox::showMenuAbout(QWidget* owner, Desktop& desktop, const QString& aboutText,
                                  const QString& credit) {
    AboutBox* box = existing(owner);
    if (!box) {
        box = new AboutBox(Kind::Menu, desktop, owner);
        box->buildMenuFace(aboutText, credit);
        accessibility::prepareWindow(box);
    }
    box->show();
    box->raise();
    box->activateWindow();
    return box;
}

AboutBox* AboutBox::showEditorAbout(QWidget* owner, Desktop& desktop) {
    AboutBox* box = existing(owner);
    if (!box) {
        box = new AboutBox(Kind::Editor, desktop, owner);
        box->buildEditorFace();
        accessibility::prepareWindow(box);
    }
    box->show();
    box->raise();
    box->activateWindow();
    return box;
}

QString AboutBox::mailLink(Kind kind) {
    return product::makerMailLink(kind == Kind::Menu ? u"e-mail da menu.exe"
                                                     : u"e-mail da menusmith");
}

QString AboutBox::webLink() {
    return QString::fromUtf16(product::makerWebPage);
}

void AboutBox::openLink(const QString& link) {
    openWithShell(m_desktop, link);
}

void AboutBox::addCommonLabels() {
    label(this, "lblTitle", applicationTitle(), fromTwips(1440, 120, 1965, 360))
        ->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 14pt"));
    label(this, "lblVersion", versionText(), fromTwips(1440, 480, 1845, 225));
}

void AboutBox::buildMenuFace(const QString& aboutText, const QString& credit) {
    setFixedSize(fromTwips(0, 0, 7155, 5400).size());

    auto* icon = new ClickableLabel(QString(), this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(productPicture());
    icon->setGeometry(8, 8, 71, 71);
    // The picture is a link to the maker's web page.
    icon->setAccessibleName(QStringLiteral("Web Page"));
    icon->setAccessibleDescription(applicationTitle());
    connect(icon, &ClickableLabel::clicked, this, [this] { openLink(webLink()); });

    addCommonLabels();

    auto* mail = new ClickableLabel(QStringLiteral("E-mail"), this);
    mail->setObjectName(QStringLiteral("Label15"));
    mail->setGeometry(fromTwips(5520, 480, 1455, 255));
    connect(mail, &ClickableLabel::clicked, this, [this] { openLink(mailLink(Kind::Menu)); });

    auto* web = new ClickableLabel(QStringLiteral("Web Page "), this);
    web->setObjectName(QStringLiteral("Label28"));
    web->setGeometry(fromTwips(5520, 720, 1455, 255));
    connect(web, &ClickableLabel::clicked, this, [this] { openLink(webLink()); });
    for (QLabel* link : {static_cast<QLabel*>(mail), static_cast<QLabel*>(web)})
        link->setStyleSheet(QStringLiteral("color: palette(link); text-decoration: underline"));

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(fromTwips(120, 1320, 6855, 1575));
    QLabel* about = label(frame, "Label2", aboutText, fromTwips(240, 240, 4965, 1170));
    about->setWordWrap(true);
    about->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The credit line of the first design ran under the links and took their
    // clicks; it now keeps to the left of them whatever the font.
    placeLinks(mail, web, width());
    QLabel* creditLabel = label(this, "Label3", credit, fromTwips(3480, 360, 2295, 855));
    creditLabel->setWordWrap(true);
    creditLabel->setAlignment(Qt::AlignCenter);
    placeCredit(creditLabel, qMin(mail->x(), web->x()), frame->y());

    QLabel* description =
        label(this, "lblDescription", menuDescription, fromTwips(240, 3120, 6765, 2085));
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The OK button sits over the frame's right-hand part, as designed.
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(fromTwips(5520, 1800, 1260, 825));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
}

void AboutBox::buildEditorFace() {
    setFixedSize(fromTwips(0, 0, 7155, 4200).size());

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(productPicture());
    picture->setGeometry(8, 8, 71, 71);
    picture->setAccessibleDescription(applicationTitle());

    addCommonLabels();

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(fromTwips(120, 1320, 6855, 1800));
    QLabel* description =
        label(frame, "lblDescription", editorDescription, fromTwips(240, 240, 6375, 1440));
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (int top : {1200, 3240}) {
        auto* line = new QFrame(this);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setGeometry(fromTwips(120, top, 6855, 30));
    }

    auto* mail = new QPushButton(QStringLiteral("E-mail"), this);
    mail->setObjectName(QStringLiteral("Command1"));
    mail->setGeometry(fromTwips(240, 3480, 1455, 495));
    connect(mail, &QPushButton::clicked, this, [this] { openLink(mailLink(Kind::Editor)); });

    auto* web = new QPushButton(QStringLiteral("Web-Page"), this);
    web->setObjectName(QStringLiteral("Command2"));
    web->setGeometry(fromTwips(1920, 3480, 1455, 495));
    connect(web, &QPushButton::clicked, this, [this] { openLink(webLink()); });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(fromTwips(5520, 3480, 1260, 495));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
}
