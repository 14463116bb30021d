#include "configreader.h"
#include "configvalues.h"
#include "configwriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <linux/fs.h>
#include <sys/ioctl.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace {

// Takes the right to write path (a file, or a folder: no new file in it) for
// as long as it lives. Permissions do not bind root, so there the immutable
// flag is set as well; holds() is false where neither works.
class WriteLock {
public:
    explicit WriteLock(const QString& path)
        : m_path(QFile::encodeName(path))
        , m_permissions(QFile::permissions(path)) {
        QFile::setPermissions(path, m_permissions & ~(QFile::WriteOwner | QFile::WriteUser |
                                                      QFile::WriteGroup | QFile::WriteOther));
        if (!writable())
            return;
#ifdef Q_OS_LINUX
        m_immutable = setImmutable(true);
#endif
    }
    ~WriteLock() {
#ifdef Q_OS_LINUX
        if (m_immutable)
            setImmutable(false);
#endif
        QFile::setPermissions(QFile::decodeName(m_path), m_permissions);
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

    bool holds() const {
        return !writable();
    }

private:
    bool writable() const {
        return ::access(m_path.constData(), W_OK) == 0;
    }
#ifdef Q_OS_LINUX
    bool setImmutable(bool on) const {
        const int fd = ::open(m_path.constData(), O_RDONLY | O_NONBLOCK);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return done;
    }
    bool m_immutable = false;
#endif
    QByteArray m_path;
    QFile::Permissions m_permissions;
};

// Writes with a limit on file sizes, which makes the write fail the way a full
// disk does, even as root.
ConfigWriteResult writeWithSizeLimit(const ConfigFile& config, const QString& path,
                                     qsizetype limitBytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limit = saved;
    limit.rlim_cur = rlim_t(limitBytes);
    setrlimit(RLIMIT_FSIZE, &limit);
    const ConfigWriteResult result = writeConfig(config, configvalue::unset, path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);
    return result;
}

AppEntry app(const QString& name, const QString& category = QString()) {
    return {name,
            name + u" description"_s,
            u"pics\\"_s + name + u".bmp"_s,
            u"Install"_s,
            u"[UNZIP] "_s + name + u".zip"_s,
            u"archives\\"_s,
            u"Read me"_s,
            u"[ASS]docs\\"_s + name + u".txt"_s,
            category};
}

ConfigFile fullModel() {
    ConfigFile config;
    config.title = u"Disco è bello"_s;
    config.windowIcon = u"disc.ico"_s;
    config.installButtonPicture = u"in.bmp"_s;
    config.installButtonPressedPicture = u"in2.bmp"_s;
    config.extraButtonPicture = configvalue::unset;
    config.extraButtonPressedPicture = configvalue::unset;
    config.introText = u"Benvenuti – “scegliete” un programma"_s;
    config.aboutText = u"(c) 2026"_s;
    config.categoriesEnabled = true;
    config.categories = {u"Giochi"_s, u"Utilità"_s};
    config.apps = {app(u"Alpha"_s, u"Giochi"_s), app(u"Beta"_s, u"Utilità"_s),
                   app(u"Gamma"_s, configvalue::noCategory)};
    return config;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestConfigWriter : public QObject {
    Q_OBJECT
private slots:
    void smallFileByteForByte() {
        ConfigFile config;
        config.title = u"T"_s;
        for (QString* s : {&config.windowIcon, &config.installButtonPicture,
                           &config.installButtonPressedPicture, &config.extraButtonPicture,
                           &config.extraButtonPressedPicture, &config.introText, &config.aboutText})
            *s = configvalue::unset;
        config.apps = {{u"A"_s, u"d"_s, u"p"_s, u"i"_s, u"c"_s, u"f"_s, u"e"_s, u"x"_s, {}}};

        ConfigWriteResult result;
        const QByteArray bytes = formatConfig(config, configvalue::unset, &result);
        QVERIFY(result.ok);
        const QByteArray expected = "**************** CONFIGURAZIONE GENERALE ****************\r\n"
                                    "\r\n"
                                    "\r\n"
                                    "[TITL]T\r\n"
                                    "[ICON]NO\r\n"
                                    "[IC1a]NO\r\n"
                                    "[IC1b]NO\r\n"
                                    "[IC2a]NO\r\n"
                                    "[IC2b]NO\r\n"
                                    "[INTR]NO\r\n"
                                    "[ABOU]NO\r\n"
                                    "\r\n"
                                    "****************** CATEGORIE *************************\r\n"
                                    "\r\n"
                                    "****************** APPLICAZIONI *************************\r\n"
                                    "\r\n"
                                    "\r\n"
                                    "============= APPLICAZIONE 1 =============\r\n"
                                    "[NOME]A\r\n"
                                    "[DESC]d\r\n"
                                    "[IMGN]p\r\n"
                                    "[INSC]i\r\n"
                                    "[COMM]c\r\n"
                                    "[ESAM]f\r\n"
                                    "[EXTN]e\r\n"
                                    "[EXTR]x\r\n"
                                    "\r\n"
                                    "\r\n"
                                    "============ CONFIG POSIZIONE TESTO =============\r\n";
        QCOMPARE(bytes, expected);
    }

    void newerSettingsFollowTheAboutTextWhenSet() {
        ConfigFile config;
        config.aboutText = u"A"_s;
        config.language = u"EN"_s;
        QVERIFY(formatConfig(config, configvalue::unset, nullptr)
                    .contains("[ABOU]A\r\n[LING]EN\r\n\r\n*"));
        config.encoding = CodePage::Windows1251;
        config.title = u"Меню"_s;
        const QByteArray bytes = formatConfig(config, configvalue::unset, nullptr);
        QVERIFY(bytes.contains("[TITL]\xCC\xE5\xED\xFE\r\n"));
        QVERIFY(bytes.contains("[ABOU]A\r\n[LING]EN\r\n[CODP]1251\r\n\r\n*"));
        config.codePage = u"1251"_s;
        QCOMPARE(parseConfig(bytes), config);
    }

    void utf8IsWrittenWithItsMarkAndName() {
        // Found without a mark, as a hand-made file is: saved so no reader guesses.
        const ConfigFile found = parseConfig("[TITL]\xE4\xB8\xAD\xE6\x96\x87\r\n");
        QCOMPARE(found.encoding, CodePage::Utf8);
        const QByteArray bytes = formatConfig(found, configvalue::unset, nullptr);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF*****"));
        QVERIFY(bytes.contains("[TITL]\xE4\xB8\xAD\xE6\x96\x87\r\n"));
        QVERIFY(bytes.contains("[ABOU]\r\n[CODP]65001\r\n\r\n*"));
        ConfigFile expected = found;
        expected.codePage = u"65001"_s;
        QCOMPARE(parseConfig(bytes), expected);
    }

    void windows1252ThatLooksLikeUtf8SaysWhatItIs() {
        ConfigFile config;
        config.title = u"Ã¨"_s; // the bytes of "è" in UTF-8
        const QByteArray bytes = formatConfig(config, configvalue::unset, nullptr);
        QVERIFY(bytes.contains("[ABOU]\r\n[CODP]1252\r\n"));
        QCOMPARE(parseConfig(bytes).title, config.title);
        config.title = u"è"_s;
        QVERIFY(!formatConfig(config, configvalue::unset, nullptr).contains("[CODP]"));
    }

    void layoutTextFollowsTheHeader() {
        const QString block = u"[CO1T]298\r\n[BKGR]\r\n"_s;
        ConfigWriteResult result;
        const QByteArray bytes = formatConfig(ConfigFile(), block, &result);
        QVERIFY(result.ok);
        QVERIFY(bytes.endsWith(
            "============ CONFIG POSIZIONE TESTO =============\r\n[CO1T]298\r\n[BKGR]\r\n\r\n"));
        // Only the exact text "NO" means "nothing designed yet".
        QVERIFY(formatConfig(ConfigFile(), u"no"_s, nullptr).endsWith("=============\r\nno\r\n"));
    }

    void categoryBlocks() {
        ConfigFile on = fullModel();
        QByteArray bytes = formatConfig(on, configvalue::unset, nullptr);
        QVERIFY(bytes.contains("*\r\n[CATE]SI\r\n[CATG]Giochi\r\n[CATG]Utilit\xE0\r\n\r\n*"));
        QCOMPARE(bytes.count("[CATN]"), 3);
        QVERIFY(bytes.contains("[EXTR][ASS]docs\\Gamma.txt\r\n[CATN]n/a\r\n"));

        ConfigFile empty = on;
        empty.categories.clear();
        bytes = formatConfig(empty, configvalue::unset, nullptr);
        QVERIFY(bytes.contains("*\r\n[CATE]NO\r\n\r\n*"));
        QCOMPARE(bytes.count("[CATN]0\r\n"), 3);
        QVERIFY(!bytes.contains("[CATG]"));

        ConfigFile off = on;
        off.categoriesEnabled = false;
        bytes = formatConfig(off, configvalue::unset, nullptr);
        QVERIFY(!bytes.contains("[CATE]"));
        QVERIFY(!bytes.contains("[CATG]"));
        QVERIFY(!bytes.contains("[CATN]"));
    }

    void applicationsAreNumberedInOrder() {
        const QByteArray bytes = formatConfig(fullModel(), configvalue::unset, nullptr);
        const qsizetype one =
            bytes.indexOf("============= APPLICAZIONE 1 =============\r\n[NOME]Alpha");
        const qsizetype two =
            bytes.indexOf("\r\n============= APPLICAZIONE 2 =============\r\n[NOME]Beta");
        const qsizetype three =
            bytes.indexOf("\r\n============= APPLICAZIONE 3 =============\r\n[NOME]Gamma");
        QVERIFY(one > 0);
        QVERIFY(two > one);
        QVERIFY(three > two);
        QVERIFY(!bytes.contains("APPLICAZIONE 4"));
    }

    void writeThenReadGivesTheModelBack() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"config.ini"_s);
        const QString block = u"[CO1T]298\r\n[LS2F]-2147483640\r\n[BKGR]back.bmp\r\n"_s;
        const ConfigFile config = fullModel();
        QVERIFY(writeConfig(config, block, path).ok);

        const ConfigReadResult read = readConfig(path);
        QVERIFY(read.config);
        ConfigFile expected = config;
        expected.layout.lines = {
            {{LayoutObjectId::InstallButton, LayoutProperty::Top}, u"298"_s},
            {{LayoutObjectId::AppList, LayoutProperty::TextColour}, u"-2147483640"_s},
            {{LayoutObjectId::Background, LayoutProperty::Picture}, u"back.bmp"_s},
        };
        QCOMPARE(*read.config, expected);
        QCOMPARE(read.config->layout.toText(), block);

        // Categories off: nothing of them is written, nothing is read back.
        ConfigFile off = config;
        off.categoriesEnabled = false;
        QVERIFY(writeConfig(off, configvalue::unset, path).ok);
        const ConfigFile offBack = *readConfig(path).config;
        QVERIFY(!offBack.categoriesEnabled);
        QVERIFY(offBack.categories.isEmpty());
        QCOMPARE(offBack.apps.size(), 3);
        for (const AppEntry& a : offBack.apps)
            QCOMPARE(a.category, QString());
    }

