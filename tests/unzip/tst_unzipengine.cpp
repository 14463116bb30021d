// The engine's everyday work: version record, listing, extraction, totals,
// the overwrite question and passwords.

#include "unzengine.h"
#include "ziptestkit.h"

#include <zip.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>

using namespace ziptest;

namespace {

std::string local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

class TestUnzipEngine : public QObject {
    Q_OBJECT

private:
    QTemporaryDir tmp_;
    QString path(const QString& name) const { return tmp_.filePath(name); }
    // docs/readme.txt, docs/sub/data.bin (stored), top.txt, and the folder empty/.
    QString sampleArchive() {
        const QString zip = path(QStringLiteral("sample.zip"));
        const bool ok = writeZip(
            zip,
            {Entry::folderNamed("docs/"), Entry::file("docs/readme.txt", QByteArray(5000, 'r')),
             Entry::file("docs/sub/data.bin", QByteArray("0123456789")).stored(),
             Entry::file("top.txt", QByteArray("top level\n")), Entry::folderNamed("empty/")},
            QByteArray("a comment"));
        return ok ? zip : QString();
    }

private slots:
    void initTestCase() { QVERIFY(tmp_.isValid()); }

    void versionRecordIsFilled() {
        UnzVersion v;
        v.structLength = 64;
        std::memcpy(v.betaLevel, "         ", 10);
        std::memcpy(v.date, "                   ", 20);
        std::memcpy(v.zlibVersion, "         ", 10);
        QCOMPARE(UzpVersion2(&v), std::int32_t{UnzOk});
        QCOMPARE(v.structLength, 64u);
        QCOMPARE(QByteArray(v.betaLevel), QByteArray());
        QCOMPARE(QByteArray(v.date).size(), 10);
        QCOMPARE(QByteArray(v.zlibVersion), QByteArray(zip_libzip_version()));
        QVERIFY(v.flag & UnzFlagLargeArchives);
        QVERIFY(v.flag & UnzFlagAesEncryption);
        QCOMPARE(v.engine.major, std::uint8_t{1});
    }

    void versionRecordTooShortIsRefused() {
        UnzVersion v;
        v.structLength = 40;
        QCOMPARE(UzpVersion2(&v), std::int32_t{UnzBadArguments});
        QCOMPARE(v.date[0], '\0');
        QCOMPARE(UzpVersion2(nullptr), std::int32_t{UnzBadArguments});
    }

    void listingCountsMembersAndWritesNothing() {
        const QString zip = sampleArchive();
        QVERIFY(!zip.isEmpty());
        const QString dir = path(QStringLiteral("listing-target"));
        Recorder rec;
        UnzCallbacks totals;
        const auto opt = menuOptions(local(zip), local(dir), true);
        QCOMPARE(run(opt, rec, &totals), std::int32_t{UnzOk});
        QCOMPARE(rec.listed.size(), std::size_t{5});
        QCOMPARE(rec.listed[0].name, std::string("docs/"));
        QCOMPARE(rec.listed[0].kind, 'd');
        QCOMPARE(rec.listed[1].name, std::string("docs/readme.txt"));
        QCOMPARE(rec.listed[1].kind, '-');
        QCOMPARE(rec.listed[1].size, std::uint64_t{5000});
        QCOMPARE(rec.listed[1].method, std::string("Deflate"));
        QCOMPARE(rec.listed[2].method, std::string("Stored"));
        QCOMPARE(rec.listed[2].crc, crc32("0123456789"));
        QCOMPARE(rec.listed[2].encrypted, 0);
        QVERIFY(rec.replaceAsked.empty());
        QVERIFY(rec.serviced.empty());
        QCOMPARE(totals.numMembers, std::uint64_t{5});
        QVERIFY(!QFileInfo::exists(dir));
    }

