#include "recordingdesktop.h"

#include <QDir>

bool RecordingDesktop::openDocumentOrAddress(const QString& target) {
    return record(Action::OpenDocumentOrAddress, target, {});
}

bool RecordingDesktop::startProgram(const QString& commandLine, const QString& workingFolder) {
    return record(Action::StartProgram, commandLine, workingFolder);
}

bool RecordingDesktop::openFolder(const QString& folder) {
    return record(Action::OpenFolder, folder, {});
}

void RecordingDesktop::setResult(Action action, bool result) {
    switch (action) {
    case Action::OpenDocumentOrAddress:
        m_openResult = result;
        break;
    case Action::StartProgram:
        m_startResult = result;
        break;
    case Action::OpenFolder:
        m_folderResult = result;
        break;
    }
}

QStringList RecordingDesktop::log() const {
    QStringList lines;
    for (const Call& call : m_calls) {
        switch (call.action) {
        case Action::OpenDocumentOrAddress:
            lines << u"open " + call.target;
            break;
        case Action::StartProgram:
            lines << u"start " + call.target + u" in " + call.workingFolder;
            break;
        case Action::OpenFolder:
            lines << u"folder " + call.target;
            break;
        }
    }
    return lines;
}

bool RecordingDesktop::record(Action action, const QString& target, const QString& workingFolder) {
    m_calls.append({action, target, workingFolder, QDir::currentPath()});
    switch (action) {
    case Action::OpenDocumentOrAddress:
        return m_openResult;
    case Action::StartProgram:
        return m_startResult;
    case Action::OpenFolder:
        return m_folderResult;
    }
    return false;
}
