// What the player reads about the records, through the translations.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "Records.h"

namespace zarvel {

// The one message for a trouble with the records file.
QString TroubleText(const RecordsTrouble& trouble);

// "Ann, Carl and Fay"
QString NameList(const std::vector<std::string>& names);
// "Continue the game of Ann, Carl and Fay?"
QString ContinueQuestion(const std::vector<std::string>& names);

// A computer style's name by its code ("Style 9" for one this version
// does not know).
QString StyleName(int code);

}  // namespace zarvel
