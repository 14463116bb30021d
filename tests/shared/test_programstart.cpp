#include "programstart.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// How a command of the disc is started when the medium gave it no execute
// bit, and which commands are refused with a reason. Nothing is started.
class TestProgramStart : public QObject {
    Q_OBJECT

private slots:
    void decisions_data();
    void decisions();
    void loaderFromTheElfHeaders_data();
    void loaderFromTheElfHeaders();
    void inspectReadsTheFile();
};

namespace {

using Reason = DesktopFailure::Reason;
const QString kUsualLoader = u"/lib64/ld-linux-x86-64.so.2"_s;

void put(QByteArray& bytes, int offset, quint64 value, int width, bool bigEndian) {
    for (int i = 0; i < width; ++i) {
        const int shift = 8 * (bigEndian ? width - 1 - i : i);
        bytes[offset + i] = char((value >> shift) & 0xff);
    }
}

// An ELF header with a loading segment and then the loader's segment.
QByteArray elf(bool wide, bool bigEndian, const QByteArray& loader) {
    const int headerSize = wide ? 64 : 52;
    const int entrySize = wide ? 56 : 32;
    const int word = wide ? 8 : 4;
    const int nameAt = headerSize + 2 * entrySize;
    QByteArray bytes(nameAt, '\0');
    bytes.replace(0, 4,
                  "\x7f"
                  "ELF");
    bytes[4] = char(wide ? 2 : 1);
    bytes[5] = char(bigEndian ? 2 : 1);
    put(bytes, wide ? 32 : 28, quint64(headerSize), word, bigEndian);
    put(bytes, wide ? 54 : 42, quint64(entrySize), 2, bigEndian);
    put(bytes, wide ? 56 : 44, 2, 2, bigEndian);
    const int second = headerSize + entrySize;
    put(bytes, headerSize, 1, 4, bigEndian); // PT_LOAD
    put(bytes, second, 3, 4, bigEndian);     // PT_INTERP
    put(bytes, second + (wide ? 8 : 4), quint64(nameAt), word, bigEndian);
    put(bytes, second + (wide ? 32 : 16), quint64(loader.size() + 1), word, bigEndian);
    return bytes + loader + '\0';
}

ProgramFile file(const QByteArray& head, bool executable = false) {
    return ProgramFile{true, true, executable, head};
}

} // namespace

void TestProgramStart::decisions_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<ProgramFile>("facts");
    QTest::addColumn<int>("refusal");
    QTest::addColumn<QStringList>("started"); // program, then its arguments

    const QString setup = u"/disc/setup"_s;
    const QString script = u"/disc/install.sh"_s;
    const QByteArray program = elf(true, false, "/lib/ld-musl-x86_64.so.1");
    QTest::newRow("executable as it is")
        << setup << file(program, true) << int(Reason::None) << QStringList{setup, u"-q"_s};
    QTest::newRow("program through its loader")
        << setup << file(program) << int(Reason::None)
        << QStringList{u"/lib/ld-musl-x86_64.so.1"_s, setup, u"-q"_s};
    QTest::newRow("program naming no loader")
        << setup
        << file("\x7f"
                "ELF")
        << int(Reason::None) << QStringList{kUsualLoader, setup, u"-q"_s};
    QTest::newRow("script through its #! line, DOS line end")
        << script << file("#!/bin/bash -e\r\necho") << int(Reason::None)
        << QStringList{u"/bin/bash"_s, u"-e"_s, script, u"-q"_s};
    QTest::newRow("script through env")
        << u"/disc/tool"_s << file("#! /usr/bin/env python3\n") << int(Reason::None)
        << QStringList{u"/usr/bin/env"_s, u"python3"_s, u"/disc/tool"_s, u"-q"_s};
    QTest::newRow("empty #! line through sh") << script << file("#!\n") << int(Reason::None)
                                              << QStringList{u"/bin/sh"_s, script, u"-q"_s};
    QTest::newRow(".sh without #! through sh")
        << u"/disc/SETUP.SH"_s << file("echo hi\n") << int(Reason::None)
        << QStringList{u"/bin/sh"_s, u"/disc/SETUP.SH"_s, u"-q"_s};
    for (const QString& name : {u"SETUP.EXE"_s, u"run.bat"_s, u"x.Cmd"_s, u"a.com"_s, u"p.msi"_s})
        QTest::addRow("Windows %s", qPrintable(name))
            << u"/disc/"_s + name << file("MZ", true) << int(Reason::WindowsProgram)
            << QStringList();
    QTest::newRow("missing Windows program says Windows")
        << u"/disc/gone.exe"_s << ProgramFile{} << int(Reason::WindowsProgram) << QStringList();
    QTest::newRow("missing") << setup << ProgramFile{} << int(Reason::NotFound) << QStringList();
    QTest::newRow("empty command")
        << QString() << ProgramFile{} << int(Reason::NotFound) << QStringList();
    QTest::newRow("folder") << setup << ProgramFile{true, false, true, {}}
                            << int(Reason::NotAProgram) << QStringList();
    QTest::newRow("document") << u"/disc/readme.txt"_s << file("hello") << int(Reason::NotAProgram)
                              << QStringList();
}

