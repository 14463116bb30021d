#pragma once

#include "unzstate.h"
#include "unztexts.h"

#include <cstdint>

class Prompts;
class UnzView;

// The binding between the unzip window and the zip engine: fills the records
// from UnzState, runs one pass, and answers the engine's callbacks by moving
// the progress bar and asking the user through Prompts.
class VBUnzBas {
public:
    VBUnzBas(UnzState& state, const UnzTexts& texts, Prompts& prompts, UnzView& view);

    // One pass with the current state; afterwards the summary block is
    // appended to MsgOut, and a failure is shown when report errors is on.
    // Returns the engine's result.
    std::int32_t UnzRun();

    // The callbacks, public so that each can be checked on its own.
    std::int32_t UnzPrint(const char* text, std::uint32_t length);
    std::int32_t UnzReplace(const char* fileName);
    std::int32_t UnzPassword(char* buffer, std::int32_t bufferSize, const char* prompt,
                             const char* fileName);
    void UnzListEntry();
    std::int32_t UnzService(const char* text, std::uint32_t length);
    // Moves the bar by bytes during an extraction pass.
    std::int32_t UnzProgress(std::uint64_t bytesDone, std::uint64_t bytesTotal,
                             std::uint64_t membersWritten);

    // Stop asked by the user: the engine stops after removing the member it
    // is writing. Holds until clearStop, so that it covers both passes.
    void requestStop() { stopRequested_ = true; }
    void clearStop() { stopRequested_ = false; }
    bool stopRequested() const { return stopRequested_; }

    // Shape1 back inside Picture1, at width 0.
    void resetBar();

private:
    void fillCallbacks();
    void reportFailure(std::int32_t result);
    void drawPercent(double p);

    UnzState& state_;
    const UnzTexts& texts_;
    Prompts& prompts_;
    UnzView& view_;
    // The percentage last drawn in this pass; the bar and label are redrawn
    // only when it changes, so a large archive is not slowed by painting.
    double shownPercent_ = -1;
    // The engine reports bytes in this pass: the bar follows them, not the
    // output lines, so that it moves within a large member too.
    bool byBytes_ = false;
    std::uint64_t membersWritten_ = 0;
    bool stopRequested_ = false;
};
