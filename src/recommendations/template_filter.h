#pragma once
// The use-instruction templates: one row of instructions for every variant a program can
// recommend, each row opened by a marker "^^" + tag (padded with blanks) + "^"; a marker with a
// blank tag closes the template. The filter keeps the rows of the recommended variants and
// deletes the others; a clean-up then removes the markers that are left.
#include <functional>
#include <string>
#include <vector>

#include "recommendations/template_text.h"

namespace recommendations {

struct TemplateRule {
    // Characters read from the start of a marker to get its tag (carets included).
    int tagWidth = 6;
    // Line breaks inside the tag are removed as well.
    bool removeLineBreaks = false;
    // Whether the row of this tag (carets removed, trimmed, lower case) is recommended.
    std::function<bool(const std::string& tag)> recommended;
    // A kept row loses its marker at once and the search goes on where it stood; a deleted row
    // without a following marker ends the pass.
    bool dropMarkerOfKeptRow = false;
};

// A rule that keeps the rows whose tags are among codes (for example "23ab", "7").
TemplateRule ListedTagsRule(int tagWidth, std::vector<std::string> codes);

// The tag of the marker at pos, as the rule reads it.
std::string ReadTag(const TemplateText& text, long pos, const TemplateRule& rule);

// Deletes the rows whose tags are not recommended, from the first marker to the closing one.
void FilterTemplate(TemplateText& text, const TemplateRule& rule);

// Clean-ups of the markers left after filtering, one per template family.
// Every "^^" loses its carets; if a "^" follows within the next 10 characters, everything up to it
// and one character more goes as well (the tag, its closing caret and the blank after it).
void RemoveTaggedMarkers(TemplateText& text);
// Every single "^" is deleted.
void RemoveCarets(TemplateText& text);
// Every "^^" is deleted (the two carets only).
void RemoveDoubleCarets(TemplateText& text);
// Every "^^" is deleted with up to two digits that follow it.
void RemoveDoubleCaretsAndDigits(TemplateText& text);

}  // namespace recommendations
