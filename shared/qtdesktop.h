#pragma once

#include "desktop.h"

// The desktop seam on Qt: QDesktopServices for documents, addresses and
// folders, a detached QProcess for programs, started the way ProgramStart
// decides.
class QtDesktop : public Desktop {
public:
    bool openDocumentOrAddress(const QString& target) override;
    bool startProgram(const QString& commandLine, const QString& workingFolder) override;
    bool openFolder(const QString& folder) override;
    DesktopFailure lastFailure() const override { return m_failure; }

private:
    bool succeed();
    bool fail(DesktopFailure::Reason reason, const QString& file);

    DesktopFailure m_failure;
};