void TestProgramStart::decisions() {
#ifdef Q_OS_WIN
    QSKIP("Windows starts every command as it is");
#endif
    QFETCH(QString, program);
    QFETCH(ProgramFile, facts);
    QFETCH(int, refusal);
    QFETCH(QStringList, started);
    const ProgramCommand command{program, {u"-q"_s}, u"/disc/app"_s};
    const ProgramStart start = ProgramStart::decide(command, facts);
    QCOMPARE(int(start.refusal), refusal);
    if (refusal != int(Reason::None))
        return;
    QCOMPARE(QStringList{start.program} + start.arguments, started);
    QCOMPARE(start.workingFolder, u"/disc/app"_s);
}

void TestProgramStart::loaderFromTheElfHeaders_data() {
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QString>("loader");
    QTest::newRow("64-bit") << elf(true, false, "/lib64/ld-linux-x86-64.so.2") << kUsualLoader;
    QTest::newRow("32-bit") << elf(false, false, "/lib/ld-linux.so.2") << u"/lib/ld-linux.so.2"_s;
    QTest::newRow("big-endian") << elf(true, true, "/lib64/ld64.so.1") << u"/lib64/ld64.so.1"_s;
    QTest::newRow("headers cut short") << elf(true, false, "/lib/x").left(100) << kUsualLoader;
    QByteArray hostile = elf(true, false, "/lib/x");
    put(hostile, 64 + 56 + 8, ~quint64(0) - 4, 8, false); // name far past the end
    QTest::newRow("name out of reach") << hostile << kUsualLoader;
    QTest::newRow("relative name") << elf(true, false, "ld.so") << kUsualLoader;
    QTest::newRow("no ELF") << QByteArray("#!/bin/sh") << kUsualLoader;
}

void TestProgramStart::loaderFromTheElfHeaders() {
    QFETCH(QByteArray, head);
    QFETCH(QString, loader);
    QCOMPARE(elfLoaderOf(head), loader);
}

void TestProgramStart::inspectReadsTheFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"setup.sh"_s);
    QFile script(path);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho\n");
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
    ProgramFile facts = ProgramFile::inspect(path);
    QVERIFY(facts.exists && facts.isFile && !facts.executable);
    QCOMPARE(facts.head, QByteArray("#!/bin/sh\necho\n"));
    QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
    QVERIFY(ProgramFile::inspect(path).executable);
    facts = ProgramFile::inspect(dir.path());
    QVERIFY(facts.exists && !facts.isFile && !facts.executable);
    facts = ProgramFile::inspect(dir.filePath(u"gone"_s));
    QVERIFY(!facts.exists && !facts.isFile && facts.head.isEmpty());
}

QTEST_MAIN(TestProgramStart)
#include "test_programstart.moc"
