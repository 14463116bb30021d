#include "mcisound.h"

#include "configpath.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

int MciSound::sendCommand(const QString& text) {
    int error = Ok;
    const MciCommand command = MciCommand::parse(text, &error);
    if (error != Ok)
        return error;
    if (command.verb == MciCommand::Verb::Open)
        return openDevice(command);
    if (command.verb == MciCommand::Verb::Close && command.alias == u"all") {
        const QSet<QString> open = std::exchange(m_open, {});
        for (const QString& alias : open)
            close(alias);
        return Ok;
    }
    if (!m_open.contains(command.alias))
        return InvalidDeviceName;
    switch (command.verb) {
    case MciCommand::Verb::Play:
        play(command.alias);
        break;
    case MciCommand::Verb::Stop:
        stop(command.alias);
        break;
    case MciCommand::Verb::Close:
        m_open.remove(command.alias);
        close(command.alias);
        break;
    case MciCommand::Verb::Open:
        break;
    }
    return Ok;
}

bool MciSound::isOpen(const QString& alias) const {
    return m_open.contains(alias.toLower());
}

int MciSound::openDevice(const MciCommand& command) {
    if (command.deviceType != u"waveaudio")
        return InvalidDeviceName;
    if (m_open.contains(command.alias))
        return DuplicateAlias;
    const QString path = paths::resolve(command.file, QDir::currentPath());
    if (!QFileInfo(path).isFile())
        return FileNotFound;
    const int result = openWave(command.alias, path);
    if (result == Ok)
        m_open.insert(command.alias);
    return result;
}