    void extractionRecreatesFoldersAndPrintsTwicePerMember() {
        const QString zip = sampleArchive();
        const QString dir = path(QStringLiteral("extract/nested/target"));
        Recorder rec;
        const auto opt = menuOptions(local(zip), local(dir), false);
        QCOMPARE(run(opt, rec), std::int32_t{UnzOk});
        QCOMPARE(tree(dir),
                 (QStringList{QStringLiteral("docs/"), QStringLiteral("docs/readme.txt"),
                              QStringLiteral("docs/sub/"), QStringLiteral("docs/sub/data.bin"),
                              QStringLiteral("empty/"), QStringLiteral("top.txt")}));
        QCOMPARE(readFile(dir + QStringLiteral("/docs/readme.txt")), QByteArray(5000, 'r'));
        QCOMPARE(readFile(dir + QStringLiteral("/docs/sub/data.bin")), QByteArray("0123456789"));
        QCOMPARE(rec.prints.size(), std::size_t{10});
        QCOMPARE(rec.prints[0], std::string("   creating: docs/"));
        QCOMPARE(rec.prints[1], std::string("\n"));
        QCOMPARE(rec.prints[2], std::string("  inflating: docs/readme.txt"));
        QCOMPARE(rec.prints[3], std::string("\n"));
        QCOMPARE(rec.prints[4], std::string(" extracting: docs/sub/data.bin"));
        QCOMPARE(rec.prints[6], std::string("  inflating: top.txt"));
        QCOMPARE(rec.prints[8], std::string("   creating: empty/"));
        for (std::size_t i = 1; i < rec.prints.size(); i += 2) {
            QCOMPARE(rec.prints[i], std::string("\n"));
        }
        QCOMPARE(rec.serviced.size(), std::size_t{5});
        QCOMPARE(rec.serviced[1], std::string("docs/readme.txt"));
    }

    void membersSpreadOverManyFolders() {
        // Round-robin over more folders than the engine keeps open at once,
        // nested, so that open folders are both reused and dropped.
        std::vector<Entry> entries;
        QStringList expected;
        for (int i = 0; i < 400; ++i) {
            const QByteArray folder =
                "f" + QByteArray::number(i % 80) + "/s" + QByteArray::number(i % 3) + "/";
            const QByteArray name = folder + "m" + QByteArray::number(i) + ".txt";
            entries.push_back(Entry::file(name, name));
            expected << QString::fromLatin1(name);
        }
        const QString zip = path(QStringLiteral("spread.zip"));
        QVERIFY(writeZip(zip, entries));
        const QString dir = path(QStringLiteral("spread"));
        Recorder rec;
        QCOMPARE(run(menuOptions(local(zip), local(dir), false), rec), std::int32_t{UnzOk});
        QCOMPARE(rec.prints.size(), std::size_t{800});
        for (const QString& name : expected) {
            QCOMPARE(readFile(dir + QLatin1Char('/') + name), name.toLatin1());
        }
        QStringList files = tree(dir).filter(QStringLiteral(".txt"));
        QCOMPARE(files.size(), 400);
    }

    void archiveAboveTheMemoryLimitIsReadFromDisk() {
        // Smaller archives are read into memory for extraction; a larger
        // one is read piece by piece and must give the same files.
        QByteArray big(65 << 20, '\0');
        for (qsizetype i = 0; i < big.size(); i += 4096) {
            big[i] = static_cast<char>(i / 4096);
        }
        const QString zip = path(QStringLiteral("above-limit.zip"));
        QVERIFY(writeZip(
            zip, {Entry::file("big.bin", big).stored(), Entry::file("small.txt", "small")}));
        QVERIFY(QFileInfo(zip).size() > (64 << 20));
        const QString dir = path(QStringLiteral("above-limit"));
        Recorder rec;
        QCOMPARE(run(menuOptions(local(zip), local(dir), false), rec), std::int32_t{UnzOk});
        QCOMPARE(crc32(readFile(dir + QStringLiteral("/big.bin"))), crc32(big));
        QCOMPARE(readFile(dir + QStringLiteral("/small.txt")), QByteArray("small"));
        QDir(dir).removeRecursively();
        QFile::remove(zip);
    }

