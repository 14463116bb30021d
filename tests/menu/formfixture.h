#pragma once

#include "disckit.h"
#include "form1.h"
#include "recordingdesktop.h"
#include "recordingsound.h"
#include "scriptedprompts.h"

#include <memory>

// A menu window on a disc kit with recording doubles, loaded the way the
// program loads it, with a frame measured once per test run.
struct FormFixture {
    DiscKit disc;
    RecordingDesktop desktop;
    RecordingSound sound;
    ScriptedPrompts prompts; // what the window says when an action fails
    std::unique_ptr<Form1> form;
    QString home = QStringLiteral("/home/user");

    // Builds the window on disc and runs its start-up; the error, if any.
    std::optional<QString> load(const QString& language = QStringLiteral("IT"));

    static const FrameMeasure& frame();
};
