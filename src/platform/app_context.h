#pragma once
// What every screen is given: the shared state, the program's folders and the services.
#include <filesystem>

#include "base/clock.h"
#include "platform/services.h"
#include "state/shared_state.h"

namespace platform {

class Forms;

struct AppContext {
    state::SharedState& state;
    std::filesystem::path programDir;  // the folder that holds Doc/
    base::Clock& clock;
    MessageBox& messages;
    Printer& printer;
    Shell& shell;
    Forms& forms;
    std::filesystem::path profileDir;  // the folder of the profile files
};

}  // namespace platform
