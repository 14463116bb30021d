#pragma once

#include "desktop.h"

// The desktop seam on Qt: QDesktopServices for documents, addresses and
// folders, a detached QProcess for programs.
class QtDesktop : public Desktop {
public:
    bool openDocumentOrAddress(const QString& target) override;
    bool startProgram(const QString& commandLine, const QString& workingFolder) override;
    bool openFolder(const QString& folder) override;
};
