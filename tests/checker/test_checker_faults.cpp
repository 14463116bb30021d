// One small disc per kind of fault: the check finds exactly that fault, once.
#include "disccheck.h"
#include "ziptestkit.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// A disc that checks clean: one application with its picture and document.
struct TestDisc {
    QTemporaryDir dir;
    QByteArrayList general{"[TITL]Test disc"};
    QByteArrayList app{"[NOME]Tool",         "[DESC]A tool.", "[IMGN]pic.bmp", "[INSC]Read",
                       "[COMM][ASS]doc.txt", "[ESAM]NO",      "[EXTN]NO",      "[EXTR]NO"};
    QByteArrayList tail;
    DiscCheckOptions options;

    TestDisc() {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.save(path("pic.bmp"), "BMP");
        write("doc.txt", "notes");
    }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    void write(const char* name, const QByteArray& bytes,
               QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner) {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        file.setPermissions(mode);
    }
    void setField(const QByteArray& tag, const QByteArray& value) {
        for (QByteArray& line : app) {
            if (line.startsWith(tag))
                line = tag + value;
        }
    }
    QList<Finding> check() {
        write("config.ini", (general + app + tail).join("\r\n") + "\r\n");
        return checkDisc(dir.path(), options);
    }
};

constexpr auto executable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

using Fault = std::function<void(TestDisc&)>;

} // namespace

class TestCheckerFaults : public QObject {
    Q_OBJECT

private slots:
    void oneFindingPerFault_data();
    void oneFindingPerFault();
};

