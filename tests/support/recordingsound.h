#pragma once

#include "mcisound.h"

#include <QStringList>

// Records every MCI command string in order and answers as a real device
// would (unknown alias, duplicate alias, missing file), without making a sound.
// The wave file of an "open" must exist, relative to the current folder.
class RecordingSound : public MciSound {
public:
    int sendCommand(const QString& command) override;

    const QStringList& commands() const { return m_commands; }
    const QList<int>& results() const { return m_results; }
    // What the device did, in order: "open <alias> <path>", "play <alias>", ...
    const QStringList& actions() const { return m_actions; }
    bool isPlaying(const QString& alias) const { return m_playing.contains(alias.toLower()); }

protected:
    int openWave(const QString& alias, const QString& path) override;
    void play(const QString& alias) override;
    void stop(const QString& alias) override;
    void close(const QString& alias) override;

private:
    QStringList m_commands;
    QList<int> m_results;
    QStringList m_actions;
    QStringList m_playing;
};
