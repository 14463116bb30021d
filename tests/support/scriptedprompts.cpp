#include "scriptedprompts.h"

#include <QTest>

namespace {

// The answer that leaves things as they are, given to an unexpected box.
Prompts::Answer cancellingAnswer(Prompts::Buttons buttons) {
    switch (buttons) {
    case Prompts::Buttons::Ok:
        return Prompts::Answer::Ok;
    case Prompts::Buttons::YesNo:
        return Prompts::Answer::No;
    case Prompts::Buttons::AbortRetryIgnore:
        return Prompts::Answer::Abort;
    case Prompts::Buttons::OkCancel:
    case Prompts::Buttons::YesNoCancel:
    case Prompts::Buttons::RetryCancel:
        return Prompts::Answer::Cancel;
    }
    return Prompts::Answer::Cancel;
}

QString describe(const ScriptedPrompts::Asked& asked) {
    QString text = nameOf(asked.kind) + u" \"" + asked.title + u'"';
    if (asked.kind == ScriptedPrompts::Kind::MessageBox ||
        asked.kind == ScriptedPrompts::Kind::InputBox)
        text += u": \"" + asked.text + u'"';
    return text;
}

} // namespace

QString nameOf(ScriptedPrompts::Kind kind) {
    switch (kind) {
    case ScriptedPrompts::Kind::MessageBox:
        return QStringLiteral("message box");
    case ScriptedPrompts::Kind::InputBox:
        return QStringLiteral("input box");
    case ScriptedPrompts::Kind::OpenFile:
        return QStringLiteral("open file dialog");
    case ScriptedPrompts::Kind::SaveFile:
        return QStringLiteral("save file dialog");
    case ScriptedPrompts::Kind::Colour:
        return QStringLiteral("colour dialog");
    }
    return QStringLiteral("?");
}

ScriptedPrompts::ScriptedPrompts(OnMistake onMistake)
    : m_onMistake(onMistake) {}

ScriptedPrompts::~ScriptedPrompts() {
    verifyAllUsed();
}

ScriptedPrompts& ScriptedPrompts::expectMessageBox(Answer answer, const QString& textContains,
                                                   std::source_location where) {
    m_script.append({Kind::MessageBox, answer, textContains, {}, {}, where});
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectInputBox(std::optional<QString> answer,
                                                 std::source_location where) {
    m_script.append({Kind::InputBox, Answer::Ok, {}, std::move(answer), {}, where});
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectOpenFile(std::optional<QString> path,
                                                 std::source_location where) {
    m_script.append({Kind::OpenFile, Answer::Ok, {}, std::move(path), {}, where});
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectSaveFile(std::optional<QString> path,
                                                 std::source_location where) {
    m_script.append({Kind::SaveFile, Answer::Ok, {}, std::move(path), {}, where});
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectColour(std::optional<QColor> colour,
                                               std::source_location where) {
    m_script.append({Kind::Colour, Answer::Ok, {}, {}, colour, where});
    return *this;
}

void ScriptedPrompts::verifyAllUsed() {
    const QList<Step> unused = std::exchange(m_script, {});
    for (const Step& step : unused)
        mistake(u"expected " + nameOf(step.kind) + u" was never shown", step.where);
}

Prompts::Answer ScriptedPrompts::messageBox(const QString& text, const QString& title,
                                            Buttons buttons, Icon icon, Answer defaultButton) {
    Asked asked;
    asked.kind = Kind::MessageBox;
    asked.text = text;
    asked.title = title;
    asked.buttons = buttons;
    asked.icon = icon;
    asked.defaultButton = defaultButton;
    const std::optional<Step> step = take(asked);
    return step ? step->answer : cancellingAnswer(buttons);
}

std::optional<QString> ScriptedPrompts::inputBox(const QString& prompt, const QString& title,
                                                 const QString& defaultText) {
    return askInput(prompt, title, defaultText, Echo::Normal);
}

std::optional<QString> ScriptedPrompts::passwordBox(const QString& prompt, const QString& title) {
    return askInput(prompt, title, QString(), Echo::Password);
}

std::optional<QString> ScriptedPrompts::askInput(const QString& prompt, const QString& title,
                                                 const QString& defaultText, Echo echo) {
    Asked asked;
    asked.kind = Kind::InputBox;
    asked.text = prompt;
    asked.title = title;
    asked.defaultText = defaultText;
    asked.echo = echo;
    const std::optional<Step> step = take(asked);
    return step ? step->text : std::nullopt;
}

std::optional<QString> ScriptedPrompts::openFileDialog(const FileDialogRequest& request) {
    Asked asked;
    asked.kind = Kind::OpenFile;
    asked.title = request.title;
    asked.file = request;
    const std::optional<Step> step = take(asked);
    return step ? step->text : std::nullopt;
}

std::optional<QString> ScriptedPrompts::saveFileDialog(const FileDialogRequest& request) {
    Asked asked;
    asked.kind = Kind::SaveFile;
    asked.title = request.title;
    asked.file = request;
    const std::optional<Step> step = take(asked);
    return step ? step->text : std::nullopt;
}

std::optional<QColor> ScriptedPrompts::colourDialog(const QColor& initial,
                                                    const QList<QColor>& customColours) {
    Asked asked;
    asked.kind = Kind::Colour;
    asked.initialColour = initial;
    asked.customColours = customColours;
    const std::optional<Step> step = take(asked);
    return step ? step->colour : std::nullopt;
}

std::optional<ScriptedPrompts::Step> ScriptedPrompts::take(const Asked& asked) {
    m_asked.append(asked);
    if (m_script.isEmpty()) {
        mistake(u"unexpected " + describe(asked), std::source_location::current());
        return std::nullopt;
    }
    const Step& next = m_script.constFirst();
    if (next.kind != asked.kind) {
        mistake(u"expected " + nameOf(next.kind) + u", got " + describe(asked), next.where);
        return std::nullopt;
    }
    if (!next.textContains.isEmpty() && !asked.text.contains(next.textContains)) {
        mistake(u"expected a message box containing \"" + next.textContains + u"\", got " +
                    describe(asked),
                next.where);
        m_script.removeFirst();
        return std::nullopt;
    }
    return m_script.takeFirst();
}

void ScriptedPrompts::mistake(const QString& message, const std::source_location& where) {
    m_mistakes << message;
    if (m_onMistake == OnMistake::FailTest)
        QTest::qFail(message.toUtf8().constData(), where.file_name(), int(where.line()));
}

char* toString(const Prompts::Answer& answer) {
    return QTest::toString(nameOf(answer));
}

char* toString(const Prompts::Buttons& buttons) {
    return QTest::toString(nameOf(buttons));
}

char* toString(const Prompts::Icon& icon) {
    return QTest::toString(nameOf(icon));
}

char* toString(const ScriptedPrompts::Kind& kind) {
    return QTest::toString(nameOf(kind));
}
