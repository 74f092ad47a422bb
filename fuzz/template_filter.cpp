// The use-instruction filter and its clean-ups take any template and any tag rule, end, and
// leave no marker that the clean-up removes.
#include "recommendations/template_filter.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/failure.h"
#include "fuzz_check.h"
#include "recommendations/template_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const uint8_t flags = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    recommendations::TemplateRule rule;
    rule.tagWidth = 3 + (flags & 7);
    rule.removeLineBreaks = (flags & 8) != 0;
    rule.dropMarkerOfKeptRow = (flags & 16) != 0;
    rule.recommended = [](const std::string& tag) { return !tag.empty() && tag.size() % 2 == 1; };

    recommendations::PlainTemplateText filtered(text);
    try {
        recommendations::FilterTemplate(filtered, rule);
    } catch (const base::RuntimeFailure&) {
    }
    switch ((flags >> 5) & 3) {
        case 0:
            recommendations::RemoveCarets(filtered);
            FUZZ_CHECK(filtered.Find("^", 0) < 0);
            break;
        case 1:
            recommendations::RemoveDoubleCarets(filtered);
            break;
        case 2:
            recommendations::RemoveDoubleCaretsAndDigits(filtered);
            break;
        default:
            recommendations::RemoveTaggedMarkers(filtered);
            break;
    }
    // Whatever is left is text a document can take.
    FUZZ_CHECK(filtered.Text().size() <= 4 * text.size() + 4);
    return 0;
}
