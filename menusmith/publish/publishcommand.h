#pragma once

#include "publisher.h"

#include <QString>

#include <cstdio>

// xorriso started as a program, or an empty writer when it is not installed.
IsoWriter xorrisoWriter();

// `menusmith --publish`: finds the runtime beside the editor, publishes,
// prints progress and the disc check's findings on out and the outcome on out
// (done) or err (refused). Returns the exit status: 0 done, 1 refused.
int runPublishCommand(PublishRequest request, const QString& language, const QString& editorFolder,
                      FILE* out, FILE* err);
