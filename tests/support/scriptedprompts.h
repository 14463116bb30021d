#pragma once

#include "prompts.h"

#include <QList>
#include <QStringList>

#include <optional>
#include <source_location>

// Answers prompts from a script the test writes beforehand, in order:
//
//   ScriptedPrompts prompts;
//   prompts.expectMessageBox(Prompts::Answer::No, u"delete"_s)
//          .expectOpenFile(u"/tmp/x/config.ini"_s);
//   ... run the code under test ...
//   QCOMPARE(prompts.asked().first().title, u"Menusmith"_s);
//
// A prompt that the script does not expect next (none left, or another kind)
// fails the current test and is answered as if cancelled; script items left
// unused when the double is destroyed fail it too. With OnMistake::Record the
// mistakes are only collected, for tests of the double itself.
class ScriptedPrompts : public Prompts {
public:
    enum class Kind { MessageBox, InputBox, OpenFile, SaveFile, Colour };
    enum class OnMistake { FailTest, Record };

    struct Asked {
        Kind kind = Kind::MessageBox;
        QString text; // message or input prompt
        QString title;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        Answer defaultButton = Answer::Ok;
        QString defaultText;
        Echo echo = Echo::Normal;
        FileDialogRequest file;
        QColor initialColour;
        QList<QColor> customColours;
    };

    explicit ScriptedPrompts(OnMistake onMistake = OnMistake::FailTest);
    ~ScriptedPrompts() override;
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    // textContains, when given, must occur in the message text.
    ScriptedPrompts& expectMessageBox(Answer answer, const QString& textContains = {},
                                      std::source_location where = std::source_location::current());
    ScriptedPrompts& expectInputBox(std::optional<QString> answer,
                                    std::source_location where = std::source_location::current());
    ScriptedPrompts& expectOpenFile(std::optional<QString> path,
                                    std::source_location where = std::source_location::current());
    ScriptedPrompts& expectSaveFile(std::optional<QString> path,
                                    std::source_location where = std::source_location::current());
    ScriptedPrompts& expectColour(std::optional<QColor> colour,
                                  std::source_location where = std::source_location::current());

    // Every prompt shown, expected or not, in order.
    const QList<Asked>& asked() const { return m_asked; }
    qsizetype remaining() const { return m_script.size(); }
    const QStringList& mistakes() const { return m_mistakes; }

    // Reports the unused script items now and drops them.
    void verifyAllUsed();

    Answer messageBox(const QString& text, const QString& title, Buttons buttons, Icon icon,
                      Answer defaultButton) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override;
    // Answered by the next expectInputBox step; recorded with Echo::Password.
    std::optional<QString> passwordBox(const QString& prompt, const QString& title) override;
    std::optional<QString> openFileDialog(const FileDialogRequest& request) override;
    std::optional<QString> saveFileDialog(const FileDialogRequest& request) override;
    std::optional<QColor> colourDialog(const QColor& initial,
                                       const QList<QColor>& customColours) override;

private:
    struct Step {
        Kind kind;
        Answer answer = Answer::Ok;
        QString textContains;
        std::optional<QString> text;
        std::optional<QColor> colour;
        std::source_location where;
    };

    std::optional<QString> askInput(const QString& prompt, const QString& title,
                                    const QString& defaultText, Echo echo);
    // The next step when it is of kind; otherwise reports a mistake.
    std::optional<Step> take(const Asked& asked);
    void mistake(const QString& message, const std::source_location& where);

    OnMistake m_onMistake;
    QList<Step> m_script;
    QList<Asked> m_asked;
    QStringList m_mistakes;
};

QString nameOf(ScriptedPrompts::Kind kind);

// Readable values in QCOMPARE failures.
char* toString(const Prompts::Answer& answer);
char* toString(const Prompts::Buttons& buttons);
char* toString(const Prompts::Icon& icon);
char* toString(const ScriptedPrompts::Kind& kind);
