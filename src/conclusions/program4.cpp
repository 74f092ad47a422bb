#include "conclusions/program4.h"

#include "base/numbers.h"
#include "text/catalogue.h"

namespace conclusions {
namespace {

constexpr int kProgram = 4;
constexpr int kAge = 8;
constexpr int kExcessWeight = 9;

bool TestFlagged(const state::SharedState& state, int testIndex) {
    return state.ratingOf(kProgram, testIndex) < 5;
}

}  // namespace

long VerdictKey4(int points) {
    if (points > 5) return kVerdictHigh4;
    if (points >= 2) return kVerdictModerate4;
    return kVerdictNone4;
}

bool SourceFound4(const state::SharedState& state, int d) {
    if (d >= 1 && d <= kPrecancer4) return TestFlagged(state, d);
    if (d == kAge) return state.ageRating(kProgram) < 5;
    if (d == kExcessWeight) return state.bodyMassClass(kProgram) == 4;
    if (d == kWeightLoss4) return state.bodyMassClass(kProgram) == 1;
    return false;
}

std::string_view BookDocument4(int d) {
    static constexpr std::string_view kDocuments[kSources4] = {
        "\\Doc\\OZ-d1-r.rtf",
        "\\Doc\\OZ-d2-r.rtf",
        "\\Doc\\OZ-d3-r.rtf",
        "\\Doc\\OZ-d4-r.rtf",
        "\\Doc\\OZ-d5-r.rtf",
        "\\Doc\\OZ-d5-r.rtf",
        "",
        "\\Doc\\OZ-d6-r.rtf",
        "\\Doc\\OZ-d7-r.rtf",
        "\\Doc\\OZ-d8-r.rtf",
    };
    if (d < 1 || d > kSources4) return {};
    return kDocuments[d - 1];
}

Conclusion4 EvaluateConclusion4(const state::SharedState& state) {
    Conclusion4 result;
    if (state.bodyMassClass(kProgram) == 1) {
        result.verdictKey = kWeightLossAdvice4;
        result.weightLoss = true;
        return result;
    }
    result.verdictKey = VerdictKey4(state.totalScore(kProgram));
    for (int d = 1; d <= kSources4; ++d) {
        if (SourceFound4(state, d)) result.rows.Show(d);
    }
    for (int d = 1; d <= kSources4; ++d) {
        if (!SourceFound4(state, d)) continue;
        if (base::Trim(text::GetCatalogText(kSourceBookKey4 + d)).empty()) continue;
        if (d == kEnvironmentWork4 && TestFlagged(state, kEnvironmentHome4)) continue;
        result.books.Show(d);
    }
    return result;
}

}  // namespace conclusions
