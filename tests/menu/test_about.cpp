#include "aboutbox.h"
#include "clickablelabel.h"
#include "menutexts.h"
#include "recordingdesktop.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QStyle>
#include <QTest>

using namespace Qt::StringLiterals;

// The menu's about window as the user sees it: the credit line of either
// language beside the two links, at the usual font and at twice its size.
class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void creditLeavesTheLinksWhole_data();
    void creditLeavesTheLinksWhole();
};

namespace {

// Where the label draws its caption, in the about window's coordinates.
QRect captionRect(const QLabel* label) {
    const QRect inside = QStyle::alignedRect(
        Qt::LeftToRight, label->alignment(),
        label->fontMetrics().boundingRect(label->text()).size(), label->contentsRect());
    return inside.translated(label->pos());
}

} // namespace

void TestAbout::creditLeavesTheLinksWhole_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<qreal>("fontScale");
    for (const QString& language : {u"IT"_s, u"EN"_s}) {
        for (qreal scale : {1.0, 2.0})
            QTest::addRow("%s at %d %%", qPrintable(language), int(scale * 100))
                << language << scale;
    }
}

void TestAbout::creditLeavesTheLinksWhole() {
    QFETCH(QString, language);
    QFETCH(qreal, fontScale);
    const QFont usual = QApplication::font();
    QFont font = usual;
    font.setPointSizeF(usual.pointSizeF() * fontScale);
    QApplication::setFont(font);

    QWidget owner;
    RecordingDesktop desktop;
    AboutBox* box = AboutBox::showMenuAbout(&owner, desktop, u"About text"_s,
                                            MenuTexts::forLanguage(language).aboutCredit);
    const auto* credit = box->findChild<QLabel*>(u"Label3"_s);
    const QRect creditRect = credit->geometry();
    // The whole credit is shown, in its own place.
    QVERIFY(credit->heightForWidth(creditRect.width()) <= creditRect.height());
    QVERIFY(!creditRect.intersects(box->findChild<QFrame*>(u"Frame1"_s)->geometry()));
    for (const QString& name : {u"Label15"_s, u"Label28"_s}) {
        const auto* link = box->findChild<ClickableLabel*>(name);
        QVERIFY2(!creditRect.intersects(link->geometry()), qPrintable(name));
        QVERIFY2(box->rect().contains(link->geometry()), qPrintable(name));
        // Every point of the caption belongs to the link.
        const QRect caption = captionRect(link);
        QVERIFY2(link->geometry().contains(caption), qPrintable(name));
        for (const QPoint& point :
             {caption.topLeft(), caption.topRight(), caption.bottomLeft(), caption.bottomRight()})
            QVERIFY2(box->childAt(point) == link, qPrintable(name));
    }
    QVERIFY(!box->findChild<QLabel*>(u"Label15"_s)
                 ->geometry()
                 .intersects(box->findChild<QLabel*>(u"Label28"_s)->geometry()));
    box->close();
    QApplication::setFont(usual);
}

QTEST_MAIN(TestAbout)
#include "test_about.moc"
