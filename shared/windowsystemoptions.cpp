#include "windowsystemoptions.h"

bool hasWindowSystemOptions(const QStringList& arguments) {
    // Ours are "--long" options and the one-letter "-h" and "-v"; Qt's are
    // single-dash words.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == u"--")
            return false;
        if (argument.size() > 2 && argument.startsWith(u'-') && !argument.startsWith(u"--"))
            return true;
    }
    return false;
}
