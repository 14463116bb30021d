#pragma once

#include "checktexts.h"
#include "finding.h"

#include <configfile.h>

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// Where in config.ini a finding belongs: an application (or -1) and a field.
struct FindingPlace {
    int appIndex = -1;
    QString field;
};

// What every check reads (the disc's folder, the file's model, the texts) and
// where it puts what it finds. Also remembers every file and folder the file
// names, for the check of files that nothing names, and what it learned of a
// file, so that a picture or archive named twice is read once.
class DiscContext {
public:
    DiscContext(const QString& folder, const ConfigFile& config, const CheckTexts& texts);

    const QString& folder() const { return m_folder; }
    const ConfigFile& config() const { return m_config; }
    const CheckTexts& texts() const { return m_texts; }

    // Adds a finding whose message is the text of code with args filled in.
    void report(Finding::Severity severity, const QString& code, const FindingPlace& place,
                const QString& path, const QStringList& args = {});

    const QList<Finding>& findings() const { return m_findings; }
    QList<Finding> takeFindings() { return std::exchange(m_findings, {}); }

    // Absolute paths of what config.ini names and the disc holds.
    void noteNamed(const QString& absolutePath) { m_named.insert(absolutePath); }
    const QSet<QString>& named() const { return m_named; }

    // A file's verdict, once known: empty when it is fine, else the finding's
    // code and arguments.
    struct Verdict {
        QString code;
        QStringList args;
    };
    std::optional<Verdict> knownVerdict(const QString& absolutePath) const;
    void rememberVerdict(const QString& absolutePath, const Verdict& verdict);

private:
    QString m_folder;
    const ConfigFile& m_config;
    const CheckTexts& m_texts;
    QList<Finding> m_findings;
    QSet<QString> m_named;
    QHash<QString, Verdict> m_verdicts;
};
