#pragma once

#include <QString>

// The start-up sound is driven by MCI command strings, as the menu has always
// sent them: "open waveaudio!sound.wav alias sound", "play sound",
// "stop sound", "close sound". Results follow MCI: 0 for success, an error
// number otherwise. Callers may ignore them; a sound that cannot play is silent.
class Sound {
public:
    enum Result : int {
        Ok = 0,
        UnrecognizedKeyword = 259,
        UnrecognizedCommand = 261,
        InvalidDeviceName = 263, // alias not open, or a device type we do not play
        MissingCommandString = 267,
        MissingParameter = 273,
        FileNotFound = 275,
        DuplicateAlias = 289,
    };

    virtual ~Sound() = default;
    virtual int sendCommand(const QString& command) = 0;
};
