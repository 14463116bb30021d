#include "checktexts.h"

#include "textcatalog.h"

#include <QDebug>

#include <cstddef>

namespace {

// The ids of the reasons in translations/discmenu_<language>.ts: "check."
// and the finding's code.
constexpr const char* kIds[] = {
    QT_TRID_NOOP("check.missing-file"),
    QT_TRID_NOOP("check.case-only-match"),
    QT_TRID_NOOP("check.zip-unreadable"),
    QT_TRID_NOOP("check.zip-unsafe-member"),
    QT_TRID_NOOP("check.picture-unreadable"),
    QT_TRID_NOOP("check.unknown-category"),
    QT_TRID_NOOP("check.uncategorised"),
    QT_TRID_NOOP("check.no-categories"),
    QT_TRID_NOOP("check.control-outside-window"),
    QT_TRID_NOOP("check.window-too-small"),
    QT_TRID_NOOP("check.unencodable-value"),
    QT_TRID_NOOP("check.utf8-value"),
    QT_TRID_NOOP("check.windows-only"),
    QT_TRID_NOOP("check.linux-only"),
    QT_TRID_NOOP("check.no-shebang"),
    QT_TRID_NOOP("check.exec-bit"),
    QT_TRID_NOOP("check.window-too-large"),
    QT_TRID_NOOP("check.controls-overlap"),
    QT_TRID_NOOP("check.duplicate-name"),
    QT_TRID_NOOP("check.empty-name"),
    QT_TRID_NOOP("check.long-description"),
    QT_TRID_NOOP("check.look-alike-tag"),
    QT_TRID_NOOP("check.unnamed-file"),
    QT_TRID_NOOP("check.disc-too-large"),
    QT_TRID_NOOP("check.label-error"),
    QT_TRID_NOOP("check.label-warning"),
    QT_TRID_NOOP("check.label-info"),
    QT_TRID_NOOP("check.label-app"),
    QT_TRID_NOOP("check.summary"),
    QT_TRID_NOOP("check.clean"),
    QT_TRID_NOOP("check.unreadable-config"),
};

constexpr std::size_t kPrefix = 6; // "check."

} // namespace

CheckTexts::CheckTexts(QStringView language)
    : m_catalog(&TextCatalog::forLanguage(language.toString().toUpper())) {}

bool CheckTexts::isEnglish() const {
    return m_catalog->language() == u"EN";
}

QString CheckTexts::text(QStringView code) const {
    for (const char* id : kIds) {
        if (code == QLatin1String(id + kPrefix))
            return m_catalog->text(id);
    }
    qWarning() << "No text for the check" << code;
    return code.toString();
}
