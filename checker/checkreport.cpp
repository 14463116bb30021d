#include "checkreport.h"

#include "checktexts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kCheck = QStringLiteral("check");
const QString kFormat = QStringLiteral("format");
const QString kTarget = QStringLiteral("target");
const QString kUnnamed = QStringLiteral("unnamed");

QString where(const Finding& finding, const CheckTexts& texts) {
    QStringList parts;
    if (finding.appIndex >= 0)
        parts.append(texts.text(u"label-app").arg(finding.appIndex + 1).arg(finding.appName));
    if (!finding.field.isEmpty())
        parts.append(finding.field);
    return parts.join(u' ');
}

} // namespace

QString formatTextReport(const QList<Finding>& findings, const CheckTexts& texts) {
    QString report;
    int counts[3] = {0, 0, 0};
    for (const Finding& finding : findings) {
        ++counts[int(finding.severity)];
        const QString label = texts.text(QString(u"label-" + severityName(finding.severity)));
        const QString place = where(finding, texts);
        report += label + u" [" + finding.code + u"] " +
                  (place.isEmpty() ? QString() : place + u": ") + finding.message + u'\n';
    }
    if (findings.isEmpty())
        report += texts.text(u"clean") + u'\n';
    else
        report += texts.text(u"summary")
                      .arg(counts[int(Finding::Severity::Error)])
                      .arg(counts[int(Finding::Severity::Warning)])
                      .arg(counts[int(Finding::Severity::Info)]) +
                  u'\n';
    return report;
}

QByteArray formatJsonReport(const QList<Finding>& findings) {
    QJsonArray array;
    for (const Finding& finding : findings) {
        array.append(QJsonObject{
            {QStringLiteral("severity"), severityName(finding.severity)},
            {QStringLiteral("code"), finding.code},
            {QStringLiteral("appIndex"),
             finding.appIndex >= 0 ? QJsonValue(finding.appIndex) : QJsonValue()},
            {QStringLiteral("appName"), finding.appName},
            {QStringLiteral("field"), finding.field},
            {QStringLiteral("path"), finding.path},
            {QStringLiteral("message"), finding.message},
        });
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

void addDiscCheckOptions(QCommandLineParser& parser) {
    parser.addOption({kCheck, QCoreApplication::translate(
                                  "check", "Check the disc in the folder instead of opening it: "
                                           "what would fail on the end user's machine. Exit "
                                           "status 0 clean, 1 warnings only, 3 errors.")});
    parser.addOption({kFormat,
                      QCoreApplication::translate("check", "Report of --check: text or json."),
                      QStringLiteral("text|json"), QStringLiteral("text")});
    parser.addOption(
        {kTarget,
         QCoreApplication::translate("check", "With --check: the medium the disc must fit on."),
         QStringLiteral("cd|dvd")});
    parser.addOption(
        {kUnnamed,
         QCoreApplication::translate(
             "check", "With --check: also list the files that config.ini does not name.")});
}

bool discCheckAsked(const QCommandLineParser& parser) {
    return parser.isSet(kCheck);
}

std::optional<DiscCheckRequest> discCheckRequest(const QCommandLineParser& parser,
                                                 const QString& language, QString* error) {
    DiscCheckRequest request;
    request.options.language = language;
    request.options.listUnnamedFiles = parser.isSet(kUnnamed);
    const QString format = parser.value(kFormat).toLower();
    if (format != u"text" && format != u"json") {
        *error = QCoreApplication::translate("check",
                                             "Unknown report format \"%1\": use text or json.\n")
                     .arg(parser.value(kFormat));
        return std::nullopt;
    }
    request.json = format == u"json";
    if (parser.isSet(kTarget)) {
        request.options.target = discTargetNamed(parser.value(kTarget));
        if (!request.options.target) {
            *error = QCoreApplication::translate("check", "Unknown medium \"%1\": use cd or dvd.\n")
                         .arg(parser.value(kTarget));
            return std::nullopt;
        }
    }
    return request;
}

int runDiscCheck(const QString& folder, const DiscCheckRequest& request, FILE* out) {
    const QList<Finding> findings = checkDisc(folder, request.options);
    const QByteArray report =
        request.json
            ? formatJsonReport(findings)
            : formatTextReport(findings, CheckTexts(request.options.language)).toLocal8Bit();
    std::fputs(report.constData(), out);
    std::fflush(out);
    return checkExitStatus(findings);
}