    void totalsAreWritten() {
        const QString zip = sampleArchive();
        Recorder rec;
        UnzCallbacks totals;
        QCOMPARE(run(menuOptions(local(zip), "", true), rec, &totals), std::int32_t{UnzOk});
        std::uint64_t comp = 0;
        std::uint64_t size = 0;
        zip_t* za = zip_open(local(zip).c_str(), ZIP_RDONLY, nullptr);
        QVERIFY(za != nullptr);
        for (zip_int64_t i = 0; i < zip_get_num_entries(za, 0); ++i) {
            zip_stat_t st;
            zip_stat_index(za, static_cast<zip_uint64_t>(i), 0, &st);
            comp += st.comp_size;
            size += st.size;
        }
        zip_discard(za);
        QCOMPARE(totals.totalSizeComp, comp);
        QCOMPARE(totals.totalSize, size);
        QCOMPARE(totals.totalSize, std::uint64_t{5020});
        const auto factor = static_cast<std::int32_t>(
            std::lround((1.0 - static_cast<double>(comp) / static_cast<double>(size)) * 100.0));
        QCOMPARE(totals.compressionFactor, factor);
        QVERIFY(factor > 90);
        QCOMPARE(totals.numMembers, std::uint64_t{5});
        QCOMPARE(totals.commentLength, std::uint16_t{9});
    }

    void totalsOfAnEmptyArchiveAreZero() {
        const QString zip = path(QStringLiteral("empty.zip"));
        QVERIFY(writeFile(zip, rawZip({})));
        Recorder rec;
        UnzCallbacks totals;
        totals.totalSize = 7;
        totals.compressionFactor = 7;
        QCOMPARE(
            run(menuOptions(local(zip), local(path(QStringLiteral("e"))), false), rec, &totals),
            std::int32_t{UnzOk});
        QCOMPARE(totals.totalSize, std::uint64_t{0});
        QCOMPARE(totals.totalSizeComp, std::uint64_t{0});
        QCOMPARE(totals.compressionFactor, 0);
        QCOMPARE(totals.numMembers, std::uint64_t{0});
        QCOMPARE(totals.commentLength, std::uint16_t{0});
        QVERIFY(rec.prints.empty());
    }

    void totalsAboveFourGigabytesDoNotWrap() {
        const QString zip = path(QStringLiteral("big.zip"));
        const std::uint64_t big = (std::uint64_t{5} << 30) + 3;
        QVERIFY(writeFile(zip, rawZip({RawEntry::file("a.bin", "x").declaring(big).zip64Sizes(),
                                       RawEntry::file("b.bin", "y").declaring(big).zip64Sizes()})));
        Recorder rec;
        UnzCallbacks totals;
        QCOMPARE(run(menuOptions(local(zip), "", true), rec, &totals), std::int32_t{UnzOk});
        QCOMPARE(totals.totalSize, 2 * big);
        QCOMPARE(totals.totalSizeComp, std::uint64_t{2});
        QCOMPARE(totals.compressionFactor, 100);
        QCOMPARE(rec.listed.at(0).size, big);
    }

    void missingAndBrokenArchives() {
        Recorder rec;
        UnzCallbacks totals;
        totals.numMembers = 9;
        const std::string missing = local(path(QStringLiteral("no-such.zip")));
        QCOMPARE(run(menuOptions(missing, "", true), rec, &totals),
                 std::int32_t{UnzArchiveMissing});
        QCOMPARE(totals.numMembers, std::uint64_t{0});
        QCOMPARE(rec.prints.size(), std::size_t{2});

        const QString text = path(QStringLiteral("text.zip"));
        QVERIFY(writeFile(text, "this is no archive at all, only some words\n"));
        QCOMPARE(run(menuOptions(local(text), "", true), rec), std::int32_t{UnzNotAZip});
        const QString empty = path(QStringLiteral("zero.zip"));
        QVERIFY(writeFile(empty, {}));
        QCOMPARE(run(menuOptions(local(empty), "", false), rec), std::int32_t{UnzNotAZip});
        QCOMPARE(run(menuOptions(local(tmp_.path()), "", false), rec), std::int32_t{UnzNotAZip});

        UnzCallbacks cb;
        QCOMPARE(Wiz_SingleEntryUnzip(0, nullptr, 0, nullptr, nullptr, &cb),
                 std::int32_t{UnzBadArguments});
        UnzOptions noName;
        QCOMPARE(Wiz_SingleEntryUnzip(0, nullptr, 0, nullptr, &noName, &cb),
                 std::int32_t{UnzBadArguments});
        const auto opt = menuOptions(local(text), "", true);
        QCOMPARE(Wiz_SingleEntryUnzip(101, nullptr, 0, nullptr, &opt, &cb),
                 std::int32_t{UnzBadArguments});
    }

