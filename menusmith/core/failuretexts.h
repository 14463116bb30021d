#pragma once

#include <configwriter.h>
#include <fileproblem.h>

#include <QString>

class UiTexts;

// The editor's own words, in its language, for what stopped a read or a save.

// One sentence naming path and what is wrong with it.
QString fileProblemText(const UiTexts& texts, FileProblem problem, const QString& path);

// Why a save failed: the value that config.ini cannot hold, or the file problem.
QString writeFailureText(const UiTexts& texts, const ConfigWriteResult& result,
                         const QString& path);
