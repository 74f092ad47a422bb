#include "recommendations/template_filter.h"

#include <algorithm>

#include "base/numbers.h"
#include "base/text_codec.h"

namespace recommendations {
namespace {

constexpr std::string_view kMarker = "^^";
// A row's marker is at most this long: the next marker is searched beyond it.
constexpr long kMarkerSkip = 7;

void RemoveAll(std::string& s, std::string_view what) {
    for (size_t at; (at = s.find(what)) != std::string::npos;) s.erase(at, what.size());
}

bool IsDigit(const std::string& character) {
    return character.size() == 1 && character[0] >= '0' && character[0] <= '9';
}

}  // namespace

TemplateRule ListedTagsRule(int tagWidth, std::vector<std::string> codes) {
    TemplateRule rule;
    rule.tagWidth = tagWidth;
    rule.recommended = [codes = std::move(codes)](const std::string& tag) {
        return std::find(codes.begin(), codes.end(), tag) != codes.end();
    };
    return rule;
}

std::string ReadTag(const TemplateText& text, long pos, const TemplateRule& rule) {
    std::string tag = text.Mid(pos, rule.tagWidth);
    RemoveAll(tag, "^");
    if (rule.removeLineBreaks) {
        RemoveAll(tag, "\r");
        RemoveAll(tag, "\n");
    }
    return base::ToLower(base::Trim(tag));
}

void FilterTemplate(TemplateText& text, const TemplateRule& rule) {
    long pos = text.Find(kMarker, 0);
    while (pos >= 0) {
        const std::string tag = ReadTag(text, pos, rule);
        if (tag.empty()) break;
        if (rule.recommended && rule.recommended(tag)) {
            if (rule.dropMarkerOfKeptRow) {
                text.Replace(pos, rule.tagWidth, "");
                pos = text.Find(kMarker, pos);
            } else {
                pos = text.Find(kMarker, pos + kMarkerSkip);
            }
            continue;
        }
        const long next = text.Find(kMarker, pos + kMarkerSkip);
        // Without a following marker the template is not closed: the row is left as it is.
        if (next < 0) break;
        text.Replace(pos, next - pos, "");
        pos = text.Find(kMarker, pos);
    }
}

void RemoveTaggedMarkers(TemplateText& text) {
    for (long pos = text.Find(kMarker, 0); pos >= 0; pos = text.Find(kMarker, pos)) {
        text.Replace(pos, static_cast<long>(kMarker.size()), "");
        const std::u32string following = base::DecodeUtf8(text.Mid(pos, 10));
        const size_t caret = following.find(U'^');
        if (caret != std::u32string::npos) text.Replace(pos, static_cast<long>(caret) + 2, "");
    }
}

void RemoveCarets(TemplateText& text) {
    for (long pos = text.Find("^", 0); pos >= 0; pos = text.Find("^", pos))
        text.Replace(pos, 1, "");
}

void RemoveDoubleCarets(TemplateText& text) {
    for (long pos = text.Find(kMarker, 0); pos >= 0; pos = text.Find(kMarker, pos)) {
        text.Replace(pos, static_cast<long>(kMarker.size()), "");
    }
}

void RemoveDoubleCaretsAndDigits(TemplateText& text) {
    for (long pos = text.Find(kMarker, 0); pos >= 0; pos = text.Find(kMarker, pos)) {
        text.Replace(pos, static_cast<long>(kMarker.size()), "");
        for (int i = 0; i < 2 && IsDigit(text.Mid(pos, 1)); ++i) text.Replace(pos, 1, "");
    }
}

}  // namespace recommendations
