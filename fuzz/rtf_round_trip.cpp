// The RTF reader takes any bytes; what it reads, the writer writes as plain ASCII that reads back
// as the same document.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "docs/rtf_reader.h"
#include "docs/rtf_writer.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const docs::RtfDocument document = docs::ReadRtf(docs::RtfTextFromFile(bytes));
    const std::string written = docs::WriteRtf(document);
    for (const char c : written) FUZZ_CHECK(c > 0 && c < 0x7F);
    FUZZ_CHECK(docs::ReadRtf(written) == document);
    // The text as the viewer keeps it (UTF-8, possibly with raw letters) reads as well.
    docs::ReadRtf(bytes);
    return 0;
}
