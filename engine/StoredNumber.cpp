#include "StoredNumber.h"

#include <charconv>
#include <cmath>
#include <algorithm>
#include <limits>
#include <string_view>

namespace zarvel {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// For a number out of the range of double: whether it overflowed (true)
// or underflowed (false), from the position of its first significant digit.
bool TooLarge(std::string_view number) {
    long long magnitude = 0;  // decimal exponent of the first nonzero digit, roughly
    bool seenPoint = false, seenDigit = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        const char c = number[i];
        if (c == '.') { seenPoint = true; continue; }
        if (!seenDigit && c == '0') { if (seenPoint) --magnitude; continue; }
        if (!seenDigit) seenDigit = true;
        if (!seenPoint) ++magnitude;
    }
    if (i < number.size()) {
        ++i;
        bool negative = false;
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) negative = number[i++] == '-';
        long long exponent = 0;
        for (; i < number.size(); ++i) exponent = std::min<long long>(exponent * 10 + (number[i] - '0'), 1000000);
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude > 0;
}

}  // namespace

double StoredNumber(const std::string& text) {
    // Blanks may stand anywhere, even inside the digits ("1 2" is 12).
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (!IsBlank(c)) s.push_back(c);

    std::size_t i = 0;
    const std::size_t n = s.size();

    // Hexadecimal: a non-negative value, so colour numbers such as
    // "&HFFFF80" keep their meaning.
    if (n >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h')) {
        double value = 0;
        for (i = 2; i < n; ++i) {
            const int d = HexValue(s[i]);
            if (d < 0) break;
            value = value * 16 + d;
        }
        return value;
    }

    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const std::size_t mantissa = i;
    std::size_t digits = 0;
    while (i < n && IsDigit(s[i])) ++i, ++digits;
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;  // "", "-", ".", "abc"
    std::size_t end = i;
    if (i < n && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < n && (s[j] == '+' || s[j] == '-')) ++j;
        // An exponent letter without digits is not part of the number.
        if (j < n && IsDigit(s[j])) {
            while (j < n && IsDigit(s[j])) ++j;
            end = j;
        }
    }

    // from_chars takes no leading '+', and is independent of the C locale
    // (a decimal comma locale must not change how the file reads).
    double value = 0;
    const char* first = s.data() + mantissa;
    const char* last = s.data() + end;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        value = TooLarge(std::string_view(first, last - first)) ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (result.ec != std::errc()) {
        value = 0;
    }
    return negative ? -value : value;
}

std::optional<long> RoundedInRange(double value, long lo, long hi) {
    if (!std::isfinite(value)) return std::nullopt;
    // nearbyint rounds in the default mode, to nearest with ties to even.
    const double r = std::nearbyint(value);
    if (r < static_cast<double>(lo) || r > static_cast<double>(hi)) return std::nullopt;
    return static_cast<long>(r);
}

}  // namespace zarvel
