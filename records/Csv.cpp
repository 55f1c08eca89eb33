#include "Csv.h"

#include <cctype>

namespace zarvel {

namespace {

bool IsNumber(std::string_view text) {
    std::size_t i = text.starts_with('-') || text.starts_with('+') ? 1 : 0;
    bool digits = false, point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) digits = true;
        else if (c == '.' && !point) point = true;
        else return false;
    }
    return digits;
}

}  // namespace

std::string CsvField(std::string_view text) {
    // Reserved and appended, not assigned from a literal first: GCC 12's
    // -Wrestrict misreads the assignment under the sanitizers.
    std::string field;
    field.reserve(text.size() + 1);
    const unsigned char first = text.empty() ? 0 : static_cast<unsigned char>(text.front());
    if (!text.empty() && (first == '=' || first == '+' || first == '-' || first == '@' || first < 0x20) && !IsNumber(text))
        field.push_back('\'');
    field.append(text);
    const bool quote = field.find_first_of(",\"\r\n") != std::string::npos ||
                       (!field.empty() && (field.front() == ' ' || field.back() == ' '));
    if (!quote) return field;
    std::string quoted = "\"";
    for (const char c : field) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) line += ',';
        line += CsvField(fields[i]);
    }
    return line + "\r\n";
}

}  // namespace zarvel
