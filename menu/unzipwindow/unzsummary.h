#pragma once

#include "unzengine.h"
#include "unztexts.h"

#include <QString>

// The block appended to MsgOut after each pass: an empty first line, a rule
// of 28 hyphens, the comment indicator, the two sizes, the compression factor
// and the member count, and the rule again; lines end in CR LF, the last
// rule has none.
QString unzSummaryBlock(const UnzTexts& texts, const UnzCallbacks& totals);
