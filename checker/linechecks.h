#pragma once

#include "disccontext.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

// The bracketed start of a line that looks like a tag of config.ini but is
// none ("[Titl]", "[NOME ]", " [DESC]", "[TITLE]"), or nothing. Lines the
// reader takes as tags, headers and free text give nothing.
std::optional<QString> lookAlikeTag(const QString& line);

// Every line of the file's bytes, split as the menu splits them, checked for
// look-alike tags; the findings name the line by its number.
void checkLookAlikeTags(DiscContext& context, QByteArrayView bytes);
