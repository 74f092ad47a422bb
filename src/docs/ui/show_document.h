#pragma once
// Shows a rich-text document of the Doc folder in the viewer, modally, or reports it missing.
#include <string_view>

#include "platform/app_context.h"
#include "platform/services.h"

namespace docs {

class frmRTF;

// The document loaded into the viewer, placed but not yet shown, for an opener that fills it or
// sets its print button before showing it. nullptr when the file is missing or cannot be read;
// the user has been told, with missingIcon on the message about a missing file.
frmRTF* OpenDocument(platform::AppContext& context, std::string_view storedPath,
                     platform::MessageBox::Icon missingIcon = platform::MessageBox::Icon::None);

// storedPath is a path below the program's directory as the screens store it ("\DOC\DZ-1-r.rtf").
void ShowDocument(platform::AppContext& context, std::string_view storedPath);

}  // namespace docs
