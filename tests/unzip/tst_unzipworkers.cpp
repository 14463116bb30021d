// Members inflated on worker threads: the caller still hears every member
// in archive order, a stop or a failure leaves what one-by-one extraction
// would leave, and nothing half-made stays behind.

#include "unzengine.h"
#include "ziptestkit.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace ziptest;

namespace {

std::string local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QByteArray noise(qsizetype size, int seed) {
    QByteArray data(size, 0);
    std::uint32_t x = 2463534242u + static_cast<std::uint32_t>(seed);
    for (qsizetype i = 0; i < size; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        data[i] = static_cast<char>(x);
    }
    return data;
}

// Large members first and in the middle, small ones in folders between.
const std::vector<Entry>& mixedMembers() {
    static const std::vector<Entry> entries = {
        Entry::file("big0.bin", noise(3 << 20, 0)),
        Entry::file("a/s1.txt", QByteArray(1000, '1')),
        Entry::file("a/s2.txt", QByteArray(2000, '2')),
        Entry::file("b/s3.txt", QByteArray(3000, '3')),
        Entry::file("big1.bin", noise(2 << 20, 1)),
        Entry::folderNamed("c/"),
        Entry::file("c/s4.txt", QByteArray(4000, '4')),
        Entry::file("d/s5.txt", QByteArray(5000, '5')),
    };
    return entries;
}

} // namespace

class TestUnzipWorkers : public QObject {
    Q_OBJECT

private:
    QTemporaryDir tmp_;
    QString zip_;

    // The files of the members before index `upTo`, as tree() lists them.
    static QStringList treeBefore(std::size_t upTo) {
        QStringList names;
        for (std::size_t i = 0; i < upTo; ++i) {
            const QString name = QString::fromUtf8(mixedMembers()[i].name);
            names << name;
            if (name.count(QLatin1Char('/')) == 1 && !name.endsWith(QLatin1Char('/'))) {
                names << name.section(QLatin1Char('/'), 0, 0) + QLatin1Char('/');
            }
        }
        names.removeDuplicates();
        names.sort();
        return names;
    }

private slots:
    void initTestCase() {
        QVERIFY(tmp_.isValid());
        zip_ = tmp_.filePath(QStringLiteral("mixed.zip"));
        QVERIFY(writeZip(zip_, mixedMembers()));
    }

    void membersAreToldInArchiveOrder() {
        const QString dir = tmp_.filePath(QStringLiteral("whole"));
        // One letter per call: Service, Print, proGress; the progress of a
        // member stays within its own bytes.
        QString calls;
        std::vector<std::string> serviced;
        std::string printed;
        std::uint64_t before = 0;
        std::uint64_t after = 0;
        bool progressInPlace = true;
        UnzCallbacks cb;
        cb.service = [&](const char* name, std::uint32_t length) {
            calls += u'S';
            serviced.emplace_back(name, length);
            const std::size_t i = serviced.size() - 1;
            before = after;
            after += mixedMembers()[i].folder ? 0 : mixedMembers()[i].data.size();
            return 0;
        };
        cb.print = [&](const char* text, std::uint32_t length) {
            calls += u'P';
            printed.append(text, length);
            return 0;
        };
        cb.progress = [&](std::uint64_t done, std::uint64_t, std::uint64_t) {
            calls += u'G';
            progressInPlace = progressInPlace && done >= before && done <= after;
            return 0;
        };
        UnzNameList none;
        const UnzOptions opt = menuOptions(local(zip_), local(dir), false);
        QCOMPARE(Wiz_SingleEntryUnzip(0, &none, 0, &none, &opt, &cb), std::int32_t{UnzOk});

        QVERIFY2(QRegularExpression(QStringLiteral("^G(SPG*PG|SPPG)+$")).match(calls).hasMatch(),
                 qPrintable(calls));
        QVERIFY(progressInPlace);
        QStringList expected;
        for (std::size_t i = 0; i < mixedMembers().size(); ++i) {
            const Entry& e = mixedMembers()[i];
            QCOMPARE(serviced.at(i), e.name.toStdString());
            expected << (e.folder ? QStringLiteral("   creating: ")
                                  : QStringLiteral("  inflating: ")) +
                            QString::fromUtf8(e.name);
            if (!e.folder) {
                QCOMPARE(readFile(dir + u'/' + QString::fromUtf8(e.name)), e.data);
            }
        }
        QCOMPARE(QString::fromStdString(printed).split(u'\n', Qt::SkipEmptyParts), expected);
        QCOMPARE(tree(dir), treeBefore(mixedMembers().size()));
    }

    void stopLeavesTheMembersBefore_data() {
        QTest::addColumn<int>("stopAtService");
        QTest::addColumn<qint64>("stopAtBytes");
        QTest::addColumn<int>("membersKept");
        const qint64 bytesBeforeBig1 = (3 << 20) + 1000 + 2000 + 3000;
        QTest::newRow("within a large member") << -1 << bytesBeforeBig1 + (1 << 20) << 4;
        QTest::newRow("within the first member") << -1 << qint64{1 << 20} << 0;
        QTest::newRow("at a member's turn") << 7 << qint64{-1} << 7;
    }

    void stopLeavesTheMembersBefore() {
        QFETCH(int, stopAtService);
        QFETCH(qint64, stopAtBytes);
        QFETCH(int, membersKept);
        const QString dir =
            tmp_.filePath(QStringLiteral("stopped-%1").arg(QLatin1String(QTest::currentDataTag())));
        Recorder rec;
        rec.stopAtService = stopAtService;
        if (stopAtBytes >= 0) {
            rec.stopAtBytes = static_cast<std::uint64_t>(stopAtBytes);
        }
        QCOMPARE(run(menuOptions(local(zip_), local(dir), false), rec), std::int32_t{UnzCancelled});
        // No new file of a later member, no folder made only for one.
        QCOMPARE(tree(dir), treeBefore(static_cast<std::size_t>(membersKept)));
        if (stopAtBytes >= 0) {
            QVERIFY(rec.lines().last().endsWith(QStringLiteral("(stopped)")));
        }
        QCOMPARE(rec.serviced.size(), static_cast<std::size_t>(membersKept + 1));
    }

    void failingMemberAmongOthers() {
        const QString dir = tmp_.filePath(QStringLiteral("failing"));
        const QString zip = tmp_.filePath(QStringLiteral("failing.zip"));
        const QByteArray big = noise(1 << 20, 2);
        QVERIFY(writeFile(zip, rawZip({
                                   RawEntry::file("a.bin", big).deflated(),
                                   RawEntry::file("b.bin", big).deflated().withCrc(0x1),
                                   RawEntry::file("c.bin", big).deflated(),
                                   RawEntry::file("d/e.txt", "last").deflated(),
                               })));
        Recorder rec;
        QCOMPARE(run(menuOptions(local(zip), local(dir), false), rec),
                 std::int32_t{UnzMemberFailed});
        QCOMPARE(rec.lines(), (QStringList{QStringLiteral("  inflating: a.bin"),
                                           QStringLiteral("  inflating: b.bin  (CRC error)"),
                                           QStringLiteral("  inflating: c.bin"),
                                           QStringLiteral("  inflating: d/e.txt")}));
        QCOMPARE(tree(dir), (QStringList{QStringLiteral("a.bin"), QStringLiteral("c.bin"),
                                         QStringLiteral("d/"), QStringLiteral("d/e.txt")}));
        QCOMPARE(readFile(dir + QStringLiteral("/c.bin")), big);
    }
};

QTEST_GUILESS_MAIN(TestUnzipWorkers)
#include "tst_unzipworkers.moc"
