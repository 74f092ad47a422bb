#include "base/numbers.h"

#include <cctype>
#include <cmath>

#include "base/failure.h"

namespace base {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

double Val(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    bool digits = false;
    while (i < text.size() && IsDigit(text[i])) number += text[i++], digits = true;
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && IsDigit(text[i])) number += text[i++], digits = true;
    }
    if (!digits) return 0.0;
    // An exponent counts only when digits follow it ("1e3" is 1000, "2e" is 2).
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) exponent += text[j++];
            number += exponent;
        }
    }
    return std::strtod(number.c_str(), nullptr);
}

bool IsNumeric(std::string_view text) {
    size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    if (begin < end && (text[begin] == '+' || text[begin] == '-')) ++begin;
    bool digits = false;
    int commas = 0;
    for (size_t i = begin; i < end; ++i) {
        if (IsDigit(text[i])) {
            digits = true;
        } else if (text[i] == ',') {
            if (++commas > 1) return false;
        } else {
            return false;
        }
    }
    return digits;
}

double RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5) return floor + 1;
    if (fraction < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1;
}

int16_t CInt(double value) {
    if (std::isnan(value)) throw Overflow();
    const double rounded = RoundHalfEven(value);
    if (rounded < -32768.0 || rounded > 32767.0) throw Overflow();
    return static_cast<int16_t>(rounded);
}

int16_t CIntText(std::string_view text) { return CInt(Val(text)); }

int16_t Add16(int32_t a, int32_t b) { return CInt(static_cast<double>(a) + b); }
int16_t Sub16(int32_t a, int32_t b) { return CInt(static_cast<double>(a) - b); }

std::string Trim(std::string_view text) {
    size_t begin = 0, end = text.size();
    while (begin < end && text[begin] == ' ') ++begin;
    while (end > begin && text[end - 1] == ' ') --end;
    return std::string(text.substr(begin, end - begin));
}

}  // namespace base
