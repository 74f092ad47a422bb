#pragma once
// The text tables: numbered message lists ("^1Плохо^2Удовл.") and the keyed catalogue
// ("^11000~Title^11001~Introduction"). Every text the program shows is cut out of them.
#include <initializer_list>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace text {

// The break token "¤" (code 164 of Windows-1251) stands for a line break in every stored text.
inline constexpr std::string_view kBreakToken = "\u00A4";
inline constexpr std::string_view kLineBreak = "\r\n";

// s with every break token replaced by CR LF.
std::string ReplaceBreaks(std::string_view s);

// Item n of a message list, breaks replaced; "" when the list has no item n. The marker "^n" is
// matched as plain text, so item 1 of a list whose first marker is "^10" starts at the "0".
std::string GetListItem(std::string_view list, int n);

// The keyed catalogue: table i holds the keys i*1000 .. i*1000+999.
class Catalogue {
  public:
    static constexpr int kTables = 100;
    static constexpr size_t kMaxTableChars = 32767;

    // Each table is indexed once, at its first look-up; a look-up then costs one hash of the key.
    explicit Catalogue(std::map<int, std::string> tables);
    // The text of key with breaks replaced, or "?key?" (no replacement) when the key is absent.
    // A table outside 0..99 or longer than 32,767 characters is a run-time failure.
    std::string Text(long key) const;
    // The raw table text ("" for a table that does not exist).
    const std::string& Table(int index) const;

  private:
    struct Indexed {
        std::string text;
        std::once_flag indexed;
        bool tooLong = false;
        // "^key~": the key as written -> its text, up to the next "^"; the first of a key counts.
        std::unordered_map<std::string_view, std::string_view> entries;
    };
    static void Index(Indexed& table);
    // Tables are never added or removed after construction; the index of each is made once.
    mutable std::map<int, Indexed> tables_;
};

// The catalogue compiled into the program.
const Catalogue& BuiltinCatalogue();
std::string GetCatalogText(long key);

// Slot n (0..9) of the general text holder, unchanged (no break replacement); a slot outside
// 0..9 is a run-time failure.
std::string GetBufText(int n);

// The design caption of a control of a screen (content/forms); "?form.control?" when there is
// none, so that a missing text shows on screen and a content test finds it.
std::string FormText(std::string_view form, std::string_view control);
bool HasFormText(std::string_view form, std::string_view control);

// A text with its placeholders "%1".."%9" replaced by values[0], values[1], …; a placeholder
// without its value stays as it is.
std::string WithValues(std::string pattern, std::initializer_list<std::string_view> values);

}  // namespace text
