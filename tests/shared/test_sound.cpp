#include "mcicommand.h"
#include "qtsound.h"
#include "recordingsound.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <memory>

using namespace Qt::StringLiterals;

// The start-up sound speaks MCI command strings; the menu sends
// "stop", "close", "open ... alias sound", "play" at start and "stop",
// "close" when its main window goes.
class TestSound : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void parsesTheMenusCommands();
    void parsesCaseAndQuotes();
    void aliasDefaultsToTheFile();
    void parseErrors_data();
    void parseErrors();

    void menuStartSequence();
    void closedAliasIsUnknown();
    void duplicateAliasRefused();
    void missingFileIsAnErrorNotANoise();
    void fileFoundInAnyCase();
    void onlyWaveAudioDevices();
    void closeAllClosesEverything();

    void qtSoundPlaysWithoutWaiting();
    void qtSoundMissingFile();

private:
    void writeWave(const QString& name);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousFolder;
};

void TestSound::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_previousFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

void TestSound::cleanup() {
    QDir::setCurrent(m_previousFolder);
    m_dir.reset();
}

// A tenth of a second of 8 kHz 16-bit mono silence.
void TestSound::writeWave(const QString& name) {
    const quint32 samples = 800;
    const quint32 dataSize = samples * 2;
    QByteArray bytes;
    auto u32 = [&bytes](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        bytes.append(b, 4);
    };
    auto u16 = [&bytes](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        bytes.append(b, 2);
    };
    bytes.append("RIFF");
    u32(36 + dataSize);
    bytes.append("WAVEfmt ");
    u32(16);
    u16(1); // PCM
    u16(1);
    u32(8000);
    u32(16000);
    u16(2);
    u16(16);
    bytes.append("data");
    u32(dataSize);
    bytes.append(QByteArray(int(dataSize), '\0'));
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void TestSound::parsesTheMenusCommands() {
    int error = -1;
    const MciCommand open = MciCommand::parse(u"open waveaudio!sound.wav alias sound"_s, &error);
    QCOMPARE(error, 0);
    QCOMPARE(open.verb, MciCommand::Verb::Open);
    QCOMPARE(open.deviceType, u"waveaudio"_s);
    QCOMPARE(open.file, u"sound.wav"_s);
    QCOMPARE(open.alias, u"sound"_s);

    for (const auto& [text, verb] : {std::pair{u"play sound"_s, MciCommand::Verb::Play},
                                     std::pair{u"stop sound"_s, MciCommand::Verb::Stop},
                                     std::pair{u"close sound"_s, MciCommand::Verb::Close}}) {
        const MciCommand command = MciCommand::parse(text, &error);
        QCOMPARE(error, 0);
        QCOMPARE(command.verb, verb);
        QCOMPARE(command.alias, u"sound"_s);
    }
}

void TestSound::parsesCaseAndQuotes() {
    int error = -1;
    const MciCommand open =
        MciCommand::parse(u"  OPEN WaveAudio!\"My Music\\Start Up.wav\"  ALIAS Jingle "_s, &error);
    QCOMPARE(error, 0);
    QCOMPARE(open.deviceType, u"waveaudio"_s);
    QCOMPARE(open.file, u"My Music\\Start Up.wav"_s);
    QCOMPARE(open.alias, u"jingle"_s);
    QCOMPARE(MciCommand::parse(u"Play JINGLE"_s, &error).alias, u"jingle"_s);
}

void TestSound::aliasDefaultsToTheFile() {
    int error = -1;
    QCOMPARE(MciCommand::parse(u"open waveaudio!Ding.WAV"_s, &error).alias, u"ding.wav"_s);
    QCOMPARE(error, 0);
}

void TestSound::parseErrors_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("error");
    QTest::newRow("empty") << QString() << int(Sound::MissingCommandString);
    QTest::newRow("blanks") << u"   "_s << int(Sound::MissingCommandString);
    QTest::newRow("unknown verb") << u"pause sound"_s << int(Sound::UnrecognizedCommand);
    QTest::newRow("play nothing") << u"play"_s << int(Sound::MissingParameter);
    QTest::newRow("open no file") << u"open waveaudio alias sound"_s
                                  << int(Sound::MissingParameter);
    QTest::newRow("open empty file")
        << u"open waveaudio! alias sound"_s << int(Sound::MissingParameter);
    QTest::newRow("alias without name")
        << u"open waveaudio!a.wav alias"_s << int(Sound::MissingParameter);
    QTest::newRow("extra word on open")
        << u"open waveaudio!a.wav type x"_s << int(Sound::UnrecognizedKeyword);
    QTest::newRow("play wait") << u"play sound wait"_s << int(Sound::UnrecognizedKeyword);
}

void TestSound::parseErrors() {
    QFETCH(QString, text);
    QFETCH(int, error);
    int actual = -1;
    MciCommand::parse(text, &actual);
    QCOMPARE(actual, error);
    RecordingSound sound;
    QCOMPARE(sound.sendCommand(text), error);
    QVERIFY(sound.actions().isEmpty());
}

