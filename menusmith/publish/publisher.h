#pragma once

#include <finding.h>

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class UiTexts;

// What the author asks Publish for: the project folder made into a disc
// folder, with the menu runtime, and optionally an ISO image of it.
struct PublishRequest {
    QString projectFolder;
    QString targetFolder;
    QString runtimeFolder;          // a gathered menu runtime
    bool ignoreCheckErrors = false; // publish although the disc check finds errors
    bool replaceConfig = false;     // over another config.ini in the target
    QString isoFile;                // empty: no image
};

struct PublishResult {
    bool published = false;
    QString message;           // why not, or what was made
    QList<Finding> findings;   // what the disc check found
    bool needsConsent = false; // refused for check errors or another config.ini
};

// Writes an ISO image with xorriso's arguments; nothing, or why it failed.
using IsoWriter = std::function<std::optional<QString>(const QStringList& arguments)>;
// Hears one line of progress at a time.
using ProgressLine = std::function<void(const QString& line)>;

// True when target holds a config.ini other than projectConfig's, which
// publishing would replace.
bool targetHasOtherConfig(const QString& target, const QString& projectConfig);

// Checks the project, copies it and the runtime into the target, writes the
// disc's start-up files and, when asked, the image (through isoWriter; empty
// when xorriso is not installed). Nothing is copied when a step before the
// copy refuses.
PublishResult publishDisc(const PublishRequest& request, const UiTexts& texts,
                          const ProgressLine& progress, const IsoWriter& isoWriter);

// xorriso's arguments for an image of folder: Rock Ridge for Linux, Joliet
// for Windows, files over 4 GiB allowed.
QStringList xorrisoArguments(const QString& folder, const QString& isoFile,
                             const QString& volumeName);