    void replaceAnswers() {
        const QString zip = path(QStringLiteral("replace.zip"));
        QVERIFY(writeZip(zip, {Entry::file("a.txt", "new a"), Entry::file("b.txt", "new b"),
                               Entry::file("c.txt", "new c"), Entry::file("d.txt", "new d")}));
        const QString dir = path(QStringLiteral("replace"));
        const auto prepare = [&] {
            QDir(dir).removeRecursively();
            QDir().mkpath(dir);
            for (const char* n : {"a", "b", "c"}) {
                QVERIFY(
                    writeFile(dir + QLatin1Char('/') + QLatin1String(n) + QStringLiteral(".txt"),
                              QByteArray("old ") + n));
            }
        };
        const auto content = [&](const char* n) {
            return readFile(dir + QLatin1Char('/') + QLatin1String(n) + QStringLiteral(".txt"));
        };

        // 102 overwrites, 100 keeps, then 104 keeps and stops asking.
        prepare();
        Recorder rec;
        rec.replaceAnswers = {UnzReplaceYes, UnzReplaceNo, UnzReplaceYes};
        QCOMPARE(run(menuOptions(local(zip), local(dir), false), rec), std::int32_t{UnzOk});
        QCOMPARE(rec.replaceAsked.size(), std::size_t{3});
        QCOMPARE(rec.replaceAsked[0], local(dir) + "/a.txt");
        QCOMPARE(content("a"), QByteArray("new a"));
        QCOMPARE(content("b"), QByteArray("old b"));
        QCOMPARE(content("c"), QByteArray("new c"));
        QCOMPARE(content("d"), QByteArray("new d"));
        QCOMPARE(rec.prints.at(2), std::string("   skipping: b.txt"));
        QCOMPARE(rec.prints.at(3), std::string("  (kept)\n"));
        QCOMPARE(rec.prints.size(), std::size_t{8});

        prepare();
        Recorder all;
        all.replaceAnswers = {UnzReplaceNoAll, UnzReplaceYes, UnzReplaceYes};
        QCOMPARE(run(menuOptions(local(zip), local(dir), false), all), std::int32_t{UnzOk});
        QCOMPARE(all.replaceAsked.size(), std::size_t{1});
        QCOMPARE(content("a"), QByteArray("old a"));
        QCOMPARE(content("b"), QByteArray("old b"));
        QCOMPARE(content("c"), QByteArray("old c"));
        QCOMPARE(content("d"), QByteArray("new d"));

        // 104 holds for one pass only.
        Recorder next;
        next.replaceAnswers = {UnzReplaceYes};
        QCOMPARE(run(menuOptions(local(zip), local(dir), false), next), std::int32_t{UnzOk});
        QCOMPARE(next.replaceAsked.size(), std::size_t{4});
        QCOMPARE(content("a"), QByteArray("new a"));

        // An unknown answer keeps the file.
        prepare();
        Recorder odd;
        odd.replaceAnswers = {0, 101, 103};
        QCOMPARE(run(menuOptions(local(zip), local(dir), false), odd), std::int32_t{UnzOk});
        QCOMPARE(content("a"), QByteArray("old a"));
        QCOMPARE(content("b"), QByteArray("old b"));
        QCOMPARE(content("c"), QByteArray("old c"));

        // Overwrite without asking; and neither asking nor overwriting.
        prepare();
        Recorder quiet;
        auto opt = menuOptions(local(zip), local(dir), false);
        opt.overwriteAll = 1;
        QCOMPARE(run(opt, quiet), std::int32_t{UnzOk});
        QVERIFY(quiet.replaceAsked.empty());
        QCOMPARE(content("b"), QByteArray("new b"));
        prepare();
        opt.overwriteAll = 0;
        opt.promptToOverwrite = 0;
        QCOMPARE(run(opt, quiet), std::int32_t{UnzOk});
        QVERIFY(quiet.replaceAsked.empty());
        QCOMPARE(content("b"), QByteArray("old b"));
    }