void TestCheckerFaults::oneFindingPerFault_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("code"); // empty: the disc checks clean
    QTest::addColumn<Finding::Severity>("severity");
    using S = Finding::Severity;

    QTest::newRow("clean") << Fault([](TestDisc&) {}) << QString() << S::Info;
    QTest::newRow("missing picture")
        << Fault([](TestDisc& d) { d.setField("[IMGN]", "pictures\\gone.bmp"); })
        << u"missing-file"_s << S::Error;
    QTest::newRow("missing folder") << Fault([](TestDisc& d) { d.setField("[ESAM]", "apps\\"); })
                                    << u"missing-file"_s << S::Error;
    QTest::newRow("match only by case")
        << Fault([](TestDisc& d) { d.setField("[IMGN]", "PIC.BMP"); }) << u"case-only-match"_s
        << S::Warning;
    QTest::newRow("archive not a zip") << Fault([](TestDisc& d) {
        d.write("pack.zip", "not a zip");
        d.setField("[COMM]", "[UNZIP] pack.zip");
    }) << u"zip-unreadable"_s << S::Error;
    QTest::newRow("archive climbs out") << Fault([](TestDisc& d) {
        d.write("pack.zip", ziptest::rawZip({ziptest::RawEntry::file("../out.txt", "x")}));
        d.setField("[COMM]", "[UNZIP] pack.zip");
    }) << u"zip-unsafe-member"_s << S::Error;
    QTest::newRow("archive holds a link") << Fault([](TestDisc& d) {
        d.write("pack.zip",
                ziptest::rawZip({ziptest::RawEntry::file("link", "/etc").mode(0120777)}));
        d.setField("[EXTN]", "Again");
        d.setField("[EXTR]", "[UNZIP]pack.zip");
    }) << u"zip-unsafe-member"_s << S::Error;
    QTest::newRow("picture does not load")
        << Fault([](TestDisc& d) { d.write("pic.bmp", "BM garbage"); }) << u"picture-unreadable"_s
        << S::Error;
    QTest::newRow("unknown category") << Fault([](TestDisc& d) {
        d.general << "[CATE]SI"
                  << "[CATG] Tools ";
        d.app << "[CATN]Toys";
    }) << u"unknown-category"_s << S::Error;
    QTest::newRow("not yet in a category") << Fault([](TestDisc& d) {
        d.general << "[CATE]SI"
                  << "[CATG]Tools";
        d.app << "[CATN]n/a";
    }) << u"uncategorised"_s << S::Warning;
    QTest::newRow("categories on, none listed") << Fault([](TestDisc& d) {
        d.general << "[CATE]SI";
        d.app << "[CATN]Tools";
    }) << u"no-categories"_s << S::Error;
    QTest::newRow("control outside the window") << Fault([](TestDisc& d) { d.tail << "[CO1T]700"; })
                                                << u"control-outside-window"_s << S::Error;
    QTest::newRow("window smaller than its menu bar")
        << Fault([](TestDisc& d) { d.tail << "[FO1H]0"; }) << u"window-too-small"_s << S::Error;
    QTest::newRow("undefined byte")
        << Fault([](TestDisc& d) { d.setField("[DESC]", "A \x81 tool."); })
        << u"unencodable-value"_s << S::Error;
    // A file that says it is Windows-1252 is read so, UTF-8 text and all.
    QTest::newRow("text saved as UTF-8") << Fault([](TestDisc& d) {
        d.general << "[CODP]1252";
        d.setField("[DESC]", "Perch\xc3\xa9 no");
    }) << u"utf8-value"_s << S::Error;
    QTest::newRow("Windows program") << Fault([](TestDisc& d) {
        d.write("setup.exe", "MZ");
        d.setField("[COMM]", "setup.exe /quiet");
    }) << u"windows-only"_s << S::Warning;
    QTest::newRow("Linux script") << Fault([](TestDisc& d) {
        d.write("run.sh", "#!/bin/sh\n", executable);
        d.setField("[COMM]", "run.sh");
    }) << u"linux-only"_s << S::Warning;
    QTest::newRow("script without #!") << Fault([](TestDisc& d) {
        d.write("run.sh", "echo hi\n", executable);
        d.setField("[COMM]", "run.sh");
    }) << u"no-shebang"_s << S::Warning;
    QTest::newRow("program without execute bit") << Fault([](TestDisc& d) {
        d.write("tool", "\x7f"
                        "ELF....");
        d.setField("[COMM]", "./tool");
    }) << u"exec-bit"_s << S::Warning;
    QTest::newRow("window for large screens") << Fault([](TestDisc& d) { d.tail << "[FO1W]1280"; })
                                              << u"window-too-large"_s << S::Warning;
    QTest::newRow("controls overlap")
        << Fault([](TestDisc& d) { d.tail << "[CO1L]300"; }) << u"controls-overlap"_s << S::Warning;
    QTest::newRow("two applications of one name")
        << Fault([](TestDisc& d) { d.app += d.app; }) << u"duplicate-name"_s << S::Warning;
    QTest::newRow("empty name") << Fault([](TestDisc& d) { d.setField("[NOME]", ""); })
                                << u"empty-name"_s << S::Warning;
    QTest::newRow("long description")
        << Fault([](TestDisc& d) { d.setField("[DESC]", QByteArray(400, 'x')); })
        << u"long-description"_s << S::Warning;
    QTest::newRow("look-alike tag") << Fault([](TestDisc& d) { d.general << "[NOME ]Tool"; })
                                    << u"look-alike-tag"_s << S::Warning;
    QTest::newRow("file nothing names") << Fault([](TestDisc& d) {
        d.write("stray.txt", "x");
        d.options.listUnnamedFiles = true;
    }) << u"unnamed-file"_s << S::Info;
    QTest::newRow("disc larger than its medium") << Fault([](TestDisc& d) {
        d.options.target = DiscTarget{u"CD"_s, 100};
    }) << u"disc-too-large"_s << S::Warning;
}

void TestCheckerFaults::oneFindingPerFault() {
    QFETCH(Fault, fault);
    QFETCH(QString, code);
    QFETCH(Finding::Severity, severity);

    TestDisc disc;
    fault(disc);
    const QList<Finding> findings = disc.check();
    QStringList seen;
    for (const Finding& f : findings)
        seen << f.code + u": "_s + f.message;
    if (code.isEmpty()) {
        QVERIFY2(findings.isEmpty(), qPrintable(seen.join(u'\n')));
        return;
    }
    QVERIFY2(findings.size() == 1, qPrintable(seen.join(u'\n')));
    QCOMPARE(findings.first().code, code);
    QCOMPARE(findings.first().severity, severity);
    QVERIFY(!findings.first().message.isEmpty());
}

QTEST_GUILESS_MAIN(TestCheckerFaults)
#include "test_checker_faults.moc"
