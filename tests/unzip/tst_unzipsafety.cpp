// Archives that try to write outside the extraction folder, to plant links,
// to fill the disk, or that are simply damaged. A canary folder beside the
// extraction folder must stay empty in every case.

#include "unzengine.h"
#include "unzpaths.h"
#include "ziptestkit.h"

#include <zip.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <limits>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <sys/resource.h>
#include <unistd.h>

using namespace ziptest;

namespace {

std::string local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

bool isEmptyFolder(const QString& dir) {
    return QDir(dir).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

void removeTreeAt(int parent, const char* name);

// Removes everything in the folder open as fd, and closes fd.
void removeEntriesOf(int fd) {
    DIR* listing = ::fdopendir(fd);
    if (listing == nullptr) {
        ::close(fd);
        return;
    }
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string n = entry->d_name;
        if (n != "." && n != "..") {
            names.push_back(n);
        }
    }
    for (const std::string& n : names) {
        removeTreeAt(::dirfd(listing), n.c_str());
    }
    ::closedir(listing);
}

// Removes a folder tree deeper than the longest path the system takes, which
// QDir cannot remove: each level is entered by its handle.
void removeTreeAt(int parent, const char* name) {
    const int fd = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (fd < 0) {
        ::unlinkat(parent, name, 0);
        return;
    }
    removeEntriesOf(fd);
    ::unlinkat(parent, name, AT_REMOVEDIR);
}

// Plain files below dir, counted by handle; links are counted apart.
int countFilesAt(int fd, int& links) {
    DIR* listing = ::fdopendir(fd);
    if (listing == nullptr) {
        ::close(fd);
        return 0;
    }
    int files = 0;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string n = entry->d_name;
        struct stat st {};
        if (n == "." || n == ".." ||
            ::fstatat(::dirfd(listing), n.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            continue;
        }
        if (S_ISLNK(st.st_mode)) {
            ++links;
        } else if (S_ISREG(st.st_mode)) {
            ++files;
        } else if (S_ISDIR(st.st_mode)) {
            const int sub =
                ::openat(::dirfd(listing), n.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
            if (sub >= 0) {
                files += countFilesAt(sub, links);
            }
        }
    }
    ::closedir(listing);
    return files;
}

int countFilesBelow(const QString& dir, int& links) {
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY);
    return fd >= 0 ? countFilesAt(fd, links) : 0;
}

// Empties dir of everything, whatever the names.
void removeAllBelow(const QString& dir) {
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        removeEntriesOf(fd);
    }
}

void removeDeepTree(const QString& dir, const QByteArray& top) {
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        removeTreeAt(fd, top.constData());
        ::close(fd);
    }
}

} // namespace

class TestUnzipSafety : public QObject {
    Q_OBJECT

private:
    QTemporaryDir tmp_;
    QString target_;
    QString canary_;
    QString outside_;
    int case_ = 0;

    // A fresh extraction folder with an empty canary beside it.
    void freshCase() {
        const QString base = tmp_.filePath(QStringLiteral("case%1").arg(++case_));
        target_ = base + QStringLiteral("/target");
        canary_ = base + QStringLiteral("/canary");
        outside_ = base + QStringLiteral("/outside");
        QVERIFY(QDir().mkpath(target_));
        QVERIFY(QDir().mkpath(canary_));
        QVERIFY(QDir().mkpath(outside_));
    }
    QString archive(const QByteArray& bytes) {
        const QString zip = tmp_.filePath(QStringLiteral("archive%1.zip").arg(case_));
        return writeFile(zip, bytes) ? zip : QString();
    }
    UnzOptions options(const QString& zip, bool overwrite = false) {
        UnzOptions o = menuOptions(local(zip), local(target_), false);
        o.overwriteAll = overwrite ? 1 : 0;
        return o;
    }

private slots:
    void initTestCase() { QVERIFY(tmp_.isValid()); }