    void traditionalPassword_data() {
        QTest::addColumn<int>("method");
        QTest::newRow("pkware") << int{ZIP_EM_TRAD_PKWARE};
        QTest::newRow("aes256") << int{ZIP_EM_AES_256};
        QTest::newRow("aes128") << int{ZIP_EM_AES_128};
    }
    void traditionalPassword() {
        QFETCH(int, method);
        const auto em = static_cast<std::uint16_t>(method);
        const QString zip = path(QStringLiteral("secret-%1.zip").arg(method));
        QVERIFY(
            writeZip(zip, {Entry::file("plain.txt", "open"),
                           Entry::file("one.txt", QByteArray(3000, '1')).encrypted(em, "s3cret"),
                           Entry::file("two.txt", "second").encrypted(em, "s3cret")}));

        // Right password: asked once, both members extracted.
        {
            const QString dir = path(QStringLiteral("pw-right-%1").arg(method));
            Recorder rec;
            rec.passwordAnswers = {"s3cret"};
            QCOMPARE(run(menuOptions(local(zip), local(dir), false), rec), std::int32_t{UnzOk});
            QCOMPARE(rec.passwordAsked, std::vector<std::string>{"one.txt"});
            QCOMPARE(rec.bufferSizeSeen, 257);
            QCOMPARE(readFile(dir + QStringLiteral("/one.txt")), QByteArray(3000, '1'));
            QCOMPARE(readFile(dir + QStringLiteral("/two.txt")), QByteArray("second"));
            QCOMPARE(rec.prints.size(), std::size_t{6});
        }
        // Listing needs no password and reports the members as encrypted.
        {
            Recorder rec;
            QCOMPARE(run(menuOptions(local(zip), "", true), rec), std::int32_t{UnzOk});
            QVERIFY(rec.passwordAsked.empty());
            QCOMPARE(rec.listed.at(1).encrypted, 1);
        }
        // Wrong password: the member fails, the next one asks again.
        {
            const QString dir = path(QStringLiteral("pw-wrong-%1").arg(method));
            Recorder rec;
            rec.passwordAnswers = {"wrong", "s3cret"};
            QCOMPARE(run(menuOptions(local(zip), local(dir), false), rec),
                     std::int32_t{UnzMemberFailed});
            QCOMPARE(rec.passwordAsked.size(), std::size_t{2});
            QCOMPARE(tree(dir),
                     (QStringList{QStringLiteral("plain.txt"), QStringLiteral("two.txt")}));
            QCOMPARE(rec.prints.size(), std::size_t{6});
            // Traditional encryption checks a password against one byte of the
            // member's random header: one wrong password in 256 gets past it
            // and is caught by the CRC instead. Either way the member fails.
            const QByteArray failure = QByteArray::fromStdString(rec.prints.at(2));
            if (em == ZIP_EM_TRAD_PKWARE && failure != "   skipping: one.txt") {
                QVERIFY2(failure.contains("one.txt"), failure.constData());
            } else {
                QCOMPARE(failure, QByteArray("   skipping: one.txt"));
                QVERIFY(QByteArray::fromStdString(rec.prints.at(3)).contains("password"));
            }
        }
        // No password (answer 1): each encrypted member is skipped and counted.
        {
            const QString dir = path(QStringLiteral("pw-none-%1").arg(method));
            Recorder rec;
            QCOMPARE(run(menuOptions(local(zip), local(dir), false), rec),
                     std::int32_t{UnzMemberFailed});
            QCOMPARE(rec.passwordAsked.size(), std::size_t{2});
            QCOMPARE(tree(dir), QStringList{QStringLiteral("plain.txt")});
            QCOMPARE(rec.prints.at(3), std::string("  (no password given)\n"));
        }
        // No password callback at all.
        {
            const QString dir = path(QStringLiteral("pw-nocb-%1").arg(method));
            UnzCallbacks cb;
            const auto opt = menuOptions(local(zip), local(dir), false);
            QCOMPARE(Wiz_SingleEntryUnzip(0, nullptr, 0, nullptr, &opt, &cb),
                     std::int32_t{UnzMemberFailed});
            QCOMPARE(tree(dir), QStringList{QStringLiteral("plain.txt")});
        }
    }

