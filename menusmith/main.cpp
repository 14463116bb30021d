#include "editorcommandline.h"
#include "form2.h"

#include <productinfo.h>
#include <qtdesktop.h>
#include <qtprompts.h>

#include <QApplication>
#include <QStyleFactory>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("menusmith"));
    QApplication::setApplicationVersion(product::versionNumber());

    const EditorCommandLine options =
        parseEditorCommandLine(QApplication::arguments(), qEnvironmentVariable("MENUSMITH_LANG"));
    if (options.exitNow) {
        std::fputs(options.output.toLocal8Bit().constData(),
                   options.exitCode == 0 ? stdout : stderr);
        return options.exitCode;
    }

    installQtTranslations(options.language);
    QtPrompts prompts;
    QtDesktop desktop;
    Form2 window(options.language, prompts, desktop);
    prompts.setOwner(&window);
    window.show();
    if (!options.configPath.isEmpty())
        window.openProjectFile(options.configPath);
    return app.exec();
}
