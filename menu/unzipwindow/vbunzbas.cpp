#include "vbunzbas.h"

#include "configpath.h"
#include "prompts.h"
#include "unzprogress.h"
#include "unzsummary.h"
#include "unzview.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <exception>

namespace {

// Paths from config.ini are written with "\"; the engine wants the file
// system's own separator and 8-bit names.
QByteArray enginePath(const QString& path) {
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QFile::encodeName(p);
}

// The archive is looked up as the disc's own system would: in any letter
// case, as the menu looks up every file that config.ini names.
QByteArray engineArchivePath(const QString& path) {
    return path.isEmpty() ? QByteArray() : enginePath(paths::resolve(path, QDir::currentPath()));
}

void fillBlanks(char* field, std::size_t blanks) {
    std::memset(field, ' ', blanks);
    field[blanks] = '\0';
}

// The 8-bit form of a name list: empty names become null entries.
struct NameListForm {
    std::array<QByteArray, UnzNameListSize> storage;
    UnzNameList list;

    explicit NameListForm(const std::array<QString, UnzNameListSize>& names) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (!names[i].isEmpty()) {
                storage[i] = QFile::encodeName(names[i]);
                list.names[i] = storage[i].constData();
            }
        }
    }
};

} // namespace

VBUnzBas::VBUnzBas(UnzState& state, const UnzTexts& texts, Prompts& prompts, UnzView& view)
    : state_(state)
    , texts_(texts)
    , prompts_(prompts)
    , view_(view) {}

void VBUnzBas::fillCallbacks() {
    UnzCallbacks& cb = state_.callbacks;
    cb.print = [this](const char* text, std::uint32_t length) { return UnzPrint(text, length); };
    cb.sound = nullptr;
    cb.replace = [this](const char* fileName) { return UnzReplace(fileName); };
    cb.password = [this](char* buffer, std::int32_t size, const char* prompt,
                         const char* fileName) {
        return UnzPassword(buffer, size, prompt, fileName);
    };
    cb.listEntry = [this](std::uint64_t, std::uint64_t, std::int32_t, std::int32_t, std::int32_t,
                          std::int32_t, std::int32_t, std::int32_t, char, const char*, const char*,
                          std::uint32_t, std::int32_t) { UnzListEntry(); };
    cb.service = [this](const char* text, std::uint32_t length) {
        return UnzService(text, length);
    };
    cb.progress = [this](std::uint64_t done, std::uint64_t total, std::uint64_t written) {
        return UnzProgress(done, total, written);
    };
}

std::int32_t VBUnzBas::UnzRun() {
    std::int32_t result = 0;
    try {
        UnzOptions& o = state_.options;
        std::int32_t* const fields[] = {
            &o.extractOnlyNewer, &o.spaceToUnderscore, &o.promptToOverwrite, &o.quietLevel,
            &o.writeToStdout,    &o.testArchive,       &o.listOnly,          &o.updateMode,
            &o.showComment,      &o.recreateFolders,   &o.overwriteAll,      &o.translateLineEnds,
            &o.verbose,          &o.caseInsensitive,   &o.restorePrivileges};
        static_assert(std::size(fields) == std::tuple_size_v<decltype(state_.optionValues)>);
        for (std::size_t i = 0; i < std::size(fields); ++i) {
            *fields[i] = std::int32_t{state_.optionValues[i]};
        }
        const QByteArray zipName = engineArchivePath(state_.zipFileName);
        const QByteArray extractDir = enginePath(state_.extractionDirectory);

        fillCallbacks();

        state_.version = UnzVersion{};
        state_.version.structLength = sizeof(UnzVersion);
        fillBlanks(state_.version.betaLevel, 9);
        fillBlanks(state_.version.date, 19);
        fillBlanks(state_.version.zlibVersion, 9);
        UzpVersion2(&state_.version);

        const NameListForm include(state_.includeList);
        const NameListForm exclude(state_.excludeList);
        o.zipFileName = zipName.constData();
        o.extractionDirectory = extractDir.constData();
        shownPercent_ = -1;
        byBytes_ = false;
        membersWritten_ = 0;
        result = Wiz_SingleEntryUnzip(state_.includeCount, &include.list, state_.excludeCount,
                                      &exclude.list, &o, &state_.callbacks);
        // The 8-bit forms go away with this scope.
        o.zipFileName = nullptr;
        o.extractionDirectory = nullptr;
    } catch (const std::exception&) {
        // The pass could not run: no error box, no summary.
        state_.options.zipFileName = nullptr;
        state_.options.extractionDirectory = nullptr;
        return UnzBadArguments;
    }

    // A stop the user asked for is no error to be told about.
    const bool stopped = result == UnzCancelled && stopRequested_;
    const bool failed = state_.reportErrors == -1 && result != 0 && !stopped;
    if (failed) {
        reportFailure(result);
    }
    QString output =
        view_.outputText() + unzSummaryBlock(texts_, state_.callbacks) + QStringLiteral("\r\n");
    // What the code in the error box means, in the program's language.
    if (failed && !texts_.resultLine(result).isEmpty()) {
        output += texts_.resultLine(result) + QStringLiteral("\r\n");
    }
    if (stopped && state_.option(unzoption::listOnly) == 0) {
        output += texts_.stoppedLine.arg(membersWritten_) + QStringLiteral("\r\n");
    }
    view_.setOutputText(output);
    return result;
}

