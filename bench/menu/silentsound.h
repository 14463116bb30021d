#pragma once

#include "sound.h"

// No sound during the benchmark: every command succeeds and does nothing.
class SilentSound : public Sound {
public:
    int sendCommand(const QString&) override { return Ok; }
};
