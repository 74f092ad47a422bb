#include "conclusions/program1.h"

#include "base/numbers.h"
#include "text/catalogue.h"

namespace conclusions {
namespace {

// A score below this marks a weak point.
constexpr int kWeakBelow = 71;

}  // namespace

int AdviceItem(int overall, int bodyMassClass) {
    if (overall == 100) return 1;  // a good rating whatever the body mass
    if (bodyMassClass < 1 || bodyMassClass > 6) return 0;
    // Columns: class 6, 5, 4, 3, 2, 1.
    static constexpr int kFair[6] = {2, 4, 5, 8, 9, 10};
    static constexpr int kPoor[6] = {3, 6, 7, 8, 9, 10};
    switch (overall) {
        case 50:
            return kFair[6 - bodyMassClass];
        case 0:
            return kPoor[6 - bodyMassClass];
        default:
            return 0;
    }
}

std::string_view BookDocument1(int member) {
    static constexpr std::string_view kDocuments[kBookCount1] = {
        "\\DOC\\11-1-5-k.rtf", "\\DOC\\11-1-3-k.rtf", "\\DOC\\11-1-1.rtf",
        "\\DOC\\11-1-2-k.rtf", "\\DOC\\11-1-4.rtf",   "\\DOC\\11-1-6-k.rtf",
    };
    if (member < 1 || member > kBookCount1) return {};
    return kDocuments[member - 1];
}

Conclusion1 EvaluateConclusion1(state::SharedState& state, const Conclusion1Lists& lists) {
    Conclusion1 result;

    // The rating word.
    const int overall = base::CInt(state.overallClassValue());
    if (overall == 0) result.ratingWord = text::GetListItem(lists.ratingWords, 3);
    if (overall == 50) result.ratingWord = text::GetListItem(lists.ratingWords, 2);
    if (overall == 100) {
        result.ratingWord = text::GetListItem(lists.ratingWords, 1);
        result.findingsCaptionVisible = false;
    }

    // The advice paragraph.
    const int bodyMassClass = base::CInt(state.bodyMassClassValue());
    if (const int item = AdviceItem(overall, bodyMassClass); item != 0) {
        result.advice = text::GetListItem(lists.advice, item);
    }

    // The scores the findings and the articles look at.
    for (int t = 1; t <= 4; ++t) state.copiedScore(t) = state.scoreOf(state.curProgram, t);

    // The findings: one line per weak point; at most one of the two stress findings.
    const int s1 = base::CInt(state.copiedScore(1)), s2 = base::CInt(state.copiedScore(2));
    const int s3 = base::CInt(state.copiedScore(3)), s4 = base::CInt(state.copiedScore(4));
    const bool found[5] = {s1 < kWeakBelow, s2 < kWeakBelow,
                           s3<kWeakBelow, s4> 35 && s4 < kWeakBelow, s4 < 36};
    result.findings = "\r\n";
    for (int item = 1; item <= 5; ++item) {
        if (!found[item - 1]) continue;
        result.findings += text::GetListItem(lists.findings, item) + "\r\n";
        ++result.findingsCount;
    }
    if (result.findingsCount == 0) result.findingsCaptionVisible = false;

    // The articles, stacked in the order of their rules.
    for (int t = 1; t <= 4; ++t) {
        if (state.copiedScore(t) < kWeakBelow) result.books.Show(t);
    }
    const float bodyMass = state.bodyMassClassValue();
    if (bodyMass == 1.0f) result.books.Show(6);
    if (bodyMass > 1.0f && bodyMass < 5.0f) result.books.Show(5);
    if (result.books.count() == 0) result.booksCaptionVisible = false;
    return result;
}

}  // namespace conclusions
