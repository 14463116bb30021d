#include "menuoptions.h"

#include "configpath.h"
#include "productinfo.h"
#include "uilanguage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

MenuOptions MenuOptions::parse(const QStringList& arguments, const QString& programFolder,
                               const QString& environmentLanguage) {
    MenuOptions options;
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "menu", "Shows the start-up menu of a disc, USB stick or folder: the programs, archives, "
                "documents and web links that its config.ini lists."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("menu", "Show this help and exit."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("menu", "Show the version and exit."));
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        QCoreApplication::translate("menu", "Language of the menu's own texts: %1. The environment "
                                            "variable MENU_LANG does the same. Without either, the "
                                            "disc's language, else the system's.")
            .arg(shippedLanguagesText()),
        QStringLiteral("LANGUAGE"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(lang);
    // The disc's launcher names the runtime: started through the system's
    // loader, the menu cannot find it beside itself.
    QCommandLineOption runtime(
        QStringLiteral("runtime"),
        QCoreApplication::translate("menu", "The folder of the runtime the menu comes with."),
        QStringLiteral("DIR"));
    runtime.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(runtime);
    addDiscCheckOptions(parser);
    parser.addPositionalArgument(
        QStringLiteral("FOLDER"),
        QCoreApplication::translate("menu",
                                    "The folder that holds config.ini. Without it, the folder "
                                    "of the menu program itself."),
        QStringLiteral("[FOLDER]"));

    if (!parser.parse(arguments)) {
        options.outcome = Outcome::Error;
        options.message = parser.errorText() + u'\n' + parser.helpText();
        return options;
    }
    if (parser.isSet(help)) {
        options.outcome = Outcome::ShowHelp;
        options.message = parser.helpText();
        return options;
    }
    if (parser.isSet(version)) {
        options.outcome = Outcome::ShowVersion;
        options.message = QStringLiteral("menu ") + product::versionNumber() + u'\n';
        return options;
    }

    if (!environmentLanguage.isEmpty()) {
        if (const auto chosen = languageCode(environmentLanguage))
            options.language = *chosen;
    }
    if (parser.isSet(lang)) {
        const auto chosen = languageCode(parser.value(lang));
        if (!chosen) {
            options.outcome = Outcome::Error;
            options.message =
                QCoreApplication::translate("menu", "Unknown language \"%1\": use %2.\n")
                    .arg(parser.value(lang), shippedLanguagesText());
            return options;
        }
        options.language = *chosen;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        options.outcome = Outcome::Error;
        options.message =
            QCoreApplication::translate("menu", "Give one folder only.\n") + parser.helpText();
        return options;
    }
    options.folderGiven = !positional.isEmpty();
    QString folder = options.folderGiven ? positional.first() : programFolder;
    // "menu disc/config.ini" means the disc of that file.
    const QFileInfo given(folder);
    if (options.folderGiven && given.isFile())
        folder = given.absolutePath();
    options.discFolder = QDir::cleanPath(QDir(folder).absolutePath());
    if (parser.isSet(runtime))
        options.runtimeFolder = QDir::cleanPath(QDir(parser.value(runtime)).absolutePath());
    if (discCheckAsked(parser)) {
        QString error;
        if (const auto request = discCheckRequest(parser, options.language, &error)) {
            options.outcome = Outcome::CheckDisc;
            options.check = *request;
        } else {
            options.outcome = Outcome::Error;
            options.message = error;
        }
    }
    return options;
}

QString missingConfigMessage(const MenuOptions& options) {
    const QString folder = QDir::toNativeSeparators(options.discFolder);
    if (!QFileInfo(options.discFolder).isDir()) {
        return QCoreApplication::translate("menu", "The folder \"%1\" does not exist.").arg(folder);
    }
    if (paths::findInFolder(options.discFolder, QStringLiteral("config.ini")))
        return QString();
    if (!options.folderGiven) {
        return QCoreApplication::translate(
                   "menu", "There is no config.ini beside the menu program, in \"%1\".\n"
                           "Start the menu with the folder of a disc: menu FOLDER")
            .arg(folder);
    }
    return QCoreApplication::translate("menu", "There is no config.ini in the folder \"%1\".")
        .arg(folder);
}