    void unstorableTextIsRefusedAndNothingWritten() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"config.ini"_s);
        writeFile(path, "old content\r\n");

        ConfigFile config = fullModel();
        config.apps[1].description = u"Żółw"_s; // Polish letters outside Windows-1252
        ConfigWriteResult result = writeConfig(config, configvalue::unset, path);
        QVERIFY(!result.ok);
        QCOMPARE(result.fieldTag, u"[DESC]"_s);
        QCOMPARE(result.appIndex, 1);
        QVERIFY2(result.errorMessage.contains(u"Application 2"_s), qPrintable(result.errorMessage));
        QVERIFY2(result.errorMessage.contains(u"Ż"_s), qPrintable(result.errorMessage));
        QCOMPARE(readAll(path), QByteArray("old content\r\n"));

        config = fullModel();
        config.title = u"Smile \U0001F600"_s;
        result = writeConfig(config, configvalue::unset, path);
        QVERIFY(!result.ok);
        QCOMPARE(result.fieldTag, u"[TITL]"_s);
        QCOMPARE(result.appIndex, -1);
        QVERIFY2(result.errorMessage.contains(u"U+1F600"_s), qPrintable(result.errorMessage));

        result = writeConfig(fullModel(), u"[BKGR]fond\u0103.bmp\r\n"_s, path);
        QVERIFY(!result.ok);
        QCOMPARE(result.fieldTag, QString());
        QCOMPARE(readAll(path), QByteArray("old content\r\n"));
    }

    void aCarriageReturnInAValueIsRefused() {
        // Written as it is, it would start a line of its own, which may be a tag.
        ConfigFile config = fullModel();
        config.apps[0].name = u"Name\r[COMM]rm -rf ~"_s;
        ConfigWriteResult result;
        QVERIFY(formatConfig(config, configvalue::unset, &result).isEmpty());
        QVERIFY(!result.ok);
        QCOMPARE(result.fieldTag, u"[NOME]"_s);
        QCOMPARE(result.appIndex, 0);

        // A lone LF is read back inside its line, so it may stay.
        config.apps[0].name = u"Two\nlines"_s;
        QVERIFY(!formatConfig(config, configvalue::unset, &result).isEmpty());
        QVERIFY(result.ok);
        QCOMPARE(parseConfig(formatConfig(config, configvalue::unset, nullptr)).apps[0].name,
                 u"Two\nlines"_s);
    }

    void aFailedWriteLeavesTheOldFileWhole() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"config.ini"_s);
        const QByteArray old = formatConfig(fullModel(), configvalue::unset, nullptr);
        writeFile(path, old);

        ConfigFile bigger = fullModel();
        for (int i = 0; i < 200; ++i)
            bigger.apps.append(app(u"More%1"_s.arg(i)));

        const ConfigWriteResult result = writeWithSizeLimit(bigger, path, old.size() + 100);

        QVERIFY(!result.ok);
        QVERIFY2(result.errorMessage.contains(path), qPrintable(result.errorMessage));
        QCOMPARE(readAll(path), old);
        // No temporary file is left behind either.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"config.ini"_s});
    }

    void aFolderThatTakesNoNewFileStillGetsItsFileReplaced() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"config.ini"_s);
        const QByteArray old = "[TITL]Old\r\n";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
        file.close();
        WriteLock folder(dir.path());
        if (!folder.holds())
            QSKIP("this system lets the test make files in any folder: nothing to check");

        // No temporary file beside it: written over the file itself.
        const ConfigWriteResult result = writeConfig(fullModel(), configvalue::unset, path);
        QVERIFY2(result.ok, qPrintable(result.errorMessage));
        QCOMPARE(readConfig(path).config->title, fullModel().title);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"config.ini"_s});

        // A write that stops half way puts the old content back.
        const QByteArray saved = readAll(path);
        ConfigFile bigger = fullModel();
        bigger.introText = QString(4000, u'x');
        const ConfigWriteResult cut = writeWithSizeLimit(bigger, path, saved.size() + 100);
        QVERIFY(!cut.ok);
        QCOMPARE(readAll(path), saved);

        // The file itself locked too: nothing can be saved, and the reason says so.
        WriteLock locked(path);
        if (!locked.holds())
            QSKIP("this system cannot lock a file against the test");
        const ConfigWriteResult refused = writeConfig(fullModel(), configvalue::unset, path);
        QVERIFY(!refused.ok);
        QCOMPARE(refused.fileProblem, FileProblem::WriteDenied);
        QCOMPARE(readAll(path), saved);
    }

    void aFolderThatDoesNotExistIsReported() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"missing/config.ini"_s);
        const ConfigWriteResult result = writeConfig(fullModel(), configvalue::unset, path);
        QVERIFY(!result.ok);
        QVERIFY(!result.errorMessage.isEmpty());
        QCOMPARE(result.fileProblem, FileProblem::FolderNotFound);
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestConfigWriter)
#include "test_configwriter.moc"
