#include "editorcommandline.h"
#include "form2.h"
#include "publishcommand.h"

#include <productinfo.h>
#include <qtdesktop.h>
#include <qtprompts.h>

#include <QApplication>
#include <QStyleFactory>

#include <cstdio>

namespace {

void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("menusmith"));
    QCoreApplication::setApplicationVersion(product::versionNumber());
}

} // namespace

int main(int argc, char* argv[]) {
    EditorCommandLine options;
    {
        // Help, version, mistakes and the disc check are answered on the
        // terminal, with no display at all.
        QCoreApplication terminal(argc, argv);
        nameApplication();
        options = parseEditorCommandLine(QCoreApplication::arguments(),
                                         qEnvironmentVariable("MENUSMITH_LANG"));
        if (options.checkDisc)
            return runDiscCheck(options.checkFolder, options.check, stdout);
        if (options.publish)
            return runPublishCommand(options.publishRequest, options.language,
                                     QCoreApplication::applicationDirPath(), stdout, stderr);
        if (options.exitNow) {
            std::fputs(options.output.toLocal8Bit().constData(),
                       options.exitCode == 0 ? stdout : stderr);
            return options.exitCode;
        }
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    nameApplication();

    QtPrompts prompts;
    QtDesktop desktop;
    Form2 window(options.language, prompts, desktop);
    prompts.setOwner(&window);
    window.show();
    if (!options.configPath.isEmpty())
        window.openProjectFile(options.configPath);
    return app.exec();
}