    void overlongPasswordAnswerIsCut() {
        const QString zip = path(QStringLiteral("long.zip"));
        const QByteArray longPassword(256, 'p');
        QVERIFY(writeZip(zip, {Entry::file("x.txt", "x").encrypted(ZIP_EM_AES_256, longPassword)}));
        Recorder rec;
        rec.passwordAnswers = {QByteArray(400, 'p')};
        const QString dir = path(QStringLiteral("long"));
        QCOMPARE(run(menuOptions(local(zip), local(dir), false), rec), std::int32_t{UnzOk});
        QCOMPARE(readFile(dir + QStringLiteral("/x.txt")), QByteArray("x"));
    }

    void foldersNotRecreated() {
        const QString zip = sampleArchive();
        const QString dir = path(QStringLiteral("flat"));
        Recorder rec;
        auto opt = menuOptions(local(zip), local(dir), false);
        opt.recreateFolders = 0;
        QCOMPARE(run(opt, rec), std::int32_t{UnzOk});
        QCOMPARE(tree(dir), (QStringList{QStringLiteral("data.bin"), QStringLiteral("readme.txt"),
                                         QStringLiteral("top.txt")}));
        QCOMPARE(rec.prints.size(), std::size_t{10});
    }

    void testModeWritesNothing() {
        const QString zip = sampleArchive();
        const QString dir = path(QStringLiteral("tested"));
        Recorder rec;
        auto opt = menuOptions(local(zip), local(dir), false);
        opt.testArchive = 1;
        QCOMPARE(run(opt, rec), std::int32_t{UnzOk});
        QVERIFY(!QFileInfo::exists(dir));
        QCOMPARE(rec.lines().at(1), QStringLiteral("    testing: docs/readme.txt  OK"));
    }

    void serviceStopsThePass() {
        const QString zip = sampleArchive();
        const QString dir = path(QStringLiteral("stopped"));
        Recorder rec;
        rec.stopAtService = 2;
        QCOMPARE(run(menuOptions(local(zip), local(dir), false), rec), std::int32_t{UnzCancelled});
        QCOMPARE(tree(dir),
                 (QStringList{QStringLiteral("docs/"), QStringLiteral("docs/readme.txt")}));
    }

    void progressByBytesAndStopMidMember() {
        const QString zip = path(QStringLiteral("progress.zip"));
        QByteArray big(3 << 20, 0);
        for (qsizetype i = 0; i < big.size(); ++i) {
            big[i] = static_cast<char>((i * 7919) >> 3);
        }
        QVERIFY(writeZip(zip, {Entry::file("a.txt", "first"), Entry::file("big.bin", big),
                               Entry::file("c.txt", "last")}));
        const std::uint64_t total = 5 + big.size() + 4;

        // Undisturbed: from 0 to the total, never backwards.
        Recorder all;
        QCOMPARE(run(menuOptions(local(zip), local(path(QStringLiteral("whole"))), false), all),
                 std::int32_t{UnzOk});
        QVERIFY(all.progress.size() > 5);
        QCOMPARE(all.progress.front().done, std::uint64_t{0});
        QCOMPARE(all.progress.back().done, total);
        QCOMPARE(all.progress.back().written, std::uint64_t{3});
        for (std::size_t i = 1; i < all.progress.size(); ++i) {
            QVERIFY(all.progress[i].done >= all.progress[i - 1].done);
            QCOMPARE(all.progress[i].total, total);
        }

        // Stopped within the large member: it is removed, the first stays.
        const QString dir = path(QStringLiteral("stopped-mid"));
        Recorder rec;
        rec.stopAtBytes = 5 + (1 << 20);
        QCOMPARE(run(menuOptions(local(zip), local(dir), false), rec), std::int32_t{UnzCancelled});
        QCOMPARE(tree(dir), QStringList{QStringLiteral("a.txt")});
        QCOMPARE(rec.progress.back().written, std::uint64_t{1});
        QVERIFY(rec.lines().last().endsWith(QStringLiteral("(stopped)")));
    }