    void memberNames_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("parts");
        QTest::addColumn<bool>("refused");
        QTest::newRow("plain") << QByteArray("a.txt") << QStringLiteral("a.txt") << false;
        QTest::newRow("nested") << QByteArray("a/b/c.txt") << QStringLiteral("a|b|c.txt") << false;
        QTest::newRow("backslashes")
            << QByteArray("a\\b.txt") << QStringLiteral("a|b.txt") << false;
        QTest::newRow("dots and doubles")
            << QByteArray("./a//./b") << QStringLiteral("a|b") << false;
        QTest::newRow("dotted names")
            << QByteArray("..a/b..") << QStringLiteral("..a|b..") << false;
        QTest::newRow("folder itself") << QByteArray("./") << QString() << false;
        QTest::newRow("empty") << QByteArray() << QString() << true;
        QTest::newRow("parent") << QByteArray("../a") << QString() << true;
        QTest::newRow("inner parent") << QByteArray("a/../b") << QString() << true;
        QTest::newRow("trailing parent") << QByteArray("a/..") << QString() << true;
        QTest::newRow("absolute") << QByteArray("/etc/passwd") << QString() << true;
        QTest::newRow("drive") << QByteArray("C:\\x") << QString() << true;
        QTest::newRow("drive relative") << QByteArray("c:x") << QString() << true;
        QTest::newRow("unc") << QByteArray("\\\\server\\share\\x") << QString() << true;
        QTest::newRow("slash unc") << QByteArray("//server/x") << QString() << true;
        QTest::newRow("backslash root") << QByteArray("\\x") << QString() << true;
        QTest::newRow("backslash climb") << QByteArray("a\\..\\..\\x") << QString() << true;
    }
    void memberNames() {
        QFETCH(QByteArray, name);
        QFETCH(QString, parts);
        QFETCH(bool, refused);
        const unz::MemberPath p = unz::splitMemberName(name.toStdString());
        QCOMPARE(!p.refusal.empty(), refused);
        QStringList got;
        for (const std::string& part : p.parts) {
            got << QString::fromStdString(part);
        }
        QCOMPARE(got.join(QLatin1Char('|')), parts);
    }

    void wildcards() {
        QVERIFY(unz::wildcardMatch("*", "a/b", false));
        QVERIFY(unz::wildcardMatch("a?c", "abc", false));
        QVERIFY(!unz::wildcardMatch("a?c", "ac", false));
        QVERIFY(unz::wildcardMatch("*.TXT", "docs/x.txt", true));
        QVERIFY(!unz::wildcardMatch("*.TXT", "docs/x.txt", false));
        QVERIFY(unz::wildcardMatch("a*b*c", "aXbYbZc", false));
        QCOMPARE(unz::printableName("a\x1b[2Jb\n"), std::string("a?[2Jb?"));
    }

    void hostileNamesAreRefused() {
        freshCase();
        const QByteArray canaryAbs = QFile::encodeName(canary_);
        const QString zip = archive(rawZip({
            RawEntry::file("../canary/dotdot.txt", "x"),
            RawEntry::file("a/../../canary/mid.txt", "x"),
            RawEntry::file(canaryAbs + "/abs.txt", "x"),
            RawEntry::file("C:\\canary\\drive.txt", "x"),
            RawEntry::file("C:drive2.txt", "x"),
            RawEntry::file("\\\\server\\share\\unc.txt", "x"),
            RawEntry::file("//server/share/unc2.txt", "x"),
            RawEntry::file("..\\canary\\back.txt", "x"),
            RawEntry::file("sub\\..\\..\\canary\\back2.txt", "x"),
            RawEntry::file("../", ""),
            RawEntry::file("ok.txt", "fine"),
            RawEntry::file("sub\\win.txt", "windows folder").deflated(),
        }));
        Recorder rec;
        QCOMPARE(run(options(zip), rec), std::int32_t{UnzMemberRefused});
        QVERIFY(isEmptyFolder(canary_));
        QVERIFY(isEmptyFolder(outside_));
        QCOMPARE(tree(target_), (QStringList{QStringLiteral("ok.txt"), QStringLiteral("sub/"),
                                             QStringLiteral("sub/win.txt")}));
        QCOMPARE(readFile(target_ + QStringLiteral("/sub/win.txt")), QByteArray("windows folder"));
        QCOMPARE(rec.prints.size(), std::size_t{24});
        QCOMPARE(rec.prints[0], std::string("    refused: ../canary/dotdot.txt"));
        QCOMPARE(rec.prints[1], std::string("  (path leaves the extraction folder)\n"));
        QCOMPARE(rec.prints[5], std::string("  (absolute path)\n"));
        QCOMPARE(rec.prints[7], std::string("  (drive letter)\n"));
        QCOMPARE(rec.prints[11], std::string("  (network path)\n"));
        QCOMPARE(rec.prints[20], std::string(" extracting: ok.txt"));
    }

    void linkMembersAreNeverCreated() {
        freshCase();
        const QByteArray canaryAbs = QFile::encodeName(canary_);
        const QString zip = archive(rawZip({
            RawEntry::file("link", "../canary").mode(0120777),
            RawEntry::file("abslink", canaryAbs).mode(0120777),
            RawEntry::file("link/through.txt", "x"),
            RawEntry::file("abslink/through.txt", "x").deflated(),
        }));
        Recorder listing;
        QCOMPARE(run(menuOptions(local(zip), "", true), listing), std::int32_t{UnzOk});
        QCOMPARE(listing.listed.at(0).kind, 'l');

        Recorder rec;
        QCOMPARE(run(options(zip), rec), std::int32_t{UnzMemberRefused});
        QCOMPARE(rec.prints.at(1), std::string("  (symbolic link not created)\n"));
        QVERIFY(isEmptyFolder(canary_));
        QCOMPARE(tree(target_),
                 (QStringList{QStringLiteral("abslink/"), QStringLiteral("abslink/through.txt"),
                              QStringLiteral("link/"), QStringLiteral("link/through.txt")}));
    }

    void existingLinksAreNotFollowed() {
        freshCase();
        const QString victim = outside_ + QStringLiteral("/victim.txt");
        QVERIFY(writeFile(victim, "precious"));
        QVERIFY(QFile::link(canary_, target_ + QStringLiteral("/pre")));
        QVERIFY(QFile::link(victim, target_ + QStringLiteral("/file.txt")));
        const QString zip = archive(rawZip({
            RawEntry::file("pre/evil.txt", "x"),
            RawEntry::file("pre/deeper/evil.txt", "x"),
            RawEntry::file("file.txt", "replaces the link"),
        }));
        Recorder rec;
        QCOMPARE(run(options(zip, true), rec), std::int32_t{UnzMemberFailed});
        QVERIFY(isEmptyFolder(canary_));
        QCOMPARE(readFile(victim), QByteArray("precious"));
        QVERIFY(!QFileInfo(target_ + QStringLiteral("/file.txt")).isSymLink());
        QCOMPARE(readFile(target_ + QStringLiteral("/file.txt")), QByteArray("replaces the link"));
        QCOMPARE(rec.prints.size(), std::size_t{6});
    }

    void memberBeyondDeclaredSizeIsStopped() {
        freshCase();
        QVERIFY(writeFile(target_ + QStringLiteral("/bomb.bin"), "good"));
        const QString zip = archive(rawZip({
            RawEntry::file("bomb.bin", QByteArray(8 << 20, '\0')).deflated().declaring(1000),
            RawEntry::file("fresh.bin", QByteArray(8 << 20, '\0')).deflated().declaring(1000),
            RawEntry::file("after.txt", "after"),
        }));
        Recorder rec;
        QCOMPARE(run(options(zip, true), rec), std::int32_t{UnzMemberRefused});
        QCOMPARE(rec.prints.at(1), std::string("  (inflates beyond its declared size)\n"));
        QCOMPARE(readFile(target_ + QStringLiteral("/bomb.bin")), QByteArray("good"));
        QCOMPARE(tree(target_),
                 (QStringList{QStringLiteral("after.txt"), QStringLiteral("bomb.bin")}));
    }

    void memberShorterThanDeclaredFails() {
        freshCase();
        const QString zip = archive(rawZip({
            RawEntry::file("short.txt", QByteArray(50, 'a')).deflated().declaring(100),
        }));
        Recorder rec;
        QCOMPARE(run(options(zip), rec), std::int32_t{UnzMemberFailed});
        QVERIFY(isEmptyFolder(target_));
    }

    void corruptCrcKeepsTheGoodFile() {
        freshCase();
        QVERIFY(writeFile(target_ + QStringLiteral("/a.txt"), "good a"));
        QVERIFY(writeFile(target_ + QStringLiteral("/b.txt"), "good b"));
        const QString zip = archive(rawZip({
            RawEntry::file("a.txt", "corrupt stored").withCrc(0x12345678),
            RawEntry::file("b.txt", QByteArray(10000, 'b')).deflated().withCrc(0x1),
            RawEntry::file("c.txt", "corrupt new").withCrc(0x2),
        }));
        Recorder rec;
        rec.replaceAnswers = {UnzReplaceYes, UnzReplaceYes};
        QCOMPARE(run(options(zip), rec), std::int32_t{UnzMemberFailed});
        QCOMPARE(readFile(target_ + QStringLiteral("/a.txt")), QByteArray("good a"));
        QCOMPARE(readFile(target_ + QStringLiteral("/b.txt")), QByteArray("good b"));
        QCOMPARE(tree(target_), (QStringList{QStringLiteral("a.txt"), QStringLiteral("b.txt")}));
        QCOMPARE(rec.prints.size(), std::size_t{6});
        QCOMPARE(rec.prints.at(1), std::string("  (CRC error)\n"));
    }

    void wrongPasswordKeepsTheGoodFile() {
        freshCase();
        QVERIFY(writeFile(target_ + QStringLiteral("/s.txt"), "good"));
        const QString zip = tmp_.filePath(QStringLiteral("pw%1.zip").arg(case_));
        QVERIFY(
            writeZip(zip, {Entry::file("s.txt", "secret").encrypted(ZIP_EM_AES_256, "right"),
                           Entry::file("t.txt", "secret").encrypted(ZIP_EM_TRAD_PKWARE, "right")}));
        Recorder rec;
        rec.passwordAnswers = {"wrong", "wrong"};
        QCOMPARE(run(options(zip, true), rec), std::int32_t{UnzMemberFailed});
        QCOMPARE(readFile(target_ + QStringLiteral("/s.txt")), QByteArray("good"));
        QCOMPARE(tree(target_), QStringList{QStringLiteral("s.txt")});
    }

    void declaredTotalBeyondFreeSpaceExtractsNothing() {
        freshCase();
        const QString zip = archive(rawZip({
            RawEntry::file("small.txt", "small"),
            RawEntry::file("huge.bin", "x").declaring(std::uint64_t{1} << 60).zip64Sizes(),
        }));
        Recorder rec;
        UnzCallbacks totals;
        QCOMPARE(run(options(zip), rec, &totals), std::int32_t{UnzDiskFull});
        QVERIFY(isEmptyFolder(target_));
        QCOMPARE(totals.totalSize, (std::uint64_t{1} << 60) + 5);
        QCOMPARE(rec.prints.size(), std::size_t{2});
        QVERIFY(rec.serviced.empty());
    }

    void declaredSizesThatAddUpPastTheLargestNumber() {
        freshCase();
        // Four members of 2^62 bytes each: their sum does not fit 64 bits.
        std::vector<RawEntry> entries;
        for (const char* name : {"q1.bin", "q2.bin", "q3.bin", "q4.bin"}) {
            entries.push_back(
                RawEntry::file(name, "x").declaring(std::uint64_t{1} << 62).zip64Sizes());
        }
        entries.push_back(RawEntry::file("small.txt", "small"));
        const QString zip = archive(rawZip(entries));
        Recorder rec;
        UnzCallbacks totals;
        QCOMPARE(run(options(zip), rec, &totals), std::int32_t{UnzDiskFull});
        QVERIFY(isEmptyFolder(target_));
        // The summary shows the largest number rather than a wrapped one.
        QCOMPARE(totals.totalSize, std::numeric_limits<std::uint64_t>::max());
        QCOMPARE(totals.compressionFactor, 100);
        QCOMPARE(totals.numMembers, std::uint64_t{5});
    }

    void fullDiskKeepsTheGoodFileAndStops() {
        freshCase();
        QVERIFY(writeFile(target_ + QStringLiteral("/big.bin"), "good"));
        QByteArray data(1 << 20, '\0');
        for (char& c : data) {
            c = static_cast<char>(QRandomGenerator::global()->generate());
        }
        const QString zip = archive(rawZip(
            {RawEntry::file("big.bin", data).deflated(), RawEntry::file("after.txt", "after")}));
        // A file-size limit makes writes fail as a full disk would.
        struct rlimit old {};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = old;
        small.rlim_cur = 256 * 1024;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        Recorder rec;
        const std::int32_t result = run(options(zip, true), rec);
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(result, std::int32_t{UnzDiskFull});
        QCOMPARE(readFile(target_ + QStringLiteral("/big.bin")), QByteArray("good"));
        QCOMPARE(tree(target_), QStringList{QStringLiteral("big.bin")});
        QVERIFY(QByteArray::fromStdString(rec.prints.at(1)).contains("write error"));
    }

    void fileWhereAFolderStandsFails() {
        freshCase();
        QVERIFY(QDir().mkpath(target_ + QStringLiteral("/taken")));
        QVERIFY(writeFile(target_ + QStringLiteral("/plainfile"), "p"));
        const QString zip = archive(
            rawZip({RawEntry::file("taken", "x"), RawEntry::file("plainfile/inner.txt", "x"),
                    RawEntry::file("ok.txt", "ok")}));
        Recorder rec;
        QCOMPARE(run(options(zip, true), rec), std::int32_t{UnzMemberFailed});
        QCOMPARE(tree(target_), (QStringList{QStringLiteral("ok.txt"), QStringLiteral("plainfile"),
                                             QStringLiteral("taken/")}));
    }

    void duplicateNamesAskBeforeTheSecondCopy() {
        freshCase();
        const QString zip = archive(rawZip({
            RawEntry::file("dup.txt", "first"),
            RawEntry::file("dup.txt", "second").deflated(),
            RawEntry::file("d\\dup.txt", "one"),
            RawEntry::file("d/dup.txt", "two"),
        }));
        Recorder rec;
        rec.replaceAnswers = {UnzReplaceYes, UnzReplaceNo};
        QCOMPARE(run(options(zip), rec), std::int32_t{UnzOk});
        QCOMPARE(rec.replaceAsked.size(), std::size_t{2});
        QCOMPARE(readFile(target_ + QStringLiteral("/dup.txt")), QByteArray("second"));
        QCOMPARE(readFile(target_ + QStringLiteral("/d/dup.txt")), QByteArray("one"));
        QCOMPARE(tree(target_), (QStringList{QStringLiteral("d/"), QStringLiteral("d/dup.txt"),
                                             QStringLiteral("dup.txt")}));
        QCOMPARE(rec.prints.size(), std::size_t{8});
        QVERIFY(isEmptyFolder(canary_));
    }

    void oneNameAsFileAndFolder() {
        freshCase();
        const QString zip = archive(rawZip({
            RawEntry::file("x", "file first"),
            RawEntry::file("x/", ""),
            RawEntry::file("x/inner.txt", "x"),
            RawEntry::file("y/", ""),
            RawEntry::file("y", "folder first"),
            RawEntry::file("y/inner.txt", "y"),
            RawEntry::file("ok.txt", "ok"),
        }));
        Recorder rec;
        QCOMPARE(run(options(zip, true), rec), std::int32_t{UnzMemberFailed});
        QCOMPARE(readFile(target_ + QStringLiteral("/x")), QByteArray("file first"));
        QCOMPARE(readFile(target_ + QStringLiteral("/y/inner.txt")), QByteArray("y"));
        QCOMPARE(tree(target_), (QStringList{QStringLiteral("ok.txt"), QStringLiteral("x"),
                                             QStringLiteral("y/"), QStringLiteral("y/inner.txt")}));
        // Two lines for every member, failed or not.
        QCOMPARE(rec.prints.size(), std::size_t{14});
        QVERIFY(isEmptyFolder(canary_));
    }

    void veryLongNames() {
        freshCase();
        // A part longer than any file system allows, and a path far longer
        // than the longest path the system takes in one piece.
        const QByteArray longPart(300, 'p');
        QByteArray deep;
        for (int level = 0; level < 30; ++level) {
            deep += QByteArray(200, static_cast<char>('a' + level % 26)) + '/';
        }
        const QString zip = archive(rawZip({
            RawEntry::file(longPart, "x"),
            RawEntry::file("f/" + longPart + "/x.txt", "x"),
            RawEntry::file(deep + "deep.txt", "deep").deflated(),
            RawEntry::file(QByteArray(60000, '/') + "slashes.txt", "x"),
            RawEntry::file("ok.txt", "ok"),
        }));
        const auto cleanUp =
            qScopeGuard([dir = target_] { removeDeepTree(dir, QByteArray(200, 'a')); });
        Recorder rec;
        // The too-long parts fail; the member of slashes is refused.
        QCOMPARE(run(options(zip), rec), std::int32_t{UnzMemberFailed});
        QCOMPARE(rec.prints.size(), std::size_t{10});
        QCOMPARE(rec.prints.at(7), std::string("  (network path)\n"));
        QCOMPARE(readFile(target_ + QStringLiteral("/ok.txt")), QByteArray("ok"));
        QVERIFY(isEmptyFolder(canary_));
        QVERIFY(isEmptyFolder(outside_));

        // The deep member arrived whole, found by walking down from the top.
        int dir = ::open(QFile::encodeName(target_).constData(), O_RDONLY | O_DIRECTORY);
        QVERIFY(dir >= 0);
        for (int level = 0; level < 30; ++level) {
            const QByteArray part(200, static_cast<char>('a' + level % 26));
            const int next = ::openat(dir, part.constData(), O_RDONLY | O_DIRECTORY);
            ::close(dir);
            dir = next;
            QVERIFY(dir >= 0);
        }
        char buf[16] = {};
        const int file = ::openat(dir, "deep.txt", O_RDONLY);
        QVERIFY(file >= 0);
        QCOMPARE(::read(file, buf, sizeof buf), ssize_t{4});
        ::close(file);
        ::close(dir);
        QCOMPARE(QByteArray(buf), QByteArray("deep"));
    }

    void undecodableNames() {
        freshCase();
        // Names not flagged as UTF-8 are read in the DOS code page.
        const QString zip = archive(rawZip({
            RawEntry::file("bad\xff\xfe.txt", "dos"),
            // ".." written as overlong UTF-8 sequences.
            RawEntry::file("\xc0\xae\xc0\xae/overlong.txt", "o"),
            RawEntry::file("\xc0\xae\xc0\xae\\\xc0\xae\xc0\xae\\canary.txt", "o"),
            RawEntry::file("ctl\x1b[2J\x07.txt", "ctl"),
        }));
        Recorder listing;
        QCOMPARE(run(menuOptions(local(zip), "", true), listing), std::int32_t{UnzOk});
        QCOMPARE(listing.listed.size(), std::size_t{4});

        Recorder rec;
        QCOMPARE(run(options(zip), rec), std::int32_t{UnzOk});
        QCOMPARE(rec.prints.size(), std::size_t{8});
        for (const std::string& line : rec.prints) {
            for (const char c : line.substr(0, line.size() - 1)) {
                QVERIFY2(static_cast<unsigned char>(c) >= 0x20, line.c_str());
            }
        }
        QVERIFY(isEmptyFolder(canary_));
        QVERIFY(isEmptyFolder(outside_));
        // Everything landed inside, as plain files and folders. Qt cannot
        // name files whose names are not UTF-8, so the count walks by handle.
        const auto cleanUp = qScopeGuard([dir = target_] { removeAllBelow(dir); });
        int links = 0;
        QCOMPARE(countFilesBelow(target_, links), 4);
        QCOMPARE(links, 0);

        // Asked about again, the names reach the question as they are.
        Recorder again;
        QCOMPARE(run(options(zip), again), std::int32_t{UnzOk});
        QCOMPARE(again.replaceAsked.size(), std::size_t{4});
    }

    void overlappingEntriesAreRefusedBeforeWriting() {
        freshCase();
        // Twenty entries of 1 MiB each over the data of the first.
        std::vector<Entry> entries;
        for (int i = 0; i < 20; ++i) {
            entries.push_back(Entry::file("part" + QByteArray::number(i), QByteArray(1 << 20, 0)));
        }
        const QString made = tmp_.filePath(QStringLiteral("bomb-source.zip"));
        QVERIFY(writeZip(made, entries));
        const QString zip = archive(sharingFirstEntrysData(readFile(made)));
        Recorder rec;
        QCOMPARE(run(options(zip), rec), std::int32_t{UnzArchiveRefused});
        QVERIFY(isEmptyFolder(target_));
        QVERIFY(rec.lines().join(QLatin1Char('\n')).contains(QStringLiteral("overlapped")));
        // The same entries at their own data extract as usual.
        Recorder plain;
        QCOMPARE(run(options(made), plain), std::int32_t{UnzOk});
        QCOMPARE(tree(target_).size(), 20);
    }

    void damagedDirectoryKeepsTheGoodMembers_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("extracted");
        QTest::addColumn<QString>("reported");
        const QByteArray three =
            rawZip({RawEntry::file("a.txt", "a"), RawEntry::file("b.txt", "b").deflated(),
                    RawEntry::file("c.txt", "c")});
        const QStringList all{QStringLiteral("a.txt"), QStringLiteral("b.txt"),
                              QStringLiteral("c.txt")};
        QTest::newRow("count too high") << withEntryCount(three, 5) << all << QStringLiteral("5");
        QTest::newRow("count too low") << withEntryCount(three, 2) << all << QStringLiteral("2");
        QTest::newRow("names flagged UTF-8 that are not")
            << rawZip({RawEntry::file("ok.txt", "ok"),
                       RawEntry::file("raw\xff\xfe.txt", "raw").flaggedUtf8(),
                       RawEntry::file("\xc0\xae\xc0\xae/overlong.txt", "o").flaggedUtf8()})
            << QStringList{QStringLiteral("ok.txt")} << QStringLiteral("overlong.txt");
    }

    void damagedDirectoryKeepsTheGoodMembers() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, extracted);
        QFETCH(QString, reported);
        freshCase();
        const QString zip = archive(bytes);
        Recorder listing;
        QCOMPARE(run(menuOptions(local(zip), "", true), listing), std::int32_t{UnzDamaged});
        QCOMPARE(listing.listed.size(), static_cast<std::size_t>(extracted.size()));
        Recorder rec;
        QCOMPARE(run(options(zip), rec), std::int32_t{UnzDamaged});
        QCOMPARE(tree(target_), extracted);
        const QString said = rec.lines().join(QLatin1Char('\n'));
        QVERIFY2(said.contains(QStringLiteral("damaged")) && said.contains(reported),
                 qPrintable(said));
        QVERIFY(isEmptyFolder(canary_));
    }

    void damagedArchivesDoNotCrash() {
        freshCase();
        const QString good = tmp_.filePath(QStringLiteral("fuzz-source.zip"));
        QVERIFY(writeZip(good,
                         {Entry::folderNamed("d/"), Entry::file("d/a.txt", QByteArray(3000, 'a')),
                          Entry::file("b.txt", "bee").stored(),
                          Entry::file("c.txt", "sea").encrypted(ZIP_EM_AES_256, "pw")},
                         "comment"));
        const QByteArray bytes = readFile(good);
        QVERIFY(!bytes.isEmpty());
        QRandomGenerator gen(4242);
        for (int round = 0; round < 300; ++round) {
            QByteArray damaged = bytes;
            if (round % 3 == 0) {
                damaged.truncate(static_cast<qsizetype>(gen.bounded(bytes.size())));
            } else {
                const int flips = 1 + static_cast<int>(gen.bounded(8));
                for (int k = 0; k < flips; ++k) {
                    damaged[gen.bounded(damaged.size())] = static_cast<char>(gen.generate());
                }
            }
            const QString zip = tmp_.filePath(QStringLiteral("fuzz.zip"));
            QVERIFY(writeFile(zip, damaged));
            Recorder rec;
            rec.passwordAnswers = {"pw"};
            rec.replaceAnswers = std::vector<std::int32_t>(10, UnzReplaceYes);
            const std::int32_t listed = run(menuOptions(local(zip), "", true), rec);
            const std::int32_t extracted = run(options(zip), rec);
            QVERIFY(listed >= 0 && listed <= UnzDamaged);
            QVERIFY(extracted >= 0 && extracted <= UnzDamaged);
        }
        QVERIFY(isEmptyFolder(canary_));
        QVERIFY(isEmptyFolder(outside_));
        for (const QString& name : tree(target_)) {
            QVERIFY2(!name.startsWith(QLatin1Char('.')), qPrintable(name));
        }
    }
};

QTEST_GUILESS_MAIN(TestUnzipSafety)
#include "tst_unzipsafety.moc"
