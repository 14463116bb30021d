// The menu runtime as a disc carries it: copied with the demo disc into a
// folder whose files have no execute bit, started through the disc's launcher
// in a mount namespace in which the system's Qt, libzip and ICU are hidden.
#include <configreader.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

bool copyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString copy = to + u'/' + QDir(from).relativeFilePath(file);
        if (!QDir().mkpath(QFileInfo(copy).absolutePath()) || !QFile::copy(file, copy))
            return false;
    }
    return true;
}

// As a FAT stick shows its files: readable, never executable.
void dropExecuteBits(const QString& folder) {
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        QFile::setPermissions(file,
                              QFile::permissions(file) & ~(QFile::ExeOwner | QFile::ExeUser |
                                                           QFile::ExeGroup | QFile::ExeOther));
    }
}

// Why a mount namespace cannot be made here, or empty when it can.
QString namespaceUnavailable() {
    QProcess probe;
    probe.setProcessChannelMode(QProcess::MergedChannels);
    probe.start(u"unshare"_s, {u"--mount"_s, u"sh"_s, u"-c"_s, u"mount -t tmpfs none /mnt"_s});
    if (!probe.waitForFinished(30000))
        return u"unshare cannot be started: "_s + probe.errorString();
    if (probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        return u"a mount namespace needs root (unshare --mount): "_s +
               QString::fromLocal8Bit(probe.readAll()).trimmed();
    return {};
}

} // namespace

class TestPortable : public QObject {
    Q_OBJECT

private slots:
    void startsWithoutTheSystemsLibraries_data() {
        QTest::addColumn<bool>("published");
        QTest::newRow("runtime and demo disc copied") << false;
        QTest::newRow("menusmith --publish") << true;
    }
    void startsWithoutTheSystemsLibraries() {
        QFETCH(bool, published);
        if (const QString reason = namespaceUnavailable(); !reason.isEmpty())
            QSKIP(qPrintable(reason));
        QTemporaryDir temporary;
        QVERIFY(temporary.isValid());
        const QString disc = temporary.filePath(u"disc"_s);
        if (published) {
            QProcess publish;
            publish.setProcessChannelMode(QProcess::MergedChannels);
            publish.start(u"" MENUSMITH ""_s, {u"--publish"_s, u"" DEMO_DISC ""_s, disc});
            QVERIFY(publish.waitForFinished(300000));
            QVERIFY2(publish.exitCode() == 0, publish.readAll().constData());
        } else {
            QVERIFY(copyTree(u"" DEMO_DISC ""_s, disc));
            QVERIFY(copyTree(u"" RUNTIME_DIR ""_s, disc + u"/discmenu-runtime"_s));
            QVERIFY(QFile::copy(u"" LAUNCHER ""_s, disc + u"/menu.sh"_s));
        }
        dropExecuteBits(disc);

        QProcess menu;
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.insert(u"MENU_PRINT_TITLE"_s, u"1"_s);
        environment.insert(u"MENU_LANG"_s, u"EN"_s);
        menu.setProcessEnvironment(environment);
        // unshare and both shells exec the next program: the menu keeps this process.
        menu.start(u"unshare"_s, {u"--mount"_s, u"sh"_s, u"" HIDE_SYSTEM_LIBRARIES ""_s, disc});
        QVERIFY(menu.waitForStarted());
        // The window comes up after the splash; a loaded machine may take long.
        QByteArray said;
        const QDeadlineTimer deadline(std::chrono::minutes(2));
        while (!said.contains('\n') && menu.state() == QProcess::Running &&
               !deadline.hasExpired()) {
            menu.waitForReadyRead(1000);
            said += menu.readAllStandardOutput();
        }
        const QByteArray maps = [&] {
            QFile file(u"/proc/%1/maps"_s.arg(menu.processId()));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        menu.kill();
        menu.waitForFinished();
        const QString errors = QString::fromLocal8Bit(menu.readAllStandardError());

        const auto config = readConfig(u"" DEMO_DISC "/config.ini"_s);
        QVERIFY(config.config);
        QCOMPARE(QString::fromUtf8(said).trimmed(), u"window: "_s + config.config->title);
        QStringList qtLibraries;
        for (const QByteArray& line : maps.split('\n')) {
            const QString path = QString::fromLocal8Bit(line.mid(line.indexOf('/')));
            if (line.contains("libQt6") || line.contains("libicu") || line.contains("libzip"))
                qtLibraries.append(path);
        }
        QVERIFY2(!qtLibraries.isEmpty(), qPrintable(errors));
        for (const QString& path : qtLibraries)
            QVERIFY2(path.startsWith(disc + u"/discmenu-runtime/"_s), qPrintable(path));
        for (const auto name : {"libQt6Core", "libQt6Widgets", "libqoffscreen", "libzip"})
            QVERIFY2(maps.contains(name), name);
    }
};

QTEST_GUILESS_MAIN(TestPortable)
#include "test_portable.moc"
