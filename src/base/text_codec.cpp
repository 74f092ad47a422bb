#include "base/text_codec.h"

#include <algorithm>
#include <array>

namespace base {
namespace {

// Codes 0x80..0xBF of Windows-1251; 0xC0..0xFF are U+0410..U+044F. Code 0x98 has no character in
// the code page; it maps to U+0098 so that every byte survives a round trip.
constexpr std::array<char32_t, 64> kHighCodes = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

}  // namespace

size_t Utf8SequenceLength(std::string_view utf8, size_t at) {
    const unsigned char c = static_cast<unsigned char>(utf8[at]);
    if (c < 0x80) return 1;
    const size_t length = c >= 0xC2 && c <= 0xDF   ? 2
                          : c >= 0xE0 && c <= 0xEF ? 3
                          : c >= 0xF0 && c <= 0xF4 ? 4
                                                   : 0;
    if (length == 0 || utf8.size() - at < length) return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(utf8[at + k]) & 0xC0) != 0x80) return 0;
    }
    // The second byte bounds what the first allows: no overlong forms, no surrogates, nothing
    // above U+10FFFF.
    const unsigned char second = static_cast<unsigned char>(utf8[at + 1]);
    if ((c == 0xE0 && second < 0xA0) || (c == 0xED && second > 0x9F) ||
        (c == 0xF0 && second < 0x90) || (c == 0xF4 && second > 0x8F)) {
        return 0;
    }
    return length;
}

bool IsValidUtf8(std::string_view utf8) {
    for (size_t i = 0; i < utf8.size();) {
        const size_t length = Utf8SequenceLength(utf8, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::u32string DecodeUtf8(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        const size_t length = Utf8SequenceLength(utf8, i);
        if (length <= 1) {
            out.push_back(c);
            ++i;
            continue;
        }
        char32_t code = c & (length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07);
        for (size_t k = 1; k < length; ++k) {
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        out.push_back(code);
        i += length;
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string EncodeUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) AppendUtf8(out, c);
    return out;
}

size_t CharLength(std::string_view utf8) {
    size_t characters = 0;
    for (size_t i = 0; i < utf8.size(); ++characters)
        i += std::max<size_t>(1, Utf8SequenceLength(utf8, i));
    return characters;
}

std::string CharLeft(std::string_view utf8, size_t count) {
    const std::u32string chars = DecodeUtf8(utf8);
    return EncodeUtf8(std::u32string_view(chars).substr(0, count));
}

int Cp1251Code(char32_t character) {
    if (character < 0x80) return static_cast<int>(character);
    if (character >= 0x0410 && character <= 0x044F)
        return static_cast<int>(character - 0x0410 + 0xC0);
    for (size_t i = 0; i < kHighCodes.size(); ++i) {
        if (kHighCodes[i] == character) return static_cast<int>(0x80 + i);
    }
    return -1;
}

char32_t Cp1251Char(unsigned char code) {
    if (code < 0x80) return code;
    if (code >= 0xC0) return 0x0410 + (code - 0xC0);
    return kHighCodes[code - 0x80];
}

std::string Cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char c : bytes) AppendUtf8(out, Cp1251Char(c));
    return out;
}

std::optional<std::string> Utf8ToCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (char32_t c : DecodeUtf8(utf8)) {
        const int code = Cp1251Code(c);
        if (code < 0) return std::nullopt;
        out += static_cast<char>(code);
    }
    return out;
}

std::optional<std::string> FirstCharNotInCp1251(std::string_view utf8) {
    for (char32_t c : DecodeUtf8(utf8)) {
        if (Cp1251Code(c) < 0) return EncodeUtf8(std::u32string(1, c));
    }
    return std::nullopt;
}

namespace {

char32_t UpperChar(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0x0430 && c <= 0x044F) return c - 32;
    if (c >= 0x0450 && c <= 0x045F) return c - 80;  // ё, ђ, ... and the other Cyrillic extras
    return c;
}

char32_t LowerChar(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0x0410 && c <= 0x042F) return c + 32;
    if (c >= 0x0400 && c <= 0x040F) return c + 80;
    return c;
}

}  // namespace

std::string ToUpper(std::string_view utf8) {
    std::u32string chars = DecodeUtf8(utf8);
    for (char32_t& c : chars) c = UpperChar(c);
    return EncodeUtf8(chars);
}

std::string ToLower(std::string_view utf8) {
    std::u32string chars = DecodeUtf8(utf8);
    for (char32_t& c : chars) c = LowerChar(c);
    return EncodeUtf8(chars);
}

}  // namespace base
