#include "conclusions/danger_signs.h"

#include <algorithm>

#include "base/numbers.h"
#include "text/catalogue.h"

namespace conclusions {
namespace {

constexpr long kNoticeHeadingKey = 28;
constexpr long kNoticeClosingKey = 29;

questionnaire::CatalogLookup OrBuiltin(const questionnaire::CatalogLookup& lookup) {
    return lookup ? lookup : questionnaire::CatalogLookup(text::GetCatalogText);
}

// The number of questions of a test: the entries of its option counts.
int QuestionCount(const questionnaire::CatalogLookup& lookup, long base) {
    const std::string counts = lookup(base + 8);
    if (counts.empty() || counts.front() == '?') return 0;
    const int entries = static_cast<int>(std::count(counts.begin(), counts.end(), ',')) + 1;
    return std::min(entries, questionnaire::kMaxQuestions);
}

// A program header number (first or last test table); 0 when it is not a number.
int HeaderNumber(const questionnaire::CatalogLookup& lookup, long key) {
    const std::string value = lookup(key);
    return base::IsNumeric(value) ? base::CIntText(value) : 0;
}

}  // namespace

std::vector<DangerSign> DangerSignsOfRun(const state::SharedState& state,
                                         const questionnaire::CatalogLookup& given) {
    const questionnaire::CatalogLookup lookup = OrBuiltin(given);
    std::vector<DangerSign> signs;
    const int program = state.curProgram;
    if (program < 1 || program > 5) return signs;
    const int first = HeaderNumber(lookup, program * 100L + 2);
    const int last = HeaderNumber(lookup, program * 100L + 3);
    // The answers hold at most 15 tests of a program.
    for (int test = first; first > 0 && test <= last && test - first + 1 <= 15; ++test) {
        const long base = test * 1000L;
        const int index = test - first + 1;
        const int questions = QuestionCount(lookup, base);
        for (int q = 1; q <= questions; ++q) {
            const int answer = state.answers(program, index, q);
            if (questionnaire::IsDangerSign(lookup, base, q, answer)) {
                signs.push_back({test, q, questionnaire::DangerSignText(lookup, base, q)});
            }
        }
    }
    return signs;
}

std::string DangerNoticeText(const std::vector<DangerSign>& signs,
                             const questionnaire::CatalogLookup& given) {
    if (signs.empty()) return "";
    const questionnaire::CatalogLookup lookup = OrBuiltin(given);
    std::string notice = lookup(kNoticeHeadingKey);
    for (const DangerSign& sign : signs) notice += "\r\n— " + sign.text;
    notice += "\r\n" + lookup(kNoticeClosingKey);
    return notice;
}

}  // namespace conclusions
