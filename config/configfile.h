#pragma once

#include "codepage.h"
#include "layoutsettings.h"

#include <QList>
#include <QString>
#include <QStringList>

// One application of the disc. Every field is text as it stands in the file;
// "NO" keeps its meaning of "not set" (see configvalues.h).
struct AppEntry {
    QString name;           // [NOME]
    QString description;    // [DESC]
    QString picture;        // [IMGN]
    QString installCaption; // [INSC]
    QString installCommand; // [COMM]
    QString folder;         // [ESAM]
    QString extraCaption;   // [EXTN]
    QString extraCommand;   // [EXTR]
    QString category;       // [CATN], only written when categories are on
    friend bool operator==(const AppEntry&, const AppEntry&) = default;
};

// The whole of config.ini.
struct ConfigFile {
    QString title;                       // [TITL]
    QString windowIcon;                  // [ICON]
    QString installButtonPicture;        // [IC1a]
    QString installButtonPressedPicture; // [IC1b]
    QString extraButtonPicture;          // [IC2a]
    QString extraButtonPressedPicture;   // [IC2b]
    QString introText;                   // [INTR]
    QString aboutText;                   // [ABOU]
    // Newer settings, empty when the file does not set them.
    QString language; // [LING]: the menu's language, "IT" or "EN"
    QString codePage; // [CODP] as read; the writer names `encoding` there when needed

    CodePage encoding = CodePage::Windows1252; // what the file was read in and is written in

    bool categoriesEnabled = false; // [CATE]SI
    QStringList categories;         // [CATG], in file order, duplicates kept
    QList<AppEntry> apps;
    LayoutSettings layout;

    friend bool operator==(const ConfigFile&, const ConfigFile&) = default;
};

// The general setting that a tag sets (the newer [LING] and [CODP] included),
// or nullptr for the other tags.
QString* generalSetting(ConfigFile& config, ConfigTag tag);
const QString* generalSetting(const ConfigFile& config, ConfigTag tag);
// The field of an application that a tag fills, or nullptr for the other tags.
QString* appField(AppEntry& app, ConfigTag tag);
const QString* appField(const AppEntry& app, ConfigTag tag);
