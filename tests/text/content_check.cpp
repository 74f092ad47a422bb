#include "text/content_check.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "support/temp_dir.h"

namespace contentcheck {
namespace {

namespace fs = std::filesystem;

// The code point at s[i] and its length in bytes (a broken sequence counts as one byte).
char32_t Decode(const std::string& s, size_t i, size_t& length) {
    const auto c = static_cast<unsigned char>(s[i]);
    length = 1;
    const size_t extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (extra == 0 || i + extra >= s.size()) return c;
    char32_t cp = c & (0x3F >> extra);
    for (size_t k = 1; k <= extra; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    length = extra + 1;
    return cp;
}

bool IsCyrillic(char32_t c) { return c >= 0x0400 && c <= 0x04FF; }
bool IsLatin(char32_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsLetter(char32_t c) { return IsCyrillic(c) || IsLatin(c); }

std::string Encode(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

bool HasCyrillic(const std::string& word) {
    for (size_t i = 0, n = 0; i < word.size(); i += n)
        if (IsCyrillic(Decode(word, i, n))) return true;
    return false;
}

bool MixesScripts(const std::string& part) {
    bool latin = false, cyrillic = false;
    for (size_t i = 0, n = 0; i < part.size(); i += n) {
        const char32_t c = Decode(part, i, n);
        latin = latin || IsLatin(c);
        cyrillic = cyrillic || IsCyrillic(c);
    }
    return latin && cyrillic;
}

std::vector<std::string> SplitAtHyphens(const std::string& word) {
    std::vector<std::string> parts;
    std::stringstream stream(word);
    for (std::string part; std::getline(stream, part, '-');) parts.push_back(part);
    return parts;
}

std::string ReplaceAll(std::string s, const std::string& from, const std::string& to) {
    for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
    return s;
}

// Break tokens and item markers ("^12") become line breaks: the texts on either side are read
// apart, and no rule looks across them.
std::string WithoutMarkers(std::string s) {
    s = ReplaceAll(s, "\u00A4", "\n");
    s = ReplaceAll(s, "\u00B6", "\n");
    static const std::regex marker(R"(\^[0-9]*)");
    return std::regex_replace(s, marker, "\n");
}

void ReadTextFile(const fs::path& path, const std::string& name, std::vector<TextUnit>& units,
                  bool keyed) {
    std::ifstream in(path, std::ios::binary);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.front() == '#') continue;
        if (keyed) {
            const size_t tilde = line.find('~');
            if (tilde == std::string::npos) continue;
            line = line.substr(tilde + 1);
        }
        units.push_back({name, number, WithoutMarkers(line)});
    }
}

void ReadDocument(const fs::path& path, const std::string& name, std::vector<TextUnit>& units) {
    static const std::regex lead(R"(^(#+|-|>>) )");
    static const std::regex dashes(R"(^\|[-|: ]*\|$)");
    std::ifstream in(path, std::ios::binary);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || std::regex_search(line, dashes)) continue;
        line = std::regex_replace(line, lead, "");
        line = ReplaceAll(line, "\\*", "\x01");
        line = ReplaceAll(line, "**", "");
        line = ReplaceAll(line, "*", "");
        line = ReplaceAll(line, "\x01", "*");
        line = ReplaceAll(line, "\\|", "\x01");
        if (!line.empty() && line.front() == '|') {
            // A table row: each cell is a text of its own.
            std::stringstream row(line);
            for (std::string cell; std::getline(row, cell, '|');) {
                cell = ReplaceAll(cell, "\x01", "|");
                const size_t first = cell.find_first_not_of(' ');
                if (first == std::string::npos) continue;
                cell = cell.substr(first, cell.find_last_not_of(' ') - first + 1);
                units.push_back({name, number, WithoutMarkers(cell)});
            }
            continue;
        }
        units.push_back({name, number, WithoutMarkers(ReplaceAll(line, "\x01", "|"))});
    }
}

std::vector<fs::path> SortedFiles(const fs::path& dir, const std::string& extension) {
    std::vector<fs::path> files;
    if (!fs::is_directory(dir)) return files;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.is_regular_file() && entry.path().extension() == extension)
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

std::vector<TextUnit> ReadContent(const fs::path& contentDir) {
    std::vector<TextUnit> units;
    for (const char* folder : {"catalogue", "buffer", "forms"}) {
        for (const fs::path& file : SortedFiles(contentDir / folder, ".txt")) {
            const std::string name = std::string(folder) + "/" + file.filename().string();
            ReadTextFile(file, name, units, std::string(folder) != "buffer");
        }
    }
    for (const fs::path& file : SortedFiles(contentDir / "doc", ".md"))
        ReadDocument(file, "doc/" + file.filename().string(), units);
    return units;
}

std::vector<std::string> ReadList(const fs::path& file) {
    std::vector<std::string> entries;
    std::ifstream in(file, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.front() == '#') continue;
        entries.push_back(line);
    }
    return entries;
}

