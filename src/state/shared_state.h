#pragma once
// The one set of program-wide values through which all screens cooperate: who the user is,
// which program and test are under way, the answers and ratings, the last dialog's result.
// Created at start-up with every number 0 and every string empty; lives for the whole run.
#include <cstdint>
#include <string>

#include "base/bounded_array.h"

namespace state {

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
};

}  // namespace state
