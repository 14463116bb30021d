#pragma once

#include <QStringList>

// Qt's own command-line options for the window system ("-platform offscreen",
// "-style fusion", "-reverse" ...) are taken out by QApplication, not by
// QCoreApplication. A command line read before the window system that holds
// one must be read again once QApplication has taken them out.
bool hasWindowSystemOptions(const QStringList& arguments);
