#include "disccheck.h"

#include "commandchecks.h"
#include "disccontext.h"
#include "layoutchecks.h"
#include "linechecks.h"
#include "picturechecks.h"
#include "recordchecks.h"

#include <configpath.h>
#include <configreader.h>
#include <configvalues.h>

#include <QDir>

namespace {

bool isSet(const QString& value) {
    return !value.isEmpty() && !configvalue::isUnset(value);
}

void checkGeneralPictures(DiscContext& context) {
    const ConfigFile& config = context.config();
    for (const ConfigTag tag :
         {ConfigTag::WindowIcon, ConfigTag::InstallButtonPicture,
          ConfigTag::InstallButtonPressedPicture, ConfigTag::ExtraButtonPicture,
          ConfigTag::ExtraButtonPressedPicture}) {
        const QString& path = *generalSetting(config, tag);
        if (isSet(path))
            checkPicture(context, path, {-1, tagText(tag)});
    }
    // [BKGR] knows no "NO": the value is the path, and empty means none. The
    // later line wins.
    QString background;
    for (const LayoutLine& line : config.layout.lines) {
        if (line.key.object == LayoutObjectId::Background)
            background = line.value;
    }
    if (!background.isEmpty())
        checkPicture(context, background, {-1, QStringLiteral("[BKGR]")});
    checkFixedPictures(context);
}

} // namespace

QList<Finding> checkConfigBytes(const QString& folder, QByteArrayView bytes,
                                const DiscCheckOptions& options) {
    const QString discFolder = QDir::cleanPath(QDir(folder).absolutePath());
    const ConfigFile config = parseConfig(bytes);
    const CheckTexts texts(options.language);
    DiscContext context(discFolder, config, texts);

    checkLookAlikeTags(context, bytes);
    checkEncoding(context);
    checkCategoryList(context);
    checkApplicationNames(context);
    const MenuGeometry geometry = menuGeometry(config.layout);
    checkLayout(context, geometry);
    checkGeneralPictures(context);
    const int panelCharacters = textPanelCharacters(geometry);
    for (int i = 0; i < config.apps.size(); ++i) {
        const AppEntry& app = config.apps.at(i);
        checkApplicationCategory(context, i);
        checkDescriptionLength(context, i, panelCharacters);
        if (isSet(app.picture))
            checkPicture(context, app.picture, {i, QStringLiteral("[IMGN]")});
        checkApplicationCommands(context, i);
    }
    if (options.listUnnamedFiles)
        checkUnnamedFiles(context);
    if (options.target)
        checkDiscSize(context, *options.target);
    return context.takeFindings();
}

QList<Finding> checkDisc(const QString& folder, const DiscCheckOptions& options) {
    const QString configPath = paths::findInFolder(folder, QStringLiteral("config.ini"))
                                   .value_or(folder + QStringLiteral("/config.ini"));
    QString reason;
    const std::optional<QByteArray> bytes = readConfigBytes(configPath, &reason);
    if (!bytes) {
        Finding finding;
        finding.code = QStringLiteral("unreadable-config");
        finding.path = QStringLiteral("config.ini");
        finding.message = CheckTexts(options.language).text(finding.code).arg(reason);
        return {finding};
    }
    return checkConfigBytes(folder, *bytes, options);
}
