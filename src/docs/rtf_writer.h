#pragma once
// Writes a document back as RTF text: what the viewer hands out as its RTF text once the document
// has been edited through its text operations.
#include <string>

#include "docs/rtf_document.h"

namespace docs {

// Windows-1251 RTF in ASCII: characters of the code page as \'hh, every other one as \uN.
// Reading the result gives the same document again.
std::string WriteRtf(const RtfDocument& document);

}  // namespace docs
