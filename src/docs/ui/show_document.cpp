#include "docs/ui/show_document.h"

#include <filesystem>

#include "docs/doc_path.h"
#include "docs/ui/frm_rtf.h"
#include "platform/forms.h"
#include "text/catalogue.h"

namespace docs {

namespace {
constexpr const char* kViewer = "frmRTF";

// A viewer an opener loaded for this document and that will now not be shown goes again, so that
// what the opener set on it (the print button) does not stay for the next document.
void UnloadHiddenViewer(platform::AppContext& context) {
    QWidget* viewer = context.forms.Find(kViewer);
    if (viewer && !viewer->isVisible()) context.forms.Unload(kViewer);
}
}  // namespace

frmRTF* OpenDocument(platform::AppContext& context, std::string_view storedPath,
                     platform::MessageBox::Icon missingIcon) {
    const std::filesystem::path path = ResolveDocPath(context.programDir, storedPath);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        UnloadHiddenViewer(context);
        context.messages.Show(text::GetBufText(1) + " " + path.string(),
                              platform::MessageBox::Buttons::Ok, missingIcon);
        return nullptr;
    }
    auto* viewer = qobject_cast<frmRTF*>(context.forms.Load(kViewer));
    if (!viewer) return nullptr;
    context.forms.Place(viewer, 50, 400);
    if (!viewer->LoadFile(path)) {
        UnloadHiddenViewer(context);
        context.messages.Show(text::FormText(kViewer, "msgUnreadable") + " " + path.string(),
                              platform::MessageBox::Buttons::Ok,
                              platform::MessageBox::Icon::Warning);
        return nullptr;
    }
    return viewer;
}

void ShowDocument(platform::AppContext& context, std::string_view storedPath) {
    if (OpenDocument(context, storedPath)) context.forms.ShowModal(kViewer);
}

}  // namespace docs