    void includeAndExcludeLists() {
        const QString zip = sampleArchive();
        const QString dir = path(QStringLiteral("lists"));
        Recorder rec;
        UnzCallbacks cb = rec.callbacks();
        UnzNameList include;
        include.names[0] = "DOCS/*";
        include.names[1] = "top.txt";
        UnzNameList exclude;
        exclude.names[0] = "*.BIN";
        auto opt = menuOptions(local(zip), local(dir), false);
        opt.caseInsensitive = 1;
        QCOMPARE(Wiz_SingleEntryUnzip(2, &include, 1, &exclude, &opt, &cb), std::int32_t{UnzOk});
        QCOMPARE(tree(dir), (QStringList{QStringLiteral("docs/"), QStringLiteral("docs/readme.txt"),
                                         QStringLiteral("top.txt")}));
        QCOMPARE(cb.numMembers, std::uint64_t{3});

        opt.caseInsensitive = 0;
        QCOMPARE(Wiz_SingleEntryUnzip(1, &include, 0, nullptr, &opt, &cb),
                 std::int32_t{UnzNoMatch});
        // Counts of 0 ignore whatever the lists hold.
        opt.listOnly = 1;
        QCOMPARE(Wiz_SingleEntryUnzip(0, &include, 0, &exclude, &opt, &cb), std::int32_t{UnzOk});
        QCOMPARE(cb.numMembers, std::uint64_t{5});
    }

    void timesAndPermissions() {
        const QString zip = path(QStringLiteral("modes.zip"));
        const std::time_t when = 1300000000; // 2011-03-13
        QVERIFY(writeZip(zip, {Entry::folderNamed("bin/").at(when),
                               Entry::file("bin/run.sh", "#!/bin/sh\n").mode(0104755).at(when),
                               Entry::file("bin/notes.txt", "n").mode(0100600).at(when),
                               Entry::file("plain.txt", "p").at(when)}));
        const QString dir = path(QStringLiteral("modes"));
        Recorder rec;
        QCOMPARE(run(menuOptions(local(zip), local(dir), false), rec), std::int32_t{UnzOk});
        const auto modeOf = [&](const char* name) {
            struct stat st {};
            ::stat(local(dir + QLatin1Char('/') + QLatin1String(name)).c_str(), &st);
            return st;
        };
        const mode_t mask = ::umask(022);
        ::umask(mask);
        const mode_t plain = 0666 & ~mask;
        QCOMPARE(modeOf("plain.txt").st_mode & 07777, plain);
        QCOMPARE(modeOf("bin/notes.txt").st_mode & 07777, plain);
        const mode_t runMode = modeOf("bin/run.sh").st_mode & 07777;
        QVERIFY(runMode & S_IXUSR);
        QVERIFY(!(runMode & (S_ISUID | S_ISGID | S_ISVTX)));
        QCOMPARE(modeOf("plain.txt").st_mtime, when);
        QCOMPARE(modeOf("bin/run.sh").st_mtime, when);
        QCOMPARE(modeOf("bin").st_mtime, when);

        auto opt = menuOptions(local(zip), local(path(QStringLiteral("modes-restored"))), false);
        opt.restorePrivileges = 1;
        QCOMPARE(run(opt, rec), std::int32_t{UnzOk});
        struct stat st {};
        ::stat(local(path(QStringLiteral("modes-restored/bin/run.sh"))).c_str(), &st);
        QCOMPARE(st.st_mode & 07777, mode_t{0755});
        ::stat(local(path(QStringLiteral("modes-restored/bin/notes.txt"))).c_str(), &st);
        QCOMPARE(st.st_mode & 07777, mode_t{0600});
    }

