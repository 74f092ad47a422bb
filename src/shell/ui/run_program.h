#pragma once
// The program launcher: a program item of the main menu closes the screens of the previous
// program, asks whether the user is new or returning, has them register or log in, checks the
// age and opens the introduction of the program.
#include "platform/app_context.h"

namespace shell {

// item 21..25, with menuChoice already set to the same number.
void RunProgram(platform::AppContext& context, int item);

}  // namespace shell
