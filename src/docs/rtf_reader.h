#pragma once
// The program's own RTF reader.
//
// The viewer keeps a document's RTF text as UTF-8: the escapes (\'hh, \uN) stay as they are
// written, and a byte 128..255 that a file holds unescaped is turned into the character it stands
// for in the document's code page. That way the RTF text can be searched and edited as an ordinary
// string (the placeholder \'ff\'ff\'ff stays \'ff\'ff\'ff), and text put into it, escaped or not,
// reads back as the same characters.
#include <string>
#include <string_view>

#include "docs/rtf_document.h"

namespace docs {

// The RTF text of a file's bytes: bytes 128..255 are read in the code page the file names with
// \ansicpg (Windows-1251 when it names none) and written as UTF-8; every other byte is kept.
std::string RtfTextFromFile(std::string_view bytes);

// Reads RTF text (UTF-8, as above) into a document. It never fails and always ends in time linear
// in the length of the text: what cannot be understood is left out, unbalanced braces and a
// missing end are tolerated, numbers are bounded, and very deep nesting is flattened. A text that
// is not RTF at all (it does not begin with "{\rtf") is shown as plain text, one paragraph a line.
//
// Understood: groups; \b \i \ul \ulnone \plain \fs \f (with the font table) \cf (with the colour
// table); \par \line \tab \page \pard \ql \qc \qr \qj \li \ri \fi \sb \sa; \'hh in the code page of
// \ansicpg (or of the font's \fcharset); \uN with \ucN; \trowd \cellx \intbl \cell \row; the
// special characters (\~ \_ \emdash \bullet ...); \{ \} \\ literals. Skipped: \* destinations,
// pictures, the style sheet, document information, headers and footers, field instructions
// (their shown result is kept) and \bin data. Hidden text (\v) is left out.
RtfDocument ReadRtf(std::string_view rtfText);

}  // namespace docs
