#pragma once
// Printing a screen as its image: the buttons are hidden for the print and always come back.
#include <vector>

#include "platform/app_context.h"

class QWidget;

namespace widgets {

// Hides each button, prints the screen's image, shows each button again. Every hide, the print
// and every show is a step of its own: a failing step is reported (error number, a blank, the
// description; critical icon) and the next step runs. Buttons are shown again only if they were
// visible before.
void PrintScreen(platform::AppContext& context, QWidget& screen,
                 const std::vector<QWidget*>& buttons);

}  // namespace widgets
