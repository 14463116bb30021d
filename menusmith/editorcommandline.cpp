#include "editorcommandline.h"

#include <productinfo.h>
#include <uilanguage.h>

#include <QCommandLineParser>
#include <QFileInfo>

using namespace Qt::StringLiterals;

EditorCommandLine parseEditorCommandLine(const QStringList& arguments,
                                         const QString& languageVariable,
                                         const QLocale& systemLocale) {
    EditorCommandLine result;
    QCommandLineParser parser;
    parser.setApplicationDescription(u"menusmith, the editor of the disc menu's config.ini"_s);
    const QCommandLineOption helpOption({u"h"_s, u"help"_s}, u"Show this help."_s);
    const QCommandLineOption versionOption({u"v"_s, u"version"_s}, u"Show the version."_s);
    const QCommandLineOption languageOption(
        u"lang"_s,
        u"Language of the editor: %1; MENUSMITH_LANG=EN too. Else the system's."_s.arg(
            shippedLanguagesText()),
        u"language"_s);
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    parser.addOption(languageOption);
    addDiscCheckOptions(parser);
    const QCommandLineOption publishOption(
        u"publish"_s, u"Make PROJECT_FOLDER into a disc in TARGET_FOLDER, with the menu runtime "
                      u"and the files that start it: menusmith --publish PROJECT_FOLDER "
                      u"TARGET_FOLDER [--force] [--iso FILE]."_s);
    const QCommandLineOption forceOption(
        u"force"_s, u"With --publish: despite errors of the disc check, and over another "
                    u"config.ini in TARGET_FOLDER."_s);
    const QCommandLineOption isoOption(
        u"iso"_s, u"With --publish: write an ISO image of the disc too (needs xorriso)."_s,
        u"FILE"_s);
    parser.addOptions({publishOption, forceOption, isoOption});
    parser.addPositionalArgument(
        u"config"_s, u"A config.ini, or the folder that holds it, to open."_s, u"[config.ini]"_s);

    if (!parser.parse(arguments)) {
        result.exitNow = true;
        result.exitCode = 2;
        result.output = parser.errorText() + u'\n' + parser.helpText();
        return result;
    }
    if (parser.isSet(helpOption)) {
        result.exitNow = true;
        result.output = parser.helpText();
        return result;
    }
    if (parser.isSet(versionOption)) {
        result.exitNow = true;
        result.output = u"menusmith "_s + product::versionNumber() + u'\n';
        return result;
    }
    // Only the languages whose texts ship; anything else is not asked for.
    const QString asked =
        parser.isSet(languageOption) ? parser.value(languageOption) : languageVariable;
    result.language = languageCode(asked).value_or(systemLanguage(systemLocale));
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(publishOption)) {
        if (positional.size() != 2) {
            result.exitNow = true;
            result.exitCode = 2;
            result.output =
                u"--publish needs PROJECT_FOLDER and TARGET_FOLDER.\n"_s + parser.helpText();
            return result;
        }
        result.publish = true;
        result.publishRequest.projectFolder = QFileInfo(positional.at(0)).absoluteFilePath();
        result.publishRequest.targetFolder = QFileInfo(positional.at(1)).absoluteFilePath();
        result.publishRequest.ignoreCheckErrors = parser.isSet(forceOption);
        result.publishRequest.replaceConfig = parser.isSet(forceOption);
        if (parser.isSet(isoOption))
            result.publishRequest.isoFile = QFileInfo(parser.value(isoOption)).absoluteFilePath();
        return result;
    }
    if (parser.isSet(forceOption) || parser.isSet(isoOption)) {
        result.exitNow = true;
        result.exitCode = 2;
        result.output = u"--force and --iso go with --publish.\n"_s + parser.helpText();
        return result;
    }
    if (positional.size() > 1) {
        result.exitNow = true;
        result.exitCode = 2;
        result.output = u"menusmith opens one config.ini at a time.\n"_s + parser.helpText();
        return result;
    }
    if (discCheckAsked(parser)) {
        QString error;
        const auto request = discCheckRequest(parser, result.language, &error);
        if (!request) {
            result.exitNow = true;
            result.exitCode = 2;
            result.output = error;
            return result;
        }
        result.checkDisc = true;
        result.check = *request;
        // A config.ini named instead of its folder checks the folder.
        const QFileInfo named(positional.isEmpty() ? u"."_s : positional.first());
        result.checkFolder = named.isFile() ? named.absolutePath() : named.absoluteFilePath();
        return result;
    }
    if (!positional.isEmpty()) {
        const QFileInfo named(positional.first());
        result.configPath =
            named.isDir() ? named.absoluteFilePath() + u"/config.ini"_s : named.absoluteFilePath();
    }
    return result;
}
