#pragma once

#include "sound.h"

#include <QString>

// One MCI command string taken apart. Verbs, device types and aliases are
// compared without regard to letter case, as MCI does; a file name with
// spaces is written in double quotes.
//   open waveaudio!<file> [alias <name>]   (the alias defaults to the file)
//   play|stop|close <name>                 ("close all" closes everything)
struct MciCommand {
    enum class Verb { Open, Play, Stop, Close };

    Verb verb = Verb::Open;
    QString deviceType; // "waveaudio", lower case; open only
    QString file;       // open only, as written
    QString alias;      // lower case

    // error is Sound::Ok when text parsed.
    static MciCommand parse(const QString& text, int* error);
};
