#pragma once
// Turns a read document into a QTextDocument for the viewer and the printer. The positions of the
// QTextDocument are those the viewer's text operations count (PlainText in rtf_document.h).
#include "docs/rtf_document.h"

class QTextDocument;

namespace docs {

// Fills document (emptied first) with the content of source.
void BuildTextDocument(const RtfDocument& source, QTextDocument& document);
// Adds the content of source after what document holds, its fonts and sizes as they are.
void AppendToTextDocument(const RtfDocument& source, QTextDocument& document);

}  // namespace docs
