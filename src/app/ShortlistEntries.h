#pragma once

#include "evaluate/Evaluation.h"
#include "generate/ResultRow.h"
#include "shortlist/ShortlistEntry.h"

namespace quillan::app {

// A result row as the shortlist keeps it; the leading characters are the surname.
shortlist::ShortlistEntry shortlistEntryOf(const generate::ResultRow& row, int surnameChars);

// An evaluated name (the scoring page, the report window) as the shortlist keeps it.
shortlist::ShortlistEntry shortlistEntryOf(const evaluate::Evaluation& evaluation, int euphony = -1);

}  // namespace quillan::app
