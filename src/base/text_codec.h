#pragma once
// UTF-8 inside the program, Windows-1251 at its edges (profile files, RTF documents).
#include <optional>
#include <string>
#include <string_view>

namespace base {

// The length of the well-formed UTF-8 sequence at `at` (1 to 4), or 0 when the bytes there are
// not one: a stray continuation byte, a cut sequence, an overlong form (C0 8A for a line feed), a
// surrogate or a value above U+10FFFF.
size_t Utf8SequenceLength(std::string_view utf8, size_t at);
// Whether the whole text is well-formed UTF-8.
bool IsValidUtf8(std::string_view utf8);

// Decodes UTF-8; a byte that does not start a well-formed sequence is taken as the character of
// the same code (Latin-1), so that no input is ever lost or throws, and no malformed sequence
// ever turns into a character it only pretends to be (an overlong line feed stays two
// characters, neither of them a line feed).
std::u32string DecodeUtf8(std::string_view utf8);
void AppendUtf8(std::string& out, char32_t code);
std::string EncodeUtf8(std::u32string_view text);

// Number of characters (not bytes) of a UTF-8 text.
size_t CharLength(std::string_view utf8);
// The first `count` characters of a UTF-8 text.
std::string CharLeft(std::string_view utf8, size_t count);

// The Windows-1251 code of a character, or -1 when the code page has no such character.
int Cp1251Code(char32_t character);
// The character of a Windows-1251 code 0..255 (every code has one).
char32_t Cp1251Char(unsigned char code);

std::string Cp1251ToUtf8(std::string_view bytes);
// nullopt when the text holds a character that Windows-1251 cannot hold.
std::optional<std::string> Utf8ToCp1251(std::string_view utf8);
// The first character of the text that Windows-1251 cannot hold, or nullopt when there is none.
std::optional<std::string> FirstCharNotInCp1251(std::string_view utf8);

// ASCII and Cyrillic (Windows-1251) letters to upper / lower case; everything else unchanged.
std::string ToUpper(std::string_view utf8);
std::string ToLower(std::string_view utf8);

}  // namespace base