void VBUnzBas::reportFailure(std::int32_t result) {
    view_.hideWindow();
    prompts_.messageBox(texts_.errorBefore + QString::number(result) + texts_.errorAfter, QString(),
                        Prompts::Buttons::Ok, Prompts::Icon::None, Prompts::Answer::Ok);
    view_.showWindow();
    view_.setWindowHeight(unzheight::collapsed);
    view_.setProgressShown(false);
    state_.infoCollapsed = true;
    resetBar();
}

void VBUnzBas::resetBar() {
    view_.setBarGeometry(50, 50, view_.barFrameWidth() - 150, view_.barFrameHeight() - 150);
    view_.setBarWidth(0);
    view_.redrawBar();
}

std::int32_t VBUnzBas::UnzPrint(const char*, std::uint32_t) {
    if (state_.option(unzoption::listOnly) != 0) {
        return 0;
    }
    state_.printCount += 1;
    if (!byBytes_) {
        drawPercent(unzProgressPercent(state_.printCount, state_.memberTotal));
    }
    view_.serveEvents();
    return 0;
}

std::int32_t VBUnzBas::UnzProgress(std::uint64_t bytesDone, std::uint64_t bytesTotal,
                                   std::uint64_t membersWritten) {
    membersWritten_ = membersWritten;
    if (state_.option(unzoption::listOnly) == 0 && bytesTotal > 0) {
        byBytes_ = true;
        drawPercent(std::nearbyint(static_cast<double>(bytesDone) * 100.0 /
                                   static_cast<double>(bytesTotal)));
    }
    view_.serveEvents();
    return stopRequested_ ? 1 : 0;
}

void VBUnzBas::drawPercent(double p) {
    const bool full = p >= 100;
    if (p == shownPercent_ || (full && shownPercent_ >= 100)) {
        return;
    }
    shownPercent_ = p;
    if (full) {
        view_.setBarWidth(state_.barWidth);
        view_.setPercentText(QStringLiteral("100"));
    } else {
        const float width = static_cast<float>(state_.barWidth) / 100.0f * static_cast<float>(p);
        view_.setBarWidth(width);
        view_.setPercentText(QString::number(static_cast<int>(p)));
    }
    view_.redrawBar();
}

std::int32_t VBUnzBas::UnzReplace(const char* fileName) {
    const QString name =
        QFile::decodeName(QByteArray(fileName != nullptr ? fileName : "")).left(256);
    view_.hideWindow();
    const Prompts::Answer answer = prompts_.messageBox(
        texts_.replacePromptBefore + name + QStringLiteral("?"), texts_.replacePromptTitle,
        Prompts::Buttons::YesNoCancel, Prompts::Icon::None, Prompts::Answer::Yes);
    view_.showWindow();
    switch (answer) {
    case Prompts::Answer::Yes:
        return UnzReplaceYes;
    case Prompts::Answer::No:
        return UnzReplaceNo;
    default:
        return UnzReplaceNoAll;
    }
}

std::int32_t VBUnzBas::UnzPassword(char* buffer, std::int32_t bufferSize, const char*,
                                   const char*) {
    if (state_.passwordRefused == 1) {
        return UnzPasswordNone;
    }
    const std::optional<QString> answer =
        prompts_.passwordBox(QStringLiteral("Please Enter The Password!"), QString());
    if (!answer || answer->isEmpty()) {
        state_.passwordRefused = 1;
        return UnzPasswordNone;
    }
    if (buffer == nullptr || bufferSize <= 0) {
        return UnzPasswordNone;
    }
    const auto size = static_cast<std::size_t>(bufferSize);
    std::memset(buffer, 0, size);
    // An answer longer than the buffer is cut; the last byte stays zero.
    const QByteArray bytes = answer->toLocal8Bit();
    std::memcpy(buffer, bytes.constData(),
                std::min(static_cast<std::size_t>(bytes.size()), size - 1));
    return UnzPasswordGiven;
}

void VBUnzBas::UnzListEntry() {
    state_.memberCount += 1;
}

std::int32_t VBUnzBas::UnzService(const char*, std::uint32_t) {
    view_.serveEvents();
    return stopRequested_ ? 1 : 0;
}
