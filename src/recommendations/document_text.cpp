#include "recommendations/document_text.h"

#include <algorithm>
#include <climits>

namespace recommendations {
namespace {

int Position(long value) { return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX)); }

}  // namespace

long DocumentText::Find(std::string_view what, long from) const {
    return document_.Find(what, Position(from));
}

std::string DocumentText::Mid(long start, long length) const {
    document_.SetSelection(Position(start), Position(length));
    return document_.SelectedText();
}

void DocumentText::Replace(long start, long length, std::string_view with) {
    document_.SetSelection(Position(start), Position(length));
    document_.ReplaceSelection(with);
}

}  // namespace recommendations
