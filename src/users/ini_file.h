#pragma once
// The profile files' only door: reading and writing single values of a private-profile (INI)
// file in Windows-1251, with the properties the profiles rely on (see ini_document.h for the
// format). Names and values are UTF-8 on this side.
//
// Reading many values of one file in a row costs one parse: a parsed file is kept and used again
// as long as the file on disk is unchanged (same inode, size and modification times).
// Every write replaces the file in one step (file_replace.h) and says whether it succeeded.
#include <string>
#include <string_view>
#include <vector>

namespace users {

// At most this many characters of a value are returned; a longer value is cut.
inline constexpr size_t kMaxValueChars = 254;

// The value of key in section of file with blanks around it dropped, at most 254 characters; the
// default when the file, the section or the key is absent or the file cannot be read.
std::string ReadIni(const std::string& file, std::string_view section, std::string_view key,
                    std::string_view defaultValue);

// Several values of one section (each as ReadIni gives it), reading the file only as far as the
// section goes: listing many large profiles costs their first lines only.
std::vector<std::string> ReadIniSection(const std::string& file, std::string_view section,
                                        const std::vector<std::string_view>& keys,
                                        std::string_view defaultValue);

struct WriteResult {
    bool ok = true;
    int error = 0;       // errno of the failing step, or EILSEQ for a value the file cannot hold
    std::string reason;  // what went wrong, in words for the user ("на диске нет места")
    explicit operator bool() const { return ok; }
};

// A system error (errno) of a profile write, in words for the user.
std::string SystemErrorReason(int error);

struct IniEntry {
    std::string section;
    std::string key;
    std::string value;
};

// Writes key = value into section of file, creating the file (readable by its owner only), the
// section and the key as needed; an existing key keeps its place. Every CR and every LF of the
// value becomes one blank. On failure the file is as it was before.
[[nodiscard]] WriteResult WriteIni(const std::string& file, std::string_view section,
                                   std::string_view key, std::string_view value);
// Several values in one step, applied in their order: either all are written or none.
[[nodiscard]] WriteResult WriteIni(const std::string& file, const std::vector<IniEntry>& entries);

// The message for the user about a failed write: which file, why, and that nothing was saved.
std::string WriteFailureText(const std::string& file, const WriteResult& result);

}  // namespace users
