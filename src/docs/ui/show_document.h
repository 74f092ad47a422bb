#pragma once
// Shows a rich-text document of the Doc folder in the viewer, modally, or reports it missing.
#include <string_view>

#include "platform/app_context.h"

namespace docs {

// storedPath is a path below the program's directory as the screens store it ("\DOC\DZ-1-r.rtf").
void ShowDocument(platform::AppContext& context, std::string_view storedPath);

}  // namespace docs
