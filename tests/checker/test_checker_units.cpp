// The small functions of the disc check that the fault discs do not pin down.
#include "checkreport.h"
#include "checktexts.h"
#include "layoutchecks.h"
#include "linechecks.h"
#include "recordchecks.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCheckerUnits : public QObject {
    Q_OBJECT

private slots:
    void lookAlikeTags_data();
    void lookAlikeTags();
    void encoding_data();
    void encoding();
    void layoutLinesApplyInOrder();
    void exitStatus();
    void jsonReport();
    void textReportInTheProgramsLanguage();
};

void TestCheckerUnits::lookAlikeTags_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("lookAlike"); // empty: none
    QTest::newRow("letter case") << u"[Titl]Demo"_s << u"[Titl]"_s;
    QTest::newRow("blank inside") << u"[NOME ]Tool"_s << u"[NOME ]"_s;
    QTest::newRow("blank before") << u" [DESC]Text"_s << u"[DESC]"_s;
    QTest::newRow("longer word") << u"[TITLE]Demo"_s << u"[TITLE]"_s;
    QTest::newRow("layout tag") << u"[co1t]12"_s << u"[co1t]"_s;
    QTest::newRow("second picture tag") << u"[IC1A]x.bmp"_s << u"[IC1A]"_s;
    QTest::newRow("a real tag") << u"[IC1a]x.bmp"_s << QString();
    QTest::newRow("header") << u"============= APPLICAZIONE 1 ============="_s << QString();
    QTest::newRow("other bracket") << u"[see below]"_s << QString();
    QTest::newRow("continued text") << u"and more text"_s << QString();
}

void TestCheckerUnits::lookAlikeTags() {
    QFETCH(QString, line);
    QFETCH(QString, lookAlike);
    QCOMPARE(lookAlikeTag(line).value_or(QString()), lookAlike);
}

void TestCheckerUnits::encoding_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("code"); // empty: fine
    QTest::newRow("accents of the code page") << u"Perché è così"_s << QString();
    QTest::newRow("euro sign") << u"10 €"_s << QString();
    QTest::newRow("tab") << u"a\tb"_s << QString();
    QTest::newRow("outside the code page") << u"日本"_s << u"unencodable-value"_s;
    QTest::newRow("control character") << u"a\u0001b"_s << u"unencodable-value"_s;
    QTest::newRow("UTF-8 read as Windows-1252") << u"PerchÃ©"_s << u"utf8-value"_s;
}

void TestCheckerUnits::encoding() {
    QFETCH(QString, value);
    QFETCH(QString, code);
    const auto problem = encodingProblem(value, CodePage::Windows1252);
    QCOMPARE(problem ? problem->code : QString(), code);
}

void TestCheckerUnits::layoutLinesApplyInOrder() {
    LayoutSettings layout;
    const LayoutKey listTop{LayoutObjectId::AppList, LayoutProperty::Top};
    layout.lines = {{listTop, u"40"_s},
                    {listTop, u"abc"_s}, // does not convert: 40 stays
                    {{LayoutObjectId::Window, LayoutProperty::Width}, u"800"_s},
                    {{LayoutObjectId::Window, LayoutProperty::Width}, u"640"_s}};
    const MenuGeometry geometry = menuGeometry(layout);
    QCOMPARE(geometry.controls[size_t(LayoutObjectId::AppList)].top(), 40.0);
    QCOMPARE(geometry.controls[size_t(LayoutObjectId::AppList)].height(), 173.0);
    QCOMPARE(geometry.windowWidth, 640.0);
    QCOMPARE(geometry.clientHeight, 620.0);
}

void TestCheckerUnits::exitStatus() {
    const auto finding = [](Finding::Severity severity) {
        Finding f;
        f.severity = severity;
        return f;
    };
    using S = Finding::Severity;
    QCOMPARE(checkExitStatus({}), 0);
    QCOMPARE(checkExitStatus({finding(S::Info)}), 0);
    QCOMPARE(checkExitStatus({finding(S::Info), finding(S::Warning)}), 1);
    QCOMPARE(checkExitStatus({finding(S::Warning), finding(S::Error)}), 3);
}

void TestCheckerUnits::jsonReport() {
    Finding inApp{
        Finding::Severity::Warning,    u"linux-only"_s, 2, u"Tool"_s, u"[COMM]"_s, u"run.sh"_s,
        u"run.sh only runs on Linux"_s};
    Finding general{
        Finding::Severity::Error, u"window-too-small"_s, -1, {}, u"Form1"_s, {}, u"small"_s};
    const QJsonArray array = QJsonDocument::fromJson(formatJsonReport({inApp, general})).array();
    QCOMPARE(array.size(), 2);
    const QJsonObject first = array.at(0).toObject();
    QCOMPARE(first.value(u"severity").toString(), u"warning"_s);
    QCOMPARE(first.value(u"code").toString(), u"linux-only"_s);
    QCOMPARE(first.value(u"appIndex").toInt(), 2);
    QCOMPARE(first.value(u"appName").toString(), u"Tool"_s);
    QCOMPARE(first.value(u"field").toString(), u"[COMM]"_s);
    QCOMPARE(first.value(u"path").toString(), u"run.sh"_s);
    QCOMPARE(first.value(u"message").toString(), inApp.message);
    QVERIFY(array.at(1).toObject().value(u"appIndex").isNull());
}

void TestCheckerUnits::textReportInTheProgramsLanguage() {
    const Finding f{Finding::Severity::Error,
                    u"missing-file"_s,
                    0,
                    u"Tool"_s,
                    u"[IMGN]"_s,
                    u"a.bmp"_s,
                    CheckTexts(u"IT").text(u"missing-file").arg(u"a.bmp")};
    const QString italian = formatTextReport({f}, CheckTexts(u"IT"));
    QVERIFY2(italian.contains(u"ERRORE [missing-file] applicazione 1 \"Tool\" [IMGN]: a.bmp non "
                              u"esiste sul disco"),
             qPrintable(italian));
    QVERIFY(formatTextReport({}, CheckTexts(u"EN")).startsWith(u"No problems"));
    QVERIFY(CheckTexts(u"en").isEnglish());
    QVERIFY(!CheckTexts(u"XX").isEnglish());
}

QTEST_GUILESS_MAIN(TestCheckerUnits)
#include "test_checker_units.moc"
