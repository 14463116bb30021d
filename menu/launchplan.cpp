#include "launchplan.h"

#include "configvalues.h"

#include <QStringList>

namespace {

constexpr QStringView kInternet = u"[INTERNET]";
constexpr QStringView kDocument = u"[ASS]";
constexpr QStringView kUnzip = u"[UNZIP]";

QString prefixed(const QString& folder, const QString& name) {
    return configvalue::isUnset(folder) ? name : folder + name;
}

LaunchPlan unzipPlan(const QString& argument, const QString& folder, const QString& homeFolder) {
    LaunchPlan plan;
    plan.kind = LaunchPlan::Kind::Unzip;
    const QString zip = argument.trimmed();
    plan.zipFName = prefixed(folder, zip);
    plan.extractRoot = extractionRootFor(zip, homeFolder);
    return plan;
}

} // namespace

LaunchPlan planInstall(const QString& installCommand, const QString& folder,
                       const QString& homeFolder) {
    LaunchPlan plan;
    if (installCommand.startsWith(kInternet)) {
        plan.kind = LaunchPlan::Kind::Address;
        plan.target = installCommand.mid(kInternet.size());
    } else if (installCommand.startsWith(kDocument)) {
        plan.kind = LaunchPlan::Kind::Document;
        plan.target = prefixed(folder, installCommand.mid(kDocument.size()));
    } else if (installCommand.startsWith(kUnzip)) {
        plan = unzipPlan(installCommand.mid(kUnzip.size()), folder, homeFolder);
    } else {
        plan.kind = LaunchPlan::Kind::Program;
        plan.target = installCommand;
        plan.folder = folder;
    }
    return plan;
}

LaunchPlan planExtra(const QString& extraCommand, const QString& homeFolder) {
    LaunchPlan plan;
    if (extraCommand.startsWith(kDocument)) {
        plan.kind = LaunchPlan::Kind::Document;
        plan.target = extraCommand.mid(kDocument.size());
    } else if (extraCommand.startsWith(kUnzip)) {
        plan = unzipPlan(extraCommand.mid(kUnzip.size()), QString(), homeFolder);
    } else if (extraCommand.startsWith(kInternet)) {
        plan.kind = LaunchPlan::Kind::Address;
        plan.target = extraCommand.mid(kInternet.size());
    } else {
        plan.kind = LaunchPlan::Kind::Program;
        plan.target = extraCommand;
    }
    return plan;
}

QString extractionRootFor(const QString& zipArgument, const QString& homeFolder) {
    const QString stem = zipArgument.size() > 4 ? zipArgument.chopped(4) : zipArgument;
#ifdef Q_OS_WIN
    Q_UNUSED(homeFolder);
    return QStringLiteral("C:\\") + stem + u'\\';
#else
    // The proposal stays below the home folder: "..", "." and empty parts of
    // the archive's path are left out.
    QStringList parts;
    for (const QString& part : QString(stem).replace(u'\\', u'/').split(u'/')) {
        if (!part.isEmpty() && part != u"." && part != u"..")
            parts.append(part);
    }
    QString root = homeFolder;
    if (!root.endsWith(u'/'))
        root += u'/';
    return parts.isEmpty() ? root : root + parts.join(u'/') + u'/';
#endif
}
