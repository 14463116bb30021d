#include "recordingsound.h"

int RecordingSound::sendCommand(const QString& command) {
    m_commands << command;
    const int result = MciSound::sendCommand(command);
    m_results << result;
    return result;
}

int RecordingSound::openWave(const QString& alias, const QString& path) {
    m_actions << u"open " + alias + u' ' + path;
    return Ok;
}

void RecordingSound::play(const QString& alias) {
    m_actions << u"play " + alias;
    if (!m_playing.contains(alias))
        m_playing << alias;
}

void RecordingSound::stop(const QString& alias) {
    m_actions << u"stop " + alias;
    m_playing.removeAll(alias);
}

void RecordingSound::close(const QString& alias) {
    m_actions << u"close " + alias;
    m_playing.removeAll(alias);
}
