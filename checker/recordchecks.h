#pragma once

#include "disccontext.h"

#include <codepage.h>

#include <QString>

// Categories on with no [CATG] at all: the menu shows nothing.
void checkCategoryList(DiscContext& context);

// Application index in a category that is not listed (an error: the menu
// never shows it), or still without one ("n/a", a warning).
void checkApplicationCategory(DiscContext& context, int index);

// Empty names and names already used by an earlier application.
void checkApplicationNames(DiscContext& context);

// A description longer than a text panel of that many characters shows.
void checkDescriptionLength(DiscContext& context, int index, int panelCharacters);

// The first problem of a value with the file's 8-bit encoding, as a finding
// code and its argument: a character that Windows-1252 cannot store (or that
// it leaves undefined, or a control character), or a value written in UTF-8.
struct EncodingProblem {
    QString code;
    QString argument;
};
std::optional<EncodingProblem> encodingProblem(const QString& value, CodePage codePage);

// Every value of the file: settings, categories, application fields, layout.
void checkEncoding(DiscContext& context);