    void newerAndUpdateModes() {
        const QString zip = path(QStringLiteral("newer.zip"));
        const std::time_t when = 1300000000;
        QVERIFY(writeZip(zip, {Entry::file("old.txt", "member").at(when),
                               Entry::file("young.txt", "member").at(when),
                               Entry::file("fresh.txt", "member").at(when)}));
        const QString dir = path(QStringLiteral("newer"));
        const auto prepare = [&] {
            QDir(dir).removeRecursively();
            QDir().mkpath(dir);
            QVERIFY(writeFile(dir + QStringLiteral("/old.txt"), "disk"));
            QVERIFY(writeFile(dir + QStringLiteral("/young.txt"), "disk"));
            const struct timespec older[2] = {{when - 100, 0}, {when - 100, 0}};
            ::utimensat(AT_FDCWD, local(dir + QStringLiteral("/old.txt")).c_str(), older, 0);
        };
        prepare();
        Recorder rec;
        auto opt = menuOptions(local(zip), local(dir), false);
        opt.extractOnlyNewer = 1;
        QCOMPARE(run(opt, rec), std::int32_t{UnzOk});
        QCOMPARE(readFile(dir + QStringLiteral("/old.txt")), QByteArray("member"));
        QCOMPARE(readFile(dir + QStringLiteral("/young.txt")), QByteArray("disk"));
        QVERIFY(!QFileInfo::exists(dir + QStringLiteral("/fresh.txt")));
        QVERIFY(rec.replaceAsked.empty());

        prepare();
        opt.extractOnlyNewer = 0;
        opt.updateMode = 1;
        QCOMPARE(run(opt, rec), std::int32_t{UnzOk});
        QCOMPARE(readFile(dir + QStringLiteral("/old.txt")), QByteArray("member"));
        QCOMPARE(readFile(dir + QStringLiteral("/young.txt")), QByteArray("disk"));
        QCOMPARE(readFile(dir + QStringLiteral("/fresh.txt")), QByteArray("member"));
    }

    void smallerOptions() {
        const QString zip = path(QStringLiteral("small.zip"));
        QVERIFY(writeZip(zip, {Entry::file("with space.txt", "a\r\nb\r\n\rc\r")},
                         QByteArray("the comment")));
        const QString dir = path(QStringLiteral("small"));
        Recorder rec;
        auto opt = menuOptions(local(zip), local(dir), false);
        opt.spaceToUnderscore = 1;
        opt.translateLineEnds = 1;
        opt.showComment = 1;
        QCOMPARE(run(opt, rec), std::int32_t{UnzOk});
        QCOMPARE(readFile(dir + QStringLiteral("/with_space.txt")), QByteArray("a\nb\n\rc\r"));
        QCOMPARE(rec.prints.at(0), std::string("the comment"));

        Recorder out;
        opt.writeToStdout = 1;
        opt.translateLineEnds = 0;
        opt.showComment = 0;
        opt.extractionDirectory = "";
        QCOMPARE(run(opt, out), std::int32_t{UnzOk});
        QCOMPARE(out.prints, std::vector<std::string>{"a\r\nb\r\n\rc\r"});

        Recorder silent;
        opt.writeToStdout = 0;
        opt.quietLevel = 2;
        const std::string d2 = local(path(QStringLiteral("small2")));
        opt.extractionDirectory = d2.c_str();
        QCOMPARE(run(opt, silent), std::int32_t{UnzOk});
        QVERIFY(silent.prints.empty());
        QVERIFY(QFileInfo::exists(path(QStringLiteral("small2/with_space.txt"))));

        Recorder verbose;
        auto lopt = menuOptions(local(zip), "", true);
        lopt.verbose = 1;
        QCOMPARE(run(lopt, verbose), std::int32_t{UnzOk});
        QCOMPARE(verbose.prints.size(), std::size_t{2});
        QVERIFY(QByteArray::fromStdString(verbose.prints[0]).contains("Deflate"));
    }
};

QTEST_GUILESS_MAIN(TestUnzipEngine)
#include "tst_unzipengine.moc"
