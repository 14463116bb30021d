#include "publisher.h"

#include "disccopy.h"
#include "discfiles.h"
#include "runtimelocation.h"
#include "uitexts.h"

#include <checkreport.h>
#include <checktexts.h>
#include <configpath.h>
#include <configreader.h>
#include <disccheck.h>

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

bool isWithin(const QString& path, const QString& folder) {
    const QString inner = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QString outer = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    return inner == outer || inner.startsWith(outer + u'/');
}

QString native(const QString& path) {
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

bool hasErrors(const QList<Finding>& findings) {
    return std::any_of(findings.cbegin(), findings.cend(), [](const Finding& finding) {
        return finding.severity == Finding::Severity::Error;
    });
}

} // namespace

bool targetHasOtherConfig(const QString& target, const QString& projectConfig) {
    const auto existing = paths::findInFolder(target, u"config.ini"_s);
    if (!existing)
        return false;
    return readConfigBytes(*existing) != readConfigBytes(projectConfig);
}

QStringList xorrisoArguments(const QString& folder, const QString& isoFile,
                             const QString& volumeName) {
    return {u"-as"_s,          u"mkisofs"_s, u"-iso-level"_s, u"3"_s,  u"-R"_s, u"-J"_s,
            u"-joliet-long"_s, u"-V"_s,      volumeName,      u"-o"_s, isoFile, folder};
}

PublishResult publishDisc(const PublishRequest& request, const UiTexts& texts,
                          const ProgressLine& progress, const IsoWriter& isoWriter) {
    PublishResult result;
    const auto refuse = [&](const QString& key, const QString& argument = {}) {
        result.message = argument.isNull() ? texts.text(key) : texts.text(key).arg(argument);
        return result;
    };
    const QString project = QDir::cleanPath(QFileInfo(request.projectFolder).absoluteFilePath());
    const QString target = QDir::cleanPath(QFileInfo(request.targetFolder).absoluteFilePath());
    const auto projectConfig = paths::findInFolder(project, u"config.ini"_s);
    if (!projectConfig)
        return refuse(u"pubNoConfig"_s, native(project));
    if (isWithin(target, project) || isWithin(project, target))
        return refuse(u"pubTargetOverlaps"_s, native(target));
    if (!isRuntime(request.runtimeFolder))
        return refuse(u"pubNoRuntime"_s, native(request.runtimeFolder));
    if (!request.isoFile.isEmpty() && !isoWriter)
        return refuse(u"pubNoXorriso"_s);
    if (!request.isoFile.isEmpty() && isWithin(request.isoFile, target))
        return refuse(u"pubIsoInside"_s, native(request.isoFile));

    DiscCheckOptions options;
    options.language = texts.language();
    result.findings = checkDisc(project, options);
    if (!result.findings.isEmpty()) {
        const QString report = formatTextReport(result.findings, CheckTexts(options.language));
        for (const QString& line : report.trimmed().split(u'\n'))
            progress(line);
    }
    result.needsConsent = true;
    if (hasErrors(result.findings) && !request.ignoreCheckErrors)
        return refuse(u"pubCheckErrors"_s);
    if (!QDir().mkpath(target))
        return refuse(u"pubCannotMake"_s, native(target));
    if (targetHasOtherConfig(target, *projectConfig) && !request.replaceConfig)
        return refuse(u"pubOtherConfig"_s, native(target));
    result.needsConsent = false;

    const ConfigReadResult config = readConfig(*projectConfig);
    if (!config.config)
        return refuse(u"pubCopyFailed"_s, config.errorMessage);
    const auto say = [&](const QString& key) {
        return [&, key](int percent) { progress(texts.text(key).arg(percent)); };
    };
    if (const auto error = copyFolder(project, target, say(u"pubCopyingProject"_s)))
        return refuse(u"pubCopyFailed"_s, *error);
    // A runtime of an earlier Publish goes whole: no stale library may stay.
    const QString runtimeCopy = QDir(target).filePath(discfiles::runtimeFolderName);
    QDir(runtimeCopy).removeRecursively();
    if (const auto error =
            copyFolder(request.runtimeFolder, runtimeCopy, say(u"pubCopyingRuntime"_s)))
        return refuse(u"pubCopyFailed"_s, *error);
    QStringList kept;
    if (const auto error = discfiles::writeDiscFiles(target, *config.config, project, &kept))
        return refuse(u"pubCopyFailed"_s, *error);
    for (const QString& name : kept)
        progress(texts.text(u"pubKept"_s).arg(name));

    if (!request.isoFile.isEmpty()) {
        progress(texts.text(u"pubWritingIso"_s).arg(native(request.isoFile)));
        const QString label = discfiles::discLabel(*config.config, project);
        if (const auto error =
                isoWriter(xorrisoArguments(target, request.isoFile, discfiles::volumeName(label))))
            return refuse(u"pubIsoFailed"_s, *error);
    }
    result.published = true;
    result.message = texts.text(u"pubDone"_s).arg(native(target));
    return result;
}
