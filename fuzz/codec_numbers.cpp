// Windows-1251 and UTF-8 conversions keep every character they can hold; numbers as users type
// them never crash and keep to their documented ranges.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/failure.h"
#include "base/numbers.h"
#include "base/text_codec.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // Every Windows-1251 byte string survives the way through UTF-8.
    const std::string utf8 = base::Cp1251ToUtf8(bytes);
    FUZZ_CHECK(base::IsValidUtf8(utf8));
    FUZZ_CHECK(base::Utf8ToCp1251(utf8) == std::string(bytes));

    // Decoding keeps every byte as a character; well-formed text comes back byte for byte, and
    // no malformed sequence decodes to a line end that its bytes do not hold.
    const std::u32string decoded = base::DecodeUtf8(bytes);
    const std::string encoded = base::EncodeUtf8(decoded);
    if (base::IsValidUtf8(bytes)) {
        FUZZ_CHECK(encoded == bytes);
    } else {
        FUZZ_CHECK(base::IsValidUtf8(encoded));
    }
    size_t lineEnds = 0;
    for (const char c : bytes) lineEnds += c == '\n' || c == '\r';
    size_t decodedLineEnds = 0;
    for (const char32_t c : decoded) decodedLineEnds += c == U'\n' || c == U'\r';
    FUZZ_CHECK(lineEnds == decodedLineEnds);
    FUZZ_CHECK(base::CharLength(bytes) == decoded.size());
    const auto cp = base::Utf8ToCp1251(bytes);
    FUZZ_CHECK(cp.has_value() == !base::FirstCharNotInCp1251(bytes).has_value());
    if (cp) FUZZ_CHECK(cp->find_first_of("\r\n") == std::string::npos || lineEnds > 0);
    FUZZ_CHECK(base::ToUpper(base::ToLower(encoded)) == base::ToUpper(encoded));

    // Numbers.
    const double value = base::Val(bytes);
    FUZZ_CHECK(!std::isnan(value));
    if (base::IsNumeric(bytes)) {
        try {
            const int16_t rounded = base::CIntText(bytes);
            FUZZ_CHECK(std::fabs(rounded - base::Val(bytes)) <= 0.5 ||
                       bytes.find(',') != std::string_view::npos);
        } catch (const base::RuntimeFailure&) {
        }
    }
    FUZZ_CHECK(base::Trim(base::Trim(bytes)) == base::Trim(bytes));
    try {
        base::CInt(value);
    } catch (const base::RuntimeFailure&) {
        FUZZ_CHECK(!(std::fabs(value) < 32767.5));
    }
    return 0;
}
