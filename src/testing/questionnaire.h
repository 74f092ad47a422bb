#pragma once
// The questionnaire: puts the questions of one test to the user one at a time, records the chosen
// options, scores and rates the finished test and stores everything in the shared state. It holds
// what the questionnaire screen holds while it is loaded; the screen only draws its page and
// passes the user's clicks on.
//
// Every text and every scoring number of a test comes from the catalogue, B = test code x 1000:
//   B title, B+1 introduction, B+2 rating codes "c0,c1,c2", B+3 thresholds "t0,t1",
//   B+4..B+6 result texts of the ratings 0, 3 and 5, B+7 reversal value R (0: score = sum),
//   B+8 option count of each question, B+9 five weights per question,
//   B+q*10 question q, B+q*10+j option j, B+q*10+7 sex filter, B+q*10+8 controlling question,
//   B+q*10+9 the options of the controlling question that make question q due.
//
// Danger signs: some answers need a doctor whatever the score of the test.
//   B+q*10+6 the options of question q that are danger signs (comma-separated; empty or
//            missing: none), B+500+q the sign in a few words (the conclusion lists it),
//   B+500 the test's own sentence sending the user to a doctor; when it is missing, the shared
//         sentence of catalogue key 17 is used.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/bounded_array.h"
#include "state/shared_state.h"

namespace questionnaire {

// Reads a catalogue text by key (breaks already turned into CR LF; "?key?" when missing).
using CatalogLookup = std::function<std::string(long key)>;

inline constexpr int kMaxQuestions = 30;
inline constexpr int kMaxOptions = 5;
// The items after the answers: the score of the test and its rating code.
inline constexpr int kScoreItem = state::SharedState::kScoreItem;
inline constexpr int kRatingItem = state::SharedState::kRatingItem;
inline constexpr int kAnswerItems = 35;
inline constexpr long kDangerOptionsItem = 6;  // B+q*10+6
inline constexpr long kDangerTexts = 500;      // B+500 referral, B+500+q the sign of question q
inline constexpr long kSharedReferralKey = 17;

// Whether option `answer` of question q of the test at key base B is a danger sign.
bool IsDangerSign(const CatalogLookup& lookup, long base, int question, int answer);
// The sentence that sends the user to a doctor when the test's answers hold a danger sign.
std::string ReferralSentence(const CatalogLookup& lookup, long base);
// The short description of the danger sign of question q.
std::string DangerSignText(const CatalogLookup& lookup, long base, int question);

enum class QuestionnaireMode { Question, Result };

// Where the user goes next after an action of the questionnaire.
struct NextScreen {
    enum Kind { Stay, TestIntroduction, ProgramResults };
    Kind kind = Stay;
    int program = 0;  // ProgramResults: the program whose results screen opens

    // "frmRazd", "frmRezult1".."frmRezult5", or "" for Stay.
    std::string FormName() const;
};

// What an action asks of the screen: messages to show in order, then the screen to open.
struct Outcome {
    std::vector<std::string> messages;
    NextScreen next;
};

// Everything the screen draws.
struct QuestionPage {
    std::string title;
    QuestionnaireMode mode = QuestionnaireMode::Question;
    int questionNumber = 1;
    // Where the user is among the questions that apply to them ("Вопрос 3 из 10"): questions
    // for the other sex and those a controlling answer has ruled out are not counted; a question
    // whose controlling question is still unanswered is. position is 0 on the result.
    int position = 0;
    int applicableCount = 0;
    std::string question;
    std::vector<std::string> options;  // captions of the visible options, option 1 first
    int selected = 0;                  // 1..5, or 0 when no option is chosen
    std::string result;                // rating word, line break, result text (result mode),
                                       // and the referral when an answer is a danger sign
};

class Questionnaire {
  public:
    explicit Questionnaire(state::SharedState& state, CatalogLookup lookup = {});

    // Prepares the test curTest and shows its first question, or its last applicable one when
    // enterAtEnd is set. Answers kept in the shared state are restored. A broken test
    // definition is reported in the messages and the questionnaire goes on with what was read.
    Outcome Form_Load();

    // The user chose option index (1..5) at secondsSinceMidnight: records it and moves on.
    // Ignored while clicks are disabled or less than half a second after the last accepted one.
    Outcome Option1_Click(int index, double secondsSinceMidnight);
    Outcome cmdContinue_Click();
    Outcome cmdCount_Click();
    Outcome cmdReturn_Click();

    QuestionPage Page() const;
    QuestionnaireMode mode() const { return mode_; }
    int curQuestion() const { return curQuestion_; }
    int questionCount() const { return questionCount_; }
    int16_t answer(int item) const { return answer_(item); }
    int16_t weight(int question, int option) const;
    int optionCount(int question) const;
    bool clicksEnabled() const { return clicksEnabled_; }
    // Grows by one each time a question is put on the page; the screen locks the page then.
    int questionsShown() const { return questionsShown_; }

  private:
    std::string Text(long key) const;
    int TestIndex() const;
    long Base() const { return state_.testKeyBase; }

    void LoadTest(Outcome& outcome);
    void ShowQuestion();
    void GoForward(Outcome& outcome);
    void ScoreTest();
    void StepBackOverSkipped();
    bool ExcludedBySex(int question) const;
    bool IsEnablingOption(int question, int option) const;
    bool Applies(int question) const;
    int ControllingQuestion(int question) const;
    bool HasDangerSign() const;

    state::SharedState& state_;
    CatalogLookup lookup_;

    base::Array1<int16_t> answer_{1, kAnswerItems, -1};
    base::Array1<std::array<int16_t, kMaxOptions>> weight_{1, kMaxQuestions, {}};
    base::Array1<std::string> optionCount_{1, kMaxQuestions};
    int curQuestion_ = 1;
    int questionCount_ = 0;
    bool clicksEnabled_ = false;
    std::optional<double> lastClickTime_;

    std::string title_;
    std::string result_;
    QuestionnaireMode mode_ = QuestionnaireMode::Question;
    int questionsShown_ = 0;
};

}  // namespace questionnaire
