#include "docs/ui/show_document.h"

#include <filesystem>

#include "docs/doc_path.h"
#include "platform/forms.h"
#include "text/catalogue.h"

namespace docs {

void ShowDocument(platform::AppContext& context, std::string_view storedPath) {
    const std::filesystem::path path = ResolveDocPath(context.programDir, storedPath);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        context.messages.Show(text::GetBufText(1) + " " + path.string());
        return;
    }
    context.forms.Load("frmRTF");
    context.forms.ShowModal("frmRTF");
}

}  // namespace docs
