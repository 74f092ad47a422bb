#pragma once
// Filling the placeholders of the plan and calendar templates with the user's salutation and
// today's date.
#include <string>
#include <string_view>

#include "recommendations/template_text.h"

namespace recommendations {

// In the RTF text: six escaped bytes 255 (the letters "яяяяяя" as the document stores them).
inline constexpr std::string_view kRtfSalutationPlaceholder = "\\'ff\\'ff\\'ff\\'ff\\'ff\\'ff";
// In the plain text.
inline constexpr std::string_view kTextSalutationPlaceholder = "^^^^";
inline constexpr std::string_view kTextDatePlaceholder = "DDDDDD";
// In the RTF text.
inline constexpr std::string_view kRtfDatePlaceholder = "dd.mm.yy";

// text with every occurrence of what replaced by with (left to right, replacements not searched
// again).
std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with);

// Every RTF salutation placeholder replaced by the salutation, escaped for RTF.
std::string FillSalutationRtf(std::string_view rtf, std::string_view salutation);

// Every "dd.mm.yy" of the RTF text replaced by the date.
std::string FillDateRtf(std::string_view rtf, std::string_view date);

// The first occurrence of placeholder replaced by with, when it stands at a position above 0;
// whether it was replaced.
bool FillFirstPlaceholder(TemplateText& text, std::string_view placeholder, std::string_view with);

}  // namespace recommendations
