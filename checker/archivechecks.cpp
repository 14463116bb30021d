#include "archivechecks.h"

#include "discpath.h"

#include <unzengine.h>
#include <unzpaths.h>

#include <QFile>

#include <string>

ArchiveInspection inspectArchive(const QString& path) {
    ArchiveInspection inspection;
    const QByteArray fileName = QFile::encodeName(path);
    UnzOptions options;
    options.listOnly = 1;
    options.quietLevel = 2;
    options.zipFileName = fileName.constData();
    UnzCallbacks callbacks;
    callbacks.listEntry = [&](std::uint64_t, std::uint64_t, std::int32_t, std::int32_t,
                              std::int32_t, std::int32_t, std::int32_t, std::int32_t, char kind,
                              const char* name, const char*, std::uint32_t, std::int32_t) {
        if (!inspection.refusedMember.isEmpty())
            return;
        std::string refusal =
            kind == 'l' ? std::string("symbolic link") : unz::splitMemberName(name).refusal;
        if (!refusal.empty()) {
            inspection.refusedMember = QString::fromStdString(unz::printableName(name));
            inspection.refusal = QString::fromStdString(refusal);
        }
    };
    const std::int32_t result = Wiz_SingleEntryUnzip(0, nullptr, 0, nullptr, &options, &callbacks);
    inspection.readable = result == UnzOk;
    return inspection;
}

void checkArchive(DiscContext& context, const QString& storedPath, const FindingPlace& place) {
    const auto file = checkNamedPath(context, storedPath, context.folder(), place);
    if (!file)
        return;
    std::optional<DiscContext::Verdict> verdict = context.knownVerdict(*file);
    if (!verdict) {
        const ArchiveInspection inspection = inspectArchive(*file);
        verdict = DiscContext::Verdict{};
        if (!inspection.readable)
            verdict = DiscContext::Verdict{QStringLiteral("zip-unreadable"), {}};
        else if (!inspection.refusedMember.isEmpty())
            verdict = DiscContext::Verdict{QStringLiteral("zip-unsafe-member"),
                                           {inspection.refusedMember, inspection.refusal}};
        context.rememberVerdict(*file, *verdict);
    }
    if (!verdict->code.isEmpty())
        context.report(Finding::Severity::Error, verdict->code, place, storedPath,
                       QStringList{storedPath} + verdict->args);
}
