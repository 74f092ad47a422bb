#include "recommendations/ui/viewer_text.h"

#include <algorithm>
#include <climits>

#include "docs/ui/frm_rtf.h"

namespace recommendations {
namespace {

int Position(long value) { return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX)); }

}  // namespace

long ViewerText::Find(std::string_view what, long from) const {
    return viewer_.Find(std::string(what), Position(from));
}

std::string ViewerText::Mid(long start, long length) const {
    viewer_.SetSelection(Position(start), Position(length));
    return viewer_.SelectedText();
}

void ViewerText::Replace(long start, long length, std::string_view with) {
    viewer_.SetSelection(Position(start), Position(length));
    viewer_.ReplaceSelection(std::string(with));
}

}  // namespace recommendations
