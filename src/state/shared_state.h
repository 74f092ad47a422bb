#pragma once
// The one set of program-wide values through which all screens cooperate: who the user is,
// which program and test are under way, the answers and ratings, the last dialog's result.
// Created at start-up with every number 0 and every string empty; lives for the whole run.
#include <cstdint>
#include <string>
#include <string_view>

#include "base/bounded_array.h"

namespace state {

enum class Sex { Man, Woman };

// The stored sex as every rule reads it: "m" is a man, every other value a woman.
inline Sex SexOf(std::string_view code) { return code == "m" ? Sex::Man : Sex::Woman; }

struct SharedState {
    // User identity.
    int16_t userNum = 0;
    std::string userFile;
    std::string userLastName;  // empty: no user known yet
    std::string userFirstName;
    int16_t userYearBirth = 0;
    std::string userSex;  // "m" or "f"
    float userHeight = 0.0f;
    int16_t userWeight = 0;
    int16_t nextTestNum = 0;

    // Navigation.
    int16_t menuChoice = 0;
    int16_t curProgram = 0;
    int16_t firstTest = 0;
    int16_t lastTest = 0;
    int16_t curTest = 0;
    int32_t testKeyBase = 0;
    bool enterAtEnd = false;
    bool navForward = false;
    int16_t dlgResult = 0;
    std::string recomForm;
    std::string breakToken;

    // answers(program 1..10, test index 1..15, item 1..35): -1 not answered, 0 not applicable,
    // 1..5 the chosen option; items 31..35 scores, ratings and values of the results screens.
    base::Array3<int16_t> answers{1, 10, 1, 15, 1, 35, 0};
    // testRating(0..100): rating code of each test of the current program and working values.
    base::Array1<float> testRating{0, 100, 0.0f};

    // Before a program starts: every cell of answers, of every program, becomes -1.
    void ResetAnswers() { answers.Fill(-1); }

    Sex sex() const { return SexOf(userSex); }

    // The cells of answers that hold results rather than answers. Each test's row keeps its
    // score and rating after the answers; rows 14 and 15 of a program are the summary rows that
    // its results screen writes.
    static constexpr int kScoreItem = 31;
    static constexpr int kRatingItem = 32;
    static constexpr int kVariantItem = 33;
    static constexpr int kAgeRow = 13;
    static constexpr int kBodyMassRow = 14;
    static constexpr int kSummaryRow = 15;

    int16_t& scoreOf(int program, int testIndex) { return answers(program, testIndex, kScoreItem); }
    int16_t scoreOf(int program, int testIndex) const {
        return answers(program, testIndex, kScoreItem);
    }
    // Rating code of a test: 0 bad, 3 satisfactory, 5 good, -1 not given.
    int16_t& ratingOf(int program, int testIndex) {
        return answers(program, testIndex, kRatingItem);
    }
    int16_t ratingOf(int program, int testIndex) const {
        return answers(program, testIndex, kRatingItem);
    }
    // Program 4: the age points (1, or 3 above 60) and the age risk rating (0 above 60, else 3).
    int16_t& agePoints(int program) { return answers(program, kAgeRow, kScoreItem); }
    int16_t& ageRating(int program) { return answers(program, kAgeRow, kRatingItem); }
    int16_t ageRating(int program) const { return answers(program, kAgeRow, kRatingItem); }
    // The body-mass index as a whole number, and the body-mass class 1..7.
    int16_t& bodyMassIndex(int program) { return answers(program, kBodyMassRow, kScoreItem); }
    int16_t& bodyMassClass(int program) { return answers(program, kBodyMassRow, kRatingItem); }
    int16_t bodyMassClass(int program) const {
        return answers(program, kBodyMassRow, kRatingItem);
    }
    // The program's total score and its overall rating code.
    int16_t& totalScore(int program) { return answers(program, kSummaryRow, kScoreItem); }
    int16_t totalScore(int program) const { return answers(program, kSummaryRow, kScoreItem); }
    int16_t& overallRating(int program) { return answers(program, kSummaryRow, kRatingItem); }
    int16_t overallRating(int program) const {
        return answers(program, kSummaryRow, kRatingItem);
    }
    // The result variant of a program that condenses its tests into one (the child program).
    int16_t& resultVariant(int program) { return answers(program, kSummaryRow, kVariantItem); }
    // Program 2: the factor the user marked on the conclusion (its catalogue key, 0 when none was
    // listed), kept with the program's results of this run so that its recommendations can be
    // built again after the conclusion screen has closed.
    static constexpr int kMarkedFactorItem = 34;
    int16_t& markedFactor() { return answers(2, kSummaryRow, kMarkedFactorItem); }
    int16_t markedFactor() const { return answers(2, kSummaryRow, kMarkedFactorItem); }

    // Working values of the current program kept in testRating beside the tests' ratings.
    // Program 1: the body-mass class, the fitness class and the overall class (0, 50, 100) of
    // its results screen, and the test scores its conclusion copies for the recommendations.
    float& bodyMassClassValue() { return testRating(15); }
    float bodyMassClassValue() const { return testRating(15); }
    float& fitnessClassValue() { return testRating(16); }
    float& overallClassValue() { return testRating(17); }
    float overallClassValue() const { return testRating(17); }
    float& copiedScore(int testIndex) { return testRating(10 + testIndex); }
    float copiedScore(int testIndex) const { return testRating(10 + testIndex); }
    // Program 4: the age points of its results screen.
    float& agePointsValue() { return testRating(33); }
    // A body-mass rating of the results screens (program 4: its body-mass class).
    float& bodyMassRating() { return testRating(34); }
    float bodyMassRating() const { return testRating(34); }
    // Program 2: the body-mass class and the overall rating its results screen derives.
    float& program2BodyMassClassValue() { return testRating(34); }
    float& program2OverallValue() { return testRating(35); }
    // Program 5: the depression-risk rating (0, 3, 5) its results screen derives from the points
    // of the two tests and the body mass; its body-mass rating stands in bodyMassClassValue().
    float& riskRatingValue() { return testRating(35); }
    float riskRatingValue() const { return testRating(35); }
};

}  // namespace state
