#pragma once
// Closing a screen of a running program asks "Прервать тест ?" first.
#include "platform/app_context.h"

namespace widgets {

// Shows the abort dialog modally; true when the user confirmed ("ДА").
bool ConfirmAbort(platform::AppContext& context);

}  // namespace widgets
