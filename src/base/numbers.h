#pragma once
// Numbers as users type them and as the text tables store them.
#include <cstdint>
#include <string>
#include <string_view>

namespace base {

// The numeric value of a text: leading blanks skipped, a point as the decimal separator, read up
// to the first character that cannot continue the number ("1.7." gives 1.7, "12abc" 12, "" 0).
double Val(std::string_view text);

// Whether a text is a number as the user may type it: digits with an optional sign, blanks around
// them and at most one decimal or grouping comma ("85", " 1965", "1,75"; not "", "1.7.", "--1").
bool IsNumeric(std::string_view text);

// Rounds halves to the even neighbour (8.5 -> 8, 9.5 -> 10).
double RoundHalfEven(double value);

// Conversion to a 16-bit integer, halves to the even neighbour; outside -32768..32767 it is the
// run-time failure "overflow".
int16_t CInt(double value);
// The same for a text: Val first.
int16_t CIntText(std::string_view text);

// Checked 16-bit arithmetic: a result outside the 16-bit range is the failure "overflow".
int16_t Add16(int32_t a, int32_t b);
int16_t Sub16(int32_t a, int32_t b);

// Blanks removed at both ends (blanks only, as the user's boxes are trimmed).
std::string Trim(std::string_view text);

}  // namespace base
