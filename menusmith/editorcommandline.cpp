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
        u"lang"_s, u"Language of the editor: IT or EN; MENUSMITH_LANG=EN too. Else the system's."_s,
        u"language"_s);
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    parser.addOption(languageOption);
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
    // Only the two languages the texts exist in; anything else is not asked for.
    const QString asked =
        parser.isSet(languageOption) ? parser.value(languageOption) : languageVariable;
    result.language = languageCode(asked).value_or(systemLanguage(systemLocale));
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        result.exitNow = true;
        result.exitCode = 2;
        result.output = u"menusmith opens one config.ini at a time.\n"_s + parser.helpText();
        return result;
    }
    if (!positional.isEmpty()) {
        const QFileInfo named(positional.first());
        result.configPath =
            named.isDir() ? named.absoluteFilePath() + u"/config.ini"_s : named.absoluteFilePath();
    }
    return result;
}
