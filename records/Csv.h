// Comma-separated values as spreadsheets read them: fields quoted where
// they must be, lines ended by CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zarvel {

// One field. Quoted (inner quotes doubled) when it holds a comma, a quote
// or a line break, or starts or ends with a blank. A text that a
// spreadsheet would run as a formula (it starts with =, +, -, @ or a
// control character and is not a number) gets a leading apostrophe, so a
// player's name stays a name.
std::string CsvField(std::string_view text);

// A line of fields, each as CsvField makes it, ended by CR LF.
std::string CsvLine(const std::vector<std::string>& fields);

}  // namespace zarvel
