#pragma once
// The results and conclusion screens are wider than the main window is at start: when one of
// them opens, the main window grows so that the screen fits beside its place (never beyond the
// desktop, and never shrinking a window the user made larger).
#include "platform/app_context.h"

class QWidget;

namespace widgets {

void MakeRoomInMainWindow(platform::AppContext& context, const QWidget& screen, int topTwips,
                          int leftTwips);

}  // namespace widgets