void RemoveFixedCaptions(std::vector<TextUnit>& units, const std::vector<std::string>& fixed) {
    // Longer captions first, so that a caption inside a longer one does not split it.
    std::vector<std::string> sorted = fixed;
    std::sort(sorted.begin(), sorted.end(),
              [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    for (TextUnit& unit : units)
        for (const std::string& caption : sorted)
            unit.text = ReplaceAll(unit.text, caption, "\x02");
    for (TextUnit& unit : units) unit.text = ReplaceAll(unit.text, "\x02", "\n");
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    bool pendingHyphen = false;
    auto finish = [&] {
        if (!word.empty()) words.push_back(word);
        word.clear();
        pendingHyphen = false;
    };
    for (size_t i = 0, n = 0; i < text.size(); i += n) {
        const char32_t c = Decode(text, i, n);
        if (IsLetter(c)) {
            if (pendingHyphen) word += '-';
            pendingHyphen = false;
            word += text.substr(i, n);
        } else if (c == '-' && !word.empty() && !pendingHyphen) {
            pendingHyphen = true;
        } else {
            finish();
        }
    }
    finish();
    return words;
}

std::string Lower(const std::string& word) {
    std::string out;
    for (size_t i = 0, n = 0; i < word.size(); i += n) {
        char32_t c = Decode(word, i, n);
        if (c >= 'A' && c <= 'Z')
            c += 'a' - 'A';
        else if (c >= 0x0410 && c <= 0x042F)
            c += 0x20;
        else if (c >= 0x0400 && c <= 0x040F)
            c += 0x50;
        out += n == 1 && c < 0x80 ? std::string(1, static_cast<char>(c)) : Encode(c);
    }
    return out;
}

std::vector<Finding> CheckTypography(const std::vector<TextUnit>& units) {
    struct Rule {
        std::regex pattern;
        const char* what;
    };
    static const std::vector<Rule> rules = {
        {std::regex("!!"), "several exclamation marks"},
        {std::regex(R"( [,.;:!?)])"), "a blank before a punctuation mark"},
        {std::regex(R"([^ \n]  +[^ \n])"), "a double blank"},
        {std::regex("\""), "a straight double quote (write «ёлочки»)"},
        {std::regex(R"([^ \n] - [^ \n])"), "a hyphen between blanks (write a dash: « — »)"},
    };
    std::vector<Finding> findings;
    for (const TextUnit& unit : units) {
        for (const Rule& rule : rules) {
            std::smatch match;
            if (std::regex_search(unit.text, match, rule.pattern)) {
                const size_t at = static_cast<size_t>(match.position(0));
                const size_t from = at > 30 ? at - 30 : 0;
                findings.push_back({unit.file, unit.line,
                                    std::string(rule.what) + ": …" +
                                        unit.text.substr(from, at - from + 40) + "…"});
            }
        }
        for (const std::string& word : Words(unit.text)) {
            for (const std::string& part : SplitAtHyphens(word)) {
                if (MixesScripts(part)) {
                    findings.push_back({unit.file, unit.line,
                                        "Latin and Cyrillic letters in one word: «" + word + "»"});
                }
            }
        }
    }
    return findings;
}

SpellingResult CheckSpelling(const std::vector<TextUnit>& units,
                             const std::vector<std::string>& wordList,
                             const std::string& dictionary) {
    SpellingResult result;
    std::set<std::string> known;
    for (const std::string& word : wordList) known.insert(Lower(word));

    // The words to ask about: Cyrillic parts that the word list does not know.
    std::set<std::string> asked;
    auto partsToAsk = [&](const std::string& word) {
        std::vector<std::string> parts;
        if (!HasCyrillic(word) || known.count(Lower(word))) return parts;
        for (const std::string& part : SplitAtHyphens(word))
            if (HasCyrillic(part) && !known.count(Lower(part))) parts.push_back(part);
        return parts;
    };
    for (const TextUnit& unit : units)
        for (const std::string& word : Words(unit.text))
            for (const std::string& part : partsToAsk(word)) asked.insert(part);

    if (std::system("command -v hunspell >/dev/null 2>&1") != 0) {
        result.failure =
            "hunspell is not installed: the spelling of the content cannot be checked "
            "(apt-get install hunspell hunspell-ru)";
        return result;
    }
    testsupport::TempDir dir;
    const fs::path input = dir.path() / "words.txt";
    const fs::path output = dir.path() / "misspelt.txt";
    const fs::path errors = dir.path() / "errors.txt";
    {
        std::ofstream out(input, std::ios::binary);
        for (const std::string& word : asked) out << word << '\n';
    }
    const std::string command = "hunspell -d " + dictionary + " -i utf-8 -l < \"" + input.string() +
                                "\" > \"" + output.string() + "\" 2> \"" + errors.string() + "\"";
    const int status = std::system(command.c_str());
    std::ifstream errorText(errors);
    const std::string errorMessage((std::istreambuf_iterator<char>(errorText)),
                                   std::istreambuf_iterator<char>());
    if (status != 0 || !errorMessage.empty()) {
        result.failure = "hunspell could not check the spelling with the dictionary " + dictionary +
                         " (apt-get install hunspell-ru): " + errorMessage;
        return result;
    }
    std::set<std::string> misspelt;
    for (const std::string& word : ReadList(output)) misspelt.insert(word);
    for (const TextUnit& unit : units) {
        for (const std::string& word : Words(unit.text)) {
            for (const std::string& part : partsToAsk(word)) {
                if (misspelt.count(part)) {
                    result.findings.push_back({unit.file, unit.line, "«" + word + "»"});
                    break;
                }
            }
        }
    }
    return result;
}

std::string Describe(const std::vector<Finding>& findings) {
    std::string text;
    for (const Finding& f : findings)
        text += "content/" + f.file + ":" + std::to_string(f.line) + ": " + f.what + "\n";
    return text;
}

}  // namespace contentcheck
