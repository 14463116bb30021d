#pragma once

#include "desktop.h"

#include <QList>
#include <QString>
#include <QStringList>

// Records every desktop request, with the process's current folder at the
// moment of the call, and answers with configurable results (true by default).
class RecordingDesktop : public Desktop {
public:
    enum class Action { OpenDocumentOrAddress, StartProgram, OpenFolder };

    struct Call {
        Action action;
        QString target;        // document, address, command line or folder
        QString workingFolder; // startProgram only
        QString currentFolder; // QDir::currentPath() when called
        friend bool operator==(const Call&, const Call&) = default;
    };

    bool openDocumentOrAddress(const QString& target) override;
    bool startProgram(const QString& commandLine, const QString& workingFolder) override;
    bool openFolder(const QString& folder) override;

    void setResult(Action action, bool result);
    // What lastFailure() answers; none unless set.
    void setFailure(const DesktopFailure& failure) { m_failure = failure; }
    DesktopFailure lastFailure() const override { return m_failure; }

    const QList<Call>& calls() const { return m_calls; }
    // One line per call, for QCOMPARE with readable differences:
    //   "open <target>", "start <command line> in <working folder>", "folder <folder>"
    // Current folders are left out; see calls() for them.
    QStringList log() const;
    void clear() { m_calls.clear(); }

private:
    bool record(Action action, const QString& target, const QString& workingFolder);

    QList<Call> m_calls;
    bool m_openResult = true;
    bool m_startResult = true;
    bool m_folderResult = true;
    DesktopFailure m_failure;
};
