#pragma once
// What every screen is given: the shared state, the program's folders and the services.
#include <filesystem>

#include "base/clock.h"
#include "platform/services.h"
#include "report/run_report.h"
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
    FileChooser& files;
    Forms& forms;
    std::filesystem::path profileDir;  // the folder of the profile files
    // The report of the run under way: each screen of the run puts in what it shows.
    report::RunReport report{};
};

}  // namespace platform
