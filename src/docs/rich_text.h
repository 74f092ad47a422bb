#pragma once
// The content of the document viewer and the text operations that opening screens use on it:
// the whole RTF text, the plain text, find, selection and replacing the selection.
//
// Positions count the characters (Unicode code points) of the plain text as the viewer shows it,
// from 0: paragraphs are separated by one line feed, a line break within a paragraph is one line
// feed, and a table takes one position before each of its cells and one after its last cell (see
// PlainText in rtf_document.h).
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "docs/rtf_document.h"

namespace docs {

class RichText {
  public:
    // Files larger than this are read up to this size, like a file cut short.
    static constexpr size_t kMaxFileBytes = 32u << 20;

    enum class LoadResult { Loaded, Unreadable };
    // Reads a file as RTF (see RtfTextFromFile for how its bytes become the RTF text).
    LoadResult LoadFile(const std::filesystem::path& path);

    // The whole RTF text, UTF-8 (see rtf_reader.h): as it was loaded or set, or, after an edit
    // through ReplaceSelection, the edited document written out again.
    const std::string& RtfText() const;
    // Replaces the whole content; the selection goes to the start.
    void SetRtfText(std::string rtfText);
    void Clear() { SetRtfText(""); }

    const RtfDocument& Document() const { return document_; }
    std::string PlainText() const;
    int Length() const { return static_cast<int>(plain_.size()); }

    // The position of the first occurrence of text at or after `from`; -1 when there is none or
    // text is empty. Letters are compared exactly; a line break in text matches one in the
    // document whether it is written CR LF or LF.
    int Find(std::string_view text, int from = 0) const;

    // Positions outside the text are brought to its nearest end.
    void SetSelection(int start, int length);
    int SelectionStart() const { return selectionStart_; }
    int SelectionLength() const { return selectionLength_; }
    std::string SelectedText() const;

    // Replaces the selected characters by text in the format of the first selected character (or of
    // the character before the caret); afterwards the caret stands after the new text. CR LF in
    // text becomes a line break. A selection spanning paragraphs joins them. In a table, a
    // selection from the start of a row's first cell to the start of a later row's first cell (or
    // past the table's end) removes those rows; a selection that cuts through cells otherwise
    // only removes their text and leaves the table as it is.
    void ReplaceSelection(std::string_view text);

    // The position in UTF-16 code units (as Qt counts) of a position in characters.
    int Utf16Position(int position) const;

  private:
    void Reparse();
    void Edited();

    std::string rtf_;
    bool edited_ = false;
    mutable std::optional<std::string> rewritten_;
    RtfDocument document_ = EmptyDocument();
    std::u32string plain_;
    int selectionStart_ = 0;
    int selectionLength_ = 0;

    static RtfDocument EmptyDocument();
};

}  // namespace docs
