#include "prompts.h"

QString nameOf(Prompts::Buttons buttons) {
    switch (buttons) {
    case Prompts::Buttons::Ok:
        return QStringLiteral("Ok");
    case Prompts::Buttons::OkCancel:
        return QStringLiteral("OkCancel");
    case Prompts::Buttons::YesNo:
        return QStringLiteral("YesNo");
    case Prompts::Buttons::YesNoCancel:
        return QStringLiteral("YesNoCancel");
    case Prompts::Buttons::RetryCancel:
        return QStringLiteral("RetryCancel");
    case Prompts::Buttons::AbortRetryIgnore:
        return QStringLiteral("AbortRetryIgnore");
    }
    return QStringLiteral("?");
}

QString nameOf(Prompts::Icon icon) {
    switch (icon) {
    case Prompts::Icon::None:
        return QStringLiteral("None");
    case Prompts::Icon::Critical:
        return QStringLiteral("Critical");
    case Prompts::Icon::Question:
        return QStringLiteral("Question");
    case Prompts::Icon::Exclamation:
        return QStringLiteral("Exclamation");
    case Prompts::Icon::Information:
        return QStringLiteral("Information");
    }
    return QStringLiteral("?");
}

QString nameOf(Prompts::Answer answer) {
    switch (answer) {
    case Prompts::Answer::Ok:
        return QStringLiteral("Ok");
    case Prompts::Answer::Cancel:
        return QStringLiteral("Cancel");
    case Prompts::Answer::Yes:
        return QStringLiteral("Yes");
    case Prompts::Answer::No:
        return QStringLiteral("No");
    case Prompts::Answer::Retry:
        return QStringLiteral("Retry");
    case Prompts::Answer::Abort:
        return QStringLiteral("Abort");
    case Prompts::Answer::Ignore:
        return QStringLiteral("Ignore");
    }
    return QStringLiteral("?");
}