void TestSound::menuStartSequence() {
    writeWave(u"sound.wav"_s);
    RecordingSound sound;
    // Before anything is open the release commands fail, as they do on the
    // platform, and change nothing.
    QCOMPARE(sound.sendCommand(u"stop sound"_s), int(Sound::InvalidDeviceName));
    QCOMPARE(sound.sendCommand(u"close sound"_s), int(Sound::InvalidDeviceName));
    QCOMPARE(sound.sendCommand(u"open waveaudio!sound.wav alias sound"_s), 0);
    QCOMPARE(sound.sendCommand(u"play sound"_s), 0);
    QVERIFY(sound.isPlaying(u"sound"_s));
    // The main window closing.
    QCOMPARE(sound.sendCommand(u"stop sound"_s), 0);
    QCOMPARE(sound.sendCommand(u"close sound"_s), 0);
    QVERIFY(!sound.isOpen(u"sound"_s));

    const QString wave = QDir(QDir::currentPath()).filePath(u"sound.wav"_s);
    QCOMPARE(sound.actions(), (QStringList{u"open sound "_s + wave, u"play sound"_s,
                                           u"stop sound"_s, u"close sound"_s}));
    QCOMPARE(sound.commands().size(), 6);
}

void TestSound::closedAliasIsUnknown() {
    writeWave(u"sound.wav"_s);
    RecordingSound sound;
    QCOMPARE(sound.sendCommand(u"open waveaudio!sound.wav alias sound"_s), 0);
    QCOMPARE(sound.sendCommand(u"close sound"_s), 0);
    QCOMPARE(sound.sendCommand(u"play sound"_s), int(Sound::InvalidDeviceName));
    QCOMPARE(sound.sendCommand(u"close sound"_s), int(Sound::InvalidDeviceName));
    // And it can be opened again.
    QCOMPARE(sound.sendCommand(u"open waveaudio!sound.wav alias sound"_s), 0);
}

void TestSound::duplicateAliasRefused() {
    writeWave(u"sound.wav"_s);
    RecordingSound sound;
    QCOMPARE(sound.sendCommand(u"open waveaudio!sound.wav alias sound"_s), 0);
    QCOMPARE(sound.sendCommand(u"open waveaudio!sound.wav alias SOUND"_s),
             int(Sound::DuplicateAlias));
    QCOMPARE(sound.actions().size(), 1);
}

void TestSound::missingFileIsAnErrorNotANoise() {
    RecordingSound sound;
    QCOMPARE(sound.sendCommand(u"open waveaudio!sound.wav alias sound"_s),
             int(Sound::FileNotFound));
    QCOMPARE(sound.sendCommand(u"play sound"_s), int(Sound::InvalidDeviceName));
    QVERIFY(sound.actions().isEmpty());
}

void TestSound::fileFoundInAnyCase() {
    writeWave(u"SOUND.WAV"_s);
    QDir().mkdir(u"Media"_s);
    writeWave(u"Media/Jingle.wav"_s);
    RecordingSound sound;
    QCOMPARE(sound.sendCommand(u"open waveaudio!sound.wav alias sound"_s), 0);
    QCOMPARE(sound.sendCommand(u"open waveaudio!media\\jingle.wav alias j"_s), 0);
    const QDir here(QDir::currentPath());
    QCOMPARE(sound.actions(), (QStringList{u"open sound "_s + here.filePath(u"SOUND.WAV"_s),
                                           u"open j "_s + here.filePath(u"Media/Jingle.wav"_s)}));
}

void TestSound::onlyWaveAudioDevices() {
    writeWave(u"song.mid"_s);
    RecordingSound sound;
    QCOMPARE(sound.sendCommand(u"open sequencer!song.mid alias song"_s),
             int(Sound::InvalidDeviceName));
}

void TestSound::closeAllClosesEverything() {
    writeWave(u"a.wav"_s);
    writeWave(u"b.wav"_s);
    RecordingSound sound;
    QCOMPARE(sound.sendCommand(u"open waveaudio!a.wav alias a"_s), 0);
    QCOMPARE(sound.sendCommand(u"open waveaudio!b.wav alias b"_s), 0);
    QCOMPARE(sound.sendCommand(u"close all"_s), 0);
    QVERIFY(!sound.isOpen(u"a"_s));
    QVERIFY(!sound.isOpen(u"b"_s));
    QCOMPARE(sound.sendCommand(u"close all"_s), 0);
}

void TestSound::qtSoundPlaysWithoutWaiting() {
    // Whether or not this machine has an audio output, the commands succeed
    // and return at once.
    writeWave(u"sound.wav"_s);
    QtSound sound;
    QCOMPARE(sound.sendCommand(u"stop sound"_s), int(Sound::InvalidDeviceName));
    QCOMPARE(sound.sendCommand(u"open waveaudio!sound.wav alias sound"_s), 0);
    QCOMPARE(sound.sendCommand(u"play sound"_s), 0);
    QTest::qWait(50);
    QCOMPARE(sound.sendCommand(u"stop sound"_s), 0);
    QCOMPARE(sound.sendCommand(u"close sound"_s), 0);
    QCOMPARE(sound.sendCommand(u"open waveaudio!sound.wav alias sound"_s), 0);
    QCOMPARE(sound.sendCommand(u"play sound"_s), 0);
    // Destroyed while playing.
}

void TestSound::qtSoundMissingFile() {
    QtSound sound;
    QCOMPARE(sound.sendCommand(u"open waveaudio!sound.wav alias sound"_s),
             int(Sound::FileNotFound));
    QCOMPARE(sound.sendCommand(u"play sound"_s), int(Sound::InvalidDeviceName));
}

QTEST_MAIN(TestSound)
#include "test_sound.moc"
