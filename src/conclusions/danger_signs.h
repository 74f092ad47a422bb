#pragma once
// The danger signs of the current run: answers that need a doctor soon whatever the ratings
// say. The conclusion screens list them in a framed notice that is printed with the screen.
#include <string>
#include <vector>

#include "state/shared_state.h"
#include "testing/questionnaire.h"

namespace conclusions {

struct DangerSign {
    int test = 0;      // test code (11..52)
    int question = 0;  // question number within the test
    std::string text;  // the sign in a few words
};

// The danger signs among the answers of the program under way (curProgram), test by test from
// the program's first test table to its last, questions in order. Tests not given in this run
// and questions that did not apply add nothing.
std::vector<DangerSign> DangerSignsOfRun(const state::SharedState& state,
                                         const questionnaire::CatalogLookup& lookup = {});

// The notice: its heading, one line per sign, and the closing advice; "" when there is no sign.
std::string DangerNoticeText(const std::vector<DangerSign>& signs,
                             const questionnaire::CatalogLookup& lookup = {});

}  // namespace conclusions
