#include "form1.h"
#include "frmsplash.h"
#include "menuface.h"
#include "menulanguage.h"
#include "menuoptions.h"
#include "productinfo.h"
#include "qtdesktop.h"
#include "qtprompts.h"
#include "qtsound.h"
#include "unziplauncher.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QStyleFactory>

#include <cstdio>

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

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("menu"));
    QApplication::setApplicationVersion(product::versionNumber());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    const MenuOptions options =
        MenuOptions::parse(QApplication::arguments(), QApplication::applicationDirPath(),
                           qEnvironmentVariable("MENU_LANG"));
    switch (options.outcome) {
    case MenuOptions::Outcome::ShowHelp:
    case MenuOptions::Outcome::ShowVersion:
        print(stdout, options.message);
        return 0;
    case MenuOptions::Outcome::Error:
        print(stderr, options.message);
        return 2;
    case MenuOptions::Outcome::Run:
        break;
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

    UnzipLauncher unzip(form, prompts, language);

    int failure = 0;
    FrmSplash splash(options.discFolder, sound, [&] {
        if (const auto error = form.load()) {
            failure = refuse(prompts, *error);
            QCoreApplication::exit(failure);
            return;
        }
        form.show();
    });
    splash.load();
    if (failure)
        return failure;
    const int status = QApplication::exec();
    return status;
}
