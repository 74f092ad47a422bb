#pragma once
// One private-profile (INI) file held in memory as its Windows-1251 bytes, line by line, so that
// a value is found without another parse and a change touches only its own line: every other
// byte of the file (comments, blank lines, spacing, letter case, line ends) comes out as it came
// in.
//
// Rules of the format, as Windows applies them:
// - "[name]" starts a section (blanks before "[" allowed); lines before the first one belong to
//   no section;
// - "key=value" is an entry; blanks around the key and around the value do not count;
// - section and key names are matched without regard to letter case (Latin and Cyrillic);
// - the first section of a name and the first entry of a key in it are the ones used;
// - lines starting with ";" or "#" are comments.
// All names and values passed in and out are bytes of the file's own encoding: Windows-1251, or
// UTF-8 for a file saved that way by an editor (IsUtf8). A UTF-8 byte-order mark at the start of
// the file is kept and does not belong to the first line.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace users {

class IniDocument {
  public:
    IniDocument() : IniDocument(std::string()) {}
    explicit IniDocument(std::string bytes);
    // A part of a file whose encoding the whole has decided.
    IniDocument(std::string bytes, bool utf8);

    // The value of key in section with blanks around it dropped, or nullopt when the section or
    // the key is absent.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
    // Whether the section exists and another section follows it: the caller of a file read only
    // in part knows from this that the section is complete.
    bool SectionIsClosed(std::string_view section) const;

    // Writes key = value: an existing entry gets the new value where it stands (the text up to
    // its "=" kept as it was); a new key goes after the last entry of its section; a missing
    // section is added at the end of the file. value must be one line (no CR, no LF).
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // The whole file.
    std::string Bytes() const;

    // Whether the file is UTF-8 rather than Windows-1251: it begins with the UTF-8 byte-order
    // mark, or its first line with a byte beyond ASCII is well-formed UTF-8 (a line of
    // Windows-1251 letters almost never is). Decided by that line, a file read only as far as a
    // section is taken the same way as the whole file.
    bool IsUtf8() const { return utf8_; }
    static bool LooksLikeUtf8(std::string_view bytes);
    // A UTF-8 file with bytes elsewhere that are not UTF-8: it has no one encoding that a write
    // could keep.
    bool IsMixed() const { return mixed_; }

    // The name of the section a line starts (the line without its line end), or nullopt when it
    // starts none.
    static std::optional<std::string_view> HeaderName(std::string_view line);

  private:
    enum class Kind : uint8_t { Other, Header, Entry };
    struct Line {
        std::string_view text;  // without its line end
        // "\r\n", "\n", or for the last line of a file without a final line feed "\r" or "".
        std::string_view ending;
        Kind kind = Kind::Other;
        std::string_view key;     // Entry: the name, blanks dropped
        uint32_t valueStart = 0;  // Entry: offset of the value in text (just after "=")
    };
    struct Section {
        std::string_view name;    // as written; empty for the lines before the first section
        std::vector<Line> lines;  // a named section's lines[0] is its header
    };

    static Line ParseLine(std::string_view text, std::string_view ending);
    std::string_view Keep(std::string text);
    int FindSection(std::string_view name) const;

    std::vector<std::shared_ptr<const std::string>> storage_;  // the bytes every view points into
    std::vector<Section> sections_;                  // [0]: lines before the first section
    std::unordered_map<std::string, size_t> index_;  // folded name -> first such section
    std::string_view newline_ = "\r\n";              // line end of new lines
    std::string_view mark_;                          // the byte-order mark, when there is one
    bool utf8_ = false;
    bool mixed_ = false;
};

// A name with its letters folded to upper case, for matching names: Latin and Cyrillic letters
// of Windows-1251 bytes, or Latin letters only of UTF-8 (utf8).
std::string FoldCase(std::string_view name, bool utf8 = false);
bool EqualFolded(std::string_view a, std::string_view b, bool utf8 = false);

}  // namespace users
