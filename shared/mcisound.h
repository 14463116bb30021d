#pragma once

#include "mcicommand.h"
#include "sound.h"

#include <QSet>

// The part of an MCI sound device that does not depend on how sound is made:
// parsing, the table of open aliases and the error numbers. Wave files are
// looked up in the current folder ("\" and letter case forgiven).
class MciSound : public Sound {
public:
    int sendCommand(const QString& command) override;

    bool isOpen(const QString& alias) const;

protected:
    // Called with a valid, not yet open alias and an existing file.
    virtual int openWave(const QString& alias, const QString& path) = 0;
    virtual void play(const QString& alias) = 0;
    virtual void stop(const QString& alias) = 0;
    virtual void close(const QString& alias) = 0;

private:
    int openDevice(const MciCommand& command);

    QSet<QString> m_open;
};
