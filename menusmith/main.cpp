#include "editorcommandline.h"
#include "form2.h"
#include "publishcommand.h"

#include <fusionstyle.h>
#include <productinfo.h>
#include <qtdesktop.h>
#include <qtprompts.h>
#include <windowsystemoptions.h>

#include <QApplication>

#include <cstdio>
#include <optional>

namespace {

void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("menusmith"));
    QCoreApplication::setApplicationVersion(product::versionNumber());
}

EditorCommandLine readCommandLine() {
    return parseEditorCommandLine(QCoreApplication::arguments(),
                                  qEnvironmentVariable("MENUSMITH_LANG"));
}

// Help, version, a mistake, the disc check and Publish; nothing when the
// editor is to run.
std::optional<int> answerOnTerminal(const EditorCommandLine& options) {
    if (options.checkDisc)
        return runDiscCheck(options.checkFolder, options.check, stdout);
    if (options.publish)
        return runPublishCommand(options.publishRequest, options.language,
                                 QCoreApplication::applicationDirPath(), stdout, stderr);
    if (!options.exitNow)
        return std::nullopt;
    std::fputs(options.output.toLocal8Bit().constData(), options.exitCode == 0 ? stdout : stderr);
    return options.exitCode;
}

} // namespace

int main(int argc, char* argv[]) {
    EditorCommandLine options;
    bool readAgain = false;
    {
        // Help, version, mistakes and the disc check are answered on the
        // terminal, with no display at all.
        QCoreApplication terminal(argc, argv);
        nameApplication();
        options = readCommandLine();
        readAgain = options.exitNow && options.exitCode == 2 &&
                    hasWindowSystemOptions(QCoreApplication::arguments());
        if (!readAgain) {
            if (const std::optional<int> status = answerOnTerminal(options))
                return *status;
        }
    }
    QApplication app(argc, argv);
    // The designer shows the menu's colours as the menu does.
    useFusionStyle();
    nameApplication();
    if (readAgain) {
        options = readCommandLine();
        if (const std::optional<int> status = answerOnTerminal(options))
            return *status;
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
