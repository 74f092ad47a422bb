#include "testing/questionnaire.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "base/failure.h"
#include "base/numbers.h"
#include "state/programs.h"
#include "testing/test_rules.h"
#include "text/catalogue.h"

namespace questionnaire {
namespace {

constexpr double kClickSpacingSeconds = 0.5;
constexpr double kSecondsPerDay = 86400.0;

// The entries of a comma-separated text; an empty text has none.
std::vector<std::string> SplitAtCommas(const std::string& text) {
    std::vector<std::string> entries;
    if (text.empty()) return entries;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        entries.push_back(
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return entries;
}

// The numeric value of an entry as a 16-bit integer (blanks around it ignored).
int16_t Number(std::string_view entry) { return base::CIntText(entry); }

// A weight must be a number; anything else is the failure "type mismatch".
int16_t WeightValue(const std::string& entry) {
    if (!base::IsNumeric(entry)) throw base::TypeMismatch();
    return base::CIntText(entry);
}

// Entry i (counted from 0) of a list; reading past its end is "subscript out of range".
const std::string& Entry(const std::vector<std::string>& entries, size_t i) {
    if (i >= entries.size()) throw base::SubscriptOutOfRange();
    return entries[i];
}

// Option clicks are off while the questionnaire moves on and come back on afterwards, also when
// moving on fails, so that the page never stays dead.
class ClicksOffWhileMoving {
  public:
    explicit ClicksOffWhileMoving(bool& clicksEnabled) : clicksEnabled_(clicksEnabled) {
        clicksEnabled_ = false;
    }
    ~ClicksOffWhileMoving() { clicksEnabled_ = true; }
    ClicksOffWhileMoving(const ClicksOffWhileMoving&) = delete;
    ClicksOffWhileMoving& operator=(const ClicksOffWhileMoving&) = delete;

  private:
    bool& clicksEnabled_;
};

}  // namespace

bool IsDangerSign(const CatalogLookup& lookup, long base, int question, int answer) {
    if (answer <= 0) return false;  // not answered or not applicable
    const std::string options = lookup(base + question * 10L + kDangerOptionsItem);
    if (!options.empty() && options.front() == '?') return false;  // a missing entry: none
    for (const std::string& entry : SplitAtCommas(options)) {
        if (base::IsNumeric(entry) && Number(entry) == answer) return true;
    }
    return false;
}

std::string ReferralSentence(const CatalogLookup& lookup, long base) {
    const std::string own = lookup(base + kDangerTexts);
    if (!own.empty() && own.front() != '?') return own;
    return lookup(kSharedReferralKey);
}

std::string DangerSignText(const CatalogLookup& lookup, long base, int question) {
    return lookup(base + kDangerTexts + question);
}

std::string NextScreen::FormName() const {
    switch (kind) {
        case TestIntroduction:
            return "frmRazd";
        case ProgramResults: {
            const state::Program* known = state::ProgramOf(program);
            return known ? std::string(known->results) : "";
        }
        case Stay:
            break;
    }
    return "";
}

Questionnaire::Questionnaire(state::SharedState& state, CatalogLookup lookup)
    : state_(state), lookup_(lookup ? std::move(lookup) : CatalogLookup(text::GetCatalogText)) {}

std::string Questionnaire::Text(long key) const { return lookup_(key); }

int Questionnaire::TestIndex() const { return state_.curTest - state_.firstTest + 1; }

int16_t Questionnaire::weight(int question, int option) const {
    if (option < 1 || option > kMaxOptions) throw base::SubscriptOutOfRange();
    return weight_(question)[option - 1];
}

int Questionnaire::optionCount(int question) const {
    // Never more option buttons than the page has, never fewer than none.
    return std::clamp<int>(Number(optionCount_(question)), 0, kMaxOptions);
}

Outcome Questionnaire::Form_Load() {
    Outcome outcome;
    clicksEnabled_ = false;
    answer_.Fill(-1);
    const int testIndex = TestIndex();
    for (int i = 1; i <= kAnswerItems; ++i) {
        const int16_t kept = state_.answers(state_.curProgram, testIndex, i);
        if (kept >= 0) answer_(i) = kept;
    }
    LoadTest(outcome);
    curQuestion_ = state_.enterAtEnd ? std::max(questionCount_, 1) : 1;
    StepBackOverSkipped();
    ShowQuestion();
    clicksEnabled_ = true;
    return outcome;
}

void Questionnaire::LoadTest(Outcome& outcome) {
    state_.testKeyBase = static_cast<int32_t>(state_.curTest) * 1000;
    const long b = Base();
    const std::vector<std::string> weights = SplitAtCommas(Text(b + 9));
    const std::vector<std::string> counts = SplitAtCommas(Text(b + 8));
    questionCount_ = static_cast<int>(counts.size());
    title_ = Text(b);

    // Questions for the other sex are not applicable. Only the questions a test can have are
    // looked at: a longer list is reported below.
    const int askable = std::min(questionCount_, kMaxQuestions);
    for (int q = 1; q <= askable; ++q) {
        if (ExcludedBySex(q)) answer_(q) = 0;
    }

    // A broken definition is reported once; the test goes on with the questions read so far
    // (a question whose weights broke off keeps weight 0 for the rest of its options).
    int loaded = 0;
    try {
        for (int q = 1; q <= questionCount_; ++q) {
            optionCount_(q) = counts[static_cast<size_t>(q - 1)];
            loaded = q;
            for (int j = 1; j <= kMaxOptions; ++j) {
                weight_(q)[j - 1] =
                    WeightValue(Entry(weights, static_cast<size_t>((q - 1) * 5 + j - 1)));
            }
        }
    } catch (const base::RuntimeFailure& failure) {
        outcome.messages.push_back(failure.Message());
        questionCount_ = loaded;
    }
}

bool Questionnaire::ExcludedBySex(int question) const {
    std::string filter = base::Trim(Text(Base() + question * 10 + 7));
    if (!filter.empty() && filter.front() == '?') filter.clear();  // a missing entry: everybody
    return !filter.empty() && filter != state_.userSex;
}

int Questionnaire::ControllingQuestion(int question) const {
    return Number(Text(Base() + question * 10 + 8));
}

bool Questionnaire::HasDangerSign() const {
    for (int q = 1; q <= questionCount_; ++q) {
        if (IsDangerSign(lookup_, Base(), q, answer_(q))) return true;
    }
    return false;
}

bool Questionnaire::IsEnablingOption(int question, int option) const {
    for (const std::string& entry : SplitAtCommas(Text(Base() + question * 10 + 9))) {
        if (Number(entry) == option) return true;
    }
    return false;
}

bool Questionnaire::Applies(int question) const {
    // 0 marks a question that does not apply: one for the other sex (set at load), one that a
    // controlling answer ruled out (set when that answer was given). A question that may still
    // become due holds -1 until it is answered.
    return answer_(question) != 0;
}

void Questionnaire::StepBackOverSkipped() {
    while (curQuestion_ >= 2 && answer_(curQuestion_) == 0) --curQuestion_;
}

void Questionnaire::ShowQuestion() {
    mode_ = QuestionnaireMode::Question;
    ++questionsShown_;
}

QuestionPage Questionnaire::Page() const {
    QuestionPage page;
    page.title = title_;
    page.mode = mode_;
    page.result = result_;
    page.questionNumber = curQuestion_;
    const int asked = std::min(questionCount_, kMaxQuestions);
    for (int q = 1; q <= asked; ++q) {
        if (!Applies(q)) continue;
        ++page.applicableCount;
        if (mode_ == QuestionnaireMode::Question && q <= curQuestion_) ++page.position;
    }
    if (curQuestion_ < 1 || curQuestion_ > kMaxQuestions) return page;
    const long key = Base() + curQuestion_ * 10;
    page.question = Text(key);
    const int options = optionCount(curQuestion_);
    for (int j = 1; j <= options; ++j) page.options.push_back(Text(key + j));
    const int16_t chosen = answer_(curQuestion_);
    if (chosen > 0 && chosen <= options) page.selected = chosen;
    return page;
}

Outcome Questionnaire::Option1_Click(int index, double secondsSinceMidnight) {
    Outcome outcome;
    if (!clicksEnabled_) return outcome;
    if (lastClickTime_) {
        double elapsed = secondsSinceMidnight - *lastClickTime_;
        if (elapsed < 0) elapsed += kSecondsPerDay;  // the clock passed midnight
        if (elapsed < kClickSpacingSeconds) return outcome;
    }
    if (mode_ != QuestionnaireMode::Question || index < 1 || index > optionCount(curQuestion_)) {
        return outcome;
    }
    lastClickTime_ = secondsSinceMidnight;
    answer_(curQuestion_) = static_cast<int16_t>(index);
    ClicksOffWhileMoving moving(clicksEnabled_);

    // The questions this one controls become due (if they were not applicable) or not applicable.
    for (int i = curQuestion_; i <= questionCount_; ++i) {
        if (ControllingQuestion(i) != curQuestion_) continue;
        if (IsEnablingOption(i, index)) {
            if (answer_(i) == 0) answer_(i) = -1;
        } else {
            answer_(i) = 0;
        }
    }
    GoForward(outcome);
    return outcome;
}

Outcome Questionnaire::cmdContinue_Click() {
    Outcome outcome;
    ClicksOffWhileMoving moving(clicksEnabled_);
    GoForward(outcome);
    return outcome;
}

Outcome Questionnaire::cmdCount_Click() {
    ScoreTest();
    return {};
}

void Questionnaire::GoForward(Outcome& outcome) {
    if (mode_ == QuestionnaireMode::Result) {
        AfterTestResult(state_.curTest, state_);
        if (state_.curTest < state_.lastTest) {
            ++state_.curTest;
            outcome.next = {NextScreen::TestIntroduction, 0};
        } else {
            outcome.next = {NextScreen::ProgramResults, state_.curProgram};
        }
        return;
    }
    if (answer_(curQuestion_) < 0) {
        outcome.messages.push_back(Text(15) + std::to_string(curQuestion_));
        return;
    }
    for (;;) {
        if (curQuestion_ >= questionCount_) {
            ScoreTest();
            state_.navForward = true;
            return;
        }
        state_.navForward = false;
        ++curQuestion_;
        if (ExcludedBySex(curQuestion_)) continue;
        const int controlling = ControllingQuestion(curQuestion_);
        if (controlling == 0 || IsEnablingOption(curQuestion_, answer_(controlling))) {
            ShowQuestion();
            return;
        }
    }
}

void Questionnaire::ScoreTest() {
    const int program = state_.curProgram;
    const int testIndex = TestIndex();
    int16_t sum = 0;
    for (int q = 1; q <= questionCount_; ++q) {
        state_.answers(program, testIndex, q) = answer_(q);
        if (answer_(q) < 0) return;  // not finished: the answers up to here are kept
        if (answer_(q) > 0) sum = base::Add16(sum, weight(q, answer_(q)));
    }
    const long b = Base();
    const int16_t reversal = Number(Text(b + 7));
    const std::optional<int16_t> special = SpecialScore(
        state_.curTest, questionCount_, reversal, [this](int q) { return answer_(q); },
        [this](int q, int o) { return weight(q, o); });
    const int16_t score = special ? *special : (reversal == 0 ? sum : base::Sub16(reversal, sum));
    answer_(kScoreItem) = score;

    const std::vector<std::string> thresholds = SplitAtCommas(Text(b + 3));
    const std::vector<std::string> codes = SplitAtCommas(Text(b + 2));
    const int16_t t0 = Number(Entry(thresholds, 0));
    const int16_t t1 = Number(Entry(thresholds, 1));
    const size_t band = score < t0 ? 0 : (score <= t1 ? 1 : 2);
    const int16_t rating = Number(Entry(codes, band));

    answer_(kRatingItem) = rating;
    switch (rating) {
        case 0:
            result_ = Text(18) + "\r\n" + Text(b + 4);
            break;
        case 3:
            result_ = Text(19) + "\r\n" + Text(b + 5);
            break;
        case 5:
            result_ = Text(20) + "\r\n" + Text(b + 6);
            break;
        default:
            break;
    }
    // A danger sign sends the user to a doctor whatever the rating says.
    if ((rating == 0 || rating == 3 || rating == 5) && HasDangerSign()) {
        result_ += "\r\n\r\n" + ReferralSentence(lookup_, b);
    }
    state_.testRating(testIndex) = rating;
    state_.scoreOf(program, testIndex) = score;
    state_.ratingOf(program, testIndex) = rating;

    mode_ = QuestionnaireMode::Result;
    curQuestion_ = questionCount_;
}

Outcome Questionnaire::cmdReturn_Click() {
    Outcome outcome;
    if (mode_ == QuestionnaireMode::Result || curQuestion_ >= 2) {
        if (mode_ == QuestionnaireMode::Question) --curQuestion_;
        clicksEnabled_ = false;
        StepBackOverSkipped();
        ShowQuestion();
        clicksEnabled_ = true;
        return outcome;
    }
    const int testIndex = TestIndex();
    for (int q = 1; q <= questionCount_; ++q)
        state_.answers(state_.curProgram, testIndex, q) = answer_(q);
    outcome.next = {NextScreen::TestIntroduction, 0};
    return outcome;
}

}  // namespace questionnaire
