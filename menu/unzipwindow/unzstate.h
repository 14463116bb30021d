#pragma once

#include "unzengine.h"

#include <QString>

#include <array>
#include <cstdint>

// The state of one extraction, shared by the unzip window and its binding.
// It lives as long as the menu and is not reset when the window closes.
struct UnzState {
    std::int32_t memberCount = 0;  // members counted by UnzListEntry
    double memberTotal = 0;        // denominator of the progress percentage
    double printCount = 0;         // UnzPrint calls in the extraction pass
    double barWidth = 0;           // full width of Shape1, in twips
    bool infoCollapsed = false;    // true while MsgOut is folded away
    std::int16_t reportErrors = 0; // -1: a failed pass is shown to the user
    // Copied into UnzOptions fields 1 to 15; option(n) is field n.
    std::array<std::int16_t, 15> optionValues{};
    QString zipFileName;
    QString extractionDirectory;
    std::int32_t includeCount = 0;
    std::int32_t excludeCount = 0;
    std::array<QString, UnzNameListSize> includeList;
    std::array<QString, UnzNameListSize> excludeList;
    std::int16_t passwordRefused = 0; // 1 once the user gave no password; never reset
    UnzOptions options;
    UnzCallbacks callbacks;
    UnzVersion version;

    // Option values by their number in the option record, 1 to 15.
    std::int16_t& option(int number) {
        return optionValues.at(static_cast<std::size_t>(number - 1));
    }
    std::int16_t option(int number) const {
        return optionValues.at(static_cast<std::size_t>(number - 1));
    }
};

// The option numbers the window sets.
namespace unzoption {
constexpr int promptToOverwrite = 3;
constexpr int listOnly = 7;
constexpr int showComment = 9;
constexpr int recreateFolders = 10;
constexpr int overwriteAll = 11;
} // namespace unzoption
