#include "configfile.h"

namespace {

template <typename Config, typename Result>
Result* generalSettingOf(Config& config, ConfigTag tag) {
    switch (tag) {
    case ConfigTag::Title:
        return &config.title;
    case ConfigTag::WindowIcon:
        return &config.windowIcon;
    case ConfigTag::InstallButtonPicture:
        return &config.installButtonPicture;
    case ConfigTag::InstallButtonPressedPicture:
        return &config.installButtonPressedPicture;
    case ConfigTag::ExtraButtonPicture:
        return &config.extraButtonPicture;
    case ConfigTag::ExtraButtonPressedPicture:
        return &config.extraButtonPressedPicture;
    case ConfigTag::IntroText:
        return &config.introText;
    case ConfigTag::AboutText:
        return &config.aboutText;
    case ConfigTag::Language:
        return &config.language;
    case ConfigTag::CodePage:
        return &config.codePage;
    default:
        return nullptr;
    }
}

template <typename App, typename Result>
Result* appFieldOf(App& app, ConfigTag tag) {
    switch (tag) {
    case ConfigTag::AppName:
        return &app.name;
    case ConfigTag::AppDescription:
        return &app.description;
    case ConfigTag::AppPicture:
        return &app.picture;
    case ConfigTag::AppInstallCaption:
        return &app.installCaption;
    case ConfigTag::AppInstallCommand:
        return &app.installCommand;
    case ConfigTag::AppFolder:
        return &app.folder;
    case ConfigTag::AppExtraCaption:
        return &app.extraCaption;
    case ConfigTag::AppExtraCommand:
        return &app.extraCommand;
    case ConfigTag::AppCategory:
        return &app.category;
    default:
        return nullptr;
    }
}

} // namespace

QString* generalSetting(ConfigFile& config, ConfigTag tag) {
    return generalSettingOf<ConfigFile, QString>(config, tag);
}

const QString* generalSetting(const ConfigFile& config, ConfigTag tag) {
    return generalSettingOf<const ConfigFile, const QString>(config, tag);
}

QString* appField(AppEntry& app, ConfigTag tag) {
    return appFieldOf<AppEntry, QString>(app, tag);
}

const QString* appField(const AppEntry& app, ConfigTag tag) {
    return appFieldOf<const AppEntry, const QString>(app, tag);
}
