#include "form1.h"
#include "frmsplash.h"
#include "fusionstyle.h"
#include "menuface.h"
#include "menulanguage.h"
#include "menuoptions.h"
#include "productinfo.h"
#include "qtdesktop.h"
#include "qtprompts.h"
#include "qtsound.h"
#include "unziplauncher.h"
#include "windowsystemoptions.h"

#include <checkreport.h>

#include <QApplication>
#include <QDir>
#include <QListWidget>

#include <cstdio>
#include <optional>

namespace {

void print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

int refuse(QtPrompts& prompts, const QString& message) {
    print(stderr, message + u'\n');
    prompts.messageBox(message, QStringLiteral("menu"), Prompts::Buttons::Ok,
                       Prompts::Icon::Critical, Prompts::Answer::Ok);
    return 1;
}

// Help, version, a mistake and the disc check are answered on the terminal,
// before any window system is needed; nothing when the menu is to run.
std::optional<int> answerOnTerminal(const MenuOptions& options) {
    switch (options.outcome) {
    case MenuOptions::Outcome::ShowHelp:
    case MenuOptions::Outcome::ShowVersion:
        print(stdout, options.message);
        return 0;
    case MenuOptions::Outcome::Error:
        print(stderr, options.message);
        return 2;
    case MenuOptions::Outcome::CheckDisc: {
        // The report speaks the language the menu would show on this disc.
        DiscCheckRequest request = options.check;
        request.options.language = chooseMenuLanguage(
            options.language, discLanguage(options.discFolder), QLocale::system());
        return runDiscCheck(options.discFolder, request, stdout);
    }
    case MenuOptions::Outcome::Run:
        break;
    }
    return std::nullopt;
}

// A runtime's menu loads the runtime's plugins only: a system Qt of another
// version keeps its plugins to itself. Set before the window system starts,
// and again once the application exists, which adds its own folder.
void usePluginsOf(const QString& runtimeFolder) {
    if (!runtimeFolder.isEmpty())
        QCoreApplication::setLibraryPaths({runtimeFolder + QStringLiteral("/plugins")});
}

// For the portable runtime's test: MENU_PRINT_TITLE makes the menu say on
// stdout which window came up.
void printTitleWhenAsked(const QWidget& window) {
    if (qEnvironmentVariableIsSet("MENU_PRINT_TITLE"))
        print(stdout, QStringLiteral("window: ") + window.windowTitle() + u'\n');
}

void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("menu"));
    QCoreApplication::setApplicationVersion(product::versionNumber());
}

MenuOptions readCommandLine() {
    return MenuOptions::parse(QCoreApplication::arguments(), QCoreApplication::applicationDirPath(),
                              qEnvironmentVariable("MENU_LANG"));
}

} // namespace

int main(int argc, char* argv[]) {
    MenuOptions options;
    bool readAgain = false;
    {
        // The command line is read with no display at all.
        QCoreApplication terminal(argc, argv);
        nameApplication();
        options = readCommandLine();
        readAgain = options.outcome == MenuOptions::Outcome::Error &&
                    hasWindowSystemOptions(QCoreApplication::arguments());
        if (!readAgain) {
            if (const std::optional<int> status = answerOnTerminal(options))
                return *status;
        }
    }
    usePluginsOf(options.runtimeFolder);
    QApplication app(argc, argv);
    usePluginsOf(options.runtimeFolder);
    nameApplication();
    useFusionStyle();
    if (readAgain) {
        options = readCommandLine();
        if (const std::optional<int> status = answerOnTerminal(options))
            return *status;
    }

    const QString language =
        chooseMenuLanguage(options.language, discLanguage(options.discFolder), QLocale::system());
    installQtTranslations(language);
    QtDesktop desktop;
    QtPrompts prompts;
    QtSound sound;

    // The only thing the menu cannot do without; said before any sound plays.
    if (const QString missing = missingConfigMessage(options); !missing.isEmpty())
        return refuse(prompts, missing);

    Form1::Options formOptions;
    formOptions.discFolder = options.discFolder;
    formOptions.language = language;
    formOptions.homeFolder = QDir::homePath();
    Form1 form(formOptions, desktop, sound);
    form.setPrompts(prompts);

    UnzipLauncher unzip(form, prompts, language);

    int failure = 0;
    FrmSplash splash(options.discFolder, sound, [&] {
        if (const auto error = form.load()) {
            failure = refuse(prompts, *error);
            QCoreApplication::exit(failure);
            return;
        }
        form.show();
        printTitleWhenAsked(form);
    });
    splash.load();
    if (failure)
        return failure;
    const int status = QApplication::exec();
    return status;
}
