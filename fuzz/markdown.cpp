// The document generator: a source it accepts becomes plain-ASCII RTF that the program's reader
// reads, and writing that document and reading it again changes nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "docs/markdown_rtf.h"
#include "docs/rtf_reader.h"
#include "docs/rtf_writer.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view source(reinterpret_cast<const char*>(data), size);
    if (!docs::SourceProblem(source).empty()) return 0;
    const std::string rtf = docs::MarkdownToRtf(source);
    for (const char c : rtf) FUZZ_CHECK(c > 0 && c < 0x7F);
    FUZZ_CHECK(rtf.starts_with("{\\rtf1"));
    const docs::RtfDocument document = docs::ReadRtf(rtf);
    FUZZ_CHECK(docs::ReadRtf(docs::WriteRtf(document)) == document);
    return 0;
}
