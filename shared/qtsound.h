#pragma once

#include "mcisound.h"

#include <QHash>
#include <QSoundEffect>

#include <memory>

// MCI wave audio on QSoundEffect: plays in the background and never waits.
// Without an audio output the effect stays silent and the commands still
// succeed, as a menu on a machine without sound must go on.
class QtSound : public MciSound {
public:
    QtSound();
    ~QtSound() override;

protected:
    int openWave(const QString& alias, const QString& path) override;
    void play(const QString& alias) override;
    void stop(const QString& alias) override;
    void close(const QString& alias) override;

private:
    QHash<QString, std::shared_ptr<QSoundEffect>> m_effects;
};
