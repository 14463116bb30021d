#include "disccontext.h"

namespace {

// %1, %2 ... in one pass, so that an argument holding "%2" stays as written.
QString fillPlaceholders(const QString& text, const QStringList& args) {
    QString filled;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'%' && i + 1 < text.size() && text[i + 1].isDigit()) {
            const int n = text[i + 1].digitValue();
            if (n >= 1 && n <= args.size()) {
                filled += args[n - 1];
                ++i;
                continue;
            }
        }
        filled += text[i];
    }
    return filled;
}

} // namespace

DiscContext::DiscContext(const QString& folder, const ConfigFile& config, const CheckTexts& texts)
    : m_folder(folder)
    , m_config(config)
    , m_texts(texts) {}

void DiscContext::report(Finding::Severity severity, const QString& code, const FindingPlace& place,
                         const QString& path, const QStringList& args) {
    Finding finding;
    finding.severity = severity;
    finding.code = code;
    finding.appIndex = place.appIndex;
    if (place.appIndex >= 0 && place.appIndex < m_config.apps.size())
        finding.appName = m_config.apps.at(place.appIndex).name;
    finding.field = place.field;
    finding.path = path;
    finding.message = fillPlaceholders(m_texts.text(code), args);
    m_findings.append(finding);
}

std::optional<DiscContext::Verdict> DiscContext::knownVerdict(const QString& absolutePath) const {
    const auto it = m_verdicts.constFind(absolutePath);
    if (it == m_verdicts.constEnd())
        return std::nullopt;
    return *it;
}

void DiscContext::rememberVerdict(const QString& absolutePath, const Verdict& verdict) {
    m_verdicts.insert(absolutePath, verdict);
}
