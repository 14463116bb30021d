#include "mcicommand.h"

#include <QStringList>

namespace {

// Splits on blanks; double quotes group, and are dropped.
QStringList tokens(const QString& text) {
    QStringList result;
    QString current;
    bool quoted = false;
    bool inToken = false;
    for (QChar c : text) {
        if (c == u'"') {
            quoted = !quoted;
            inToken = true;
        } else if (!quoted && c.isSpace()) {
            if (inToken)
                result << current;
            current.clear();
            inToken = false;
        } else {
            current += c;
            inToken = true;
        }
    }
    if (inToken)
        result << current;
    return result;
}

} // namespace

MciCommand MciCommand::parse(const QString& text, int* error) {
    MciCommand command;
    int status = Sound::Ok;
    const QStringList words = tokens(text);
    if (words.isEmpty()) {
        status = Sound::MissingCommandString;
    } else {
        const QString verb = words.first().toLower();
        if (verb == u"open")
            command.verb = Verb::Open;
        else if (verb == u"play")
            command.verb = Verb::Play;
        else if (verb == u"stop")
            command.verb = Verb::Stop;
        else if (verb == u"close")
            command.verb = Verb::Close;
        else
            status = Sound::UnrecognizedCommand;
    }
    if (status == Sound::Ok && words.size() < 2)
        status = Sound::MissingParameter;
    if (status == Sound::Ok && command.verb == Verb::Open) {
        const QString& element = words.at(1);
        const qsizetype bang = element.indexOf(u'!');
        if (bang <= 0 || bang + 1 == element.size()) {
            status = Sound::MissingParameter;
        } else {
            command.deviceType = element.left(bang).toLower();
            command.file = element.mid(bang + 1);
            command.alias = command.file.toLower();
            if (words.size() == 4 && words.at(2).compare(u"alias", Qt::CaseInsensitive) == 0)
                command.alias = words.at(3).toLower();
            else if (words.size() == 3 && words.at(2).compare(u"alias", Qt::CaseInsensitive) == 0)
                status = Sound::MissingParameter;
            else if (words.size() != 2)
                status = Sound::UnrecognizedKeyword;
        }
    } else if (status == Sound::Ok) {
        command.alias = words.at(1).toLower();
        if (words.size() > 2)
            status = Sound::UnrecognizedKeyword;
    }
    if (error)
        *error = status;
    return command;
}
