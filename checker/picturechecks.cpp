#include "picturechecks.h"

#include "discpath.h"

#include <configpath.h>
#include <pictureloader.h>

#include <QDir>

namespace {

const QString kUnreadable = QStringLiteral("picture-unreadable");

void checkLoads(DiscContext& context, const QString& file, const QString& shownPath,
                const FindingPlace& place) {
    std::optional<DiscContext::Verdict> verdict = context.knownVerdict(file);
    if (!verdict) {
        verdict = DiscContext::Verdict{};
        if (!pictures::loadImage(file))
            verdict = DiscContext::Verdict{kUnreadable, {}};
        context.rememberVerdict(file, *verdict);
    }
    if (verdict->code == kUnreadable)
        context.report(Finding::Severity::Error, kUnreadable, place, shownPath, {shownPath});
}

} // namespace

void checkPicture(DiscContext& context, const QString& storedPath, const FindingPlace& place) {
    if (const auto file = checkNamedPath(context, storedPath, context.folder(), place))
        checkLoads(context, *file, storedPath, place);
}

void checkFixedPictures(DiscContext& context) {
    for (const QString& name : {QStringLiteral("logo.bmp"), QStringLiteral("default.bmp"),
                                QStringLiteral("splash.bmp")}) {
        if (const auto file = paths::findInFolder(context.folder(), name)) {
            context.noteNamed(QDir::cleanPath(*file));
            checkLoads(context, *file, name, {-1, name});
        }
    }
}
