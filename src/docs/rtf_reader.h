#pragma once
// The program's own RTF reader.
//
// The viewer keeps a document's RTF text as UTF-8. A file's RTF text is its bytes with every byte
// 128..255 that the file holds unescaped written as the escape \'hh, so that it is plain ASCII
// whichever way the file was written and a placeholder such as \'ff\'ff\'ff is found in it (an
// escaped byte means the same as the byte itself). Text put into the RTF text may also hold any
// character as itself, in UTF-8: it reads back as that character ("Ё" left unescaped by RtfEscape).
#include <string>
#include <string_view>

#include "docs/rtf_document.h"

namespace docs {

// The RTF text of a file's bytes: every byte 128..255 becomes \'hh, except the bytes of \bin data,
// which are kept one character each. A file that is not RTF is taken as Windows-1251 text (or as
// UTF-8 text when it begins with the UTF-8 mark).
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
