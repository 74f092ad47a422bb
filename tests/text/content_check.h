#pragma once
// Mechanical checks of the texts under content/: spelling (hunspell with the Russian dictionary
// and the project's own word list) and the typography rules that a program can check. Captions
// that the stored data fixes are cut out of the texts before either check looks at them.
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace contentcheck {

// One piece of text as a reader meets it, with the place it is written.
struct TextUnit {
    std::string file;  // relative to the content folder, e.g. "catalogue/011.txt"
    int line = 0;
    std::string text;
};

struct Finding {
    std::string file;
    int line = 0;
    std::string what;
};

// The texts of catalogue/, buffer/, forms/ and doc/ without their markup: keys, control names,
// item markers, break tokens, Markdown marks and table bars. Comment lines are left out.
std::vector<TextUnit> ReadContent(const std::filesystem::path& contentDir);

// A list file: one entry a line, exactly as written; blank lines and lines starting with '#'
// are skipped.
std::vector<std::string> ReadList(const std::filesystem::path& file);

// Cuts every occurrence of the fixed captions out of the texts.
void RemoveFixedCaptions(std::vector<TextUnit>& units, const std::vector<std::string>& fixed);

// The words of a text: runs of letters, joined by hyphens between letters ("Д-р", "из-за").
std::vector<std::string> Words(const std::string& text);

// Lower case of Russian and Latin letters, for comparing with the word list.
std::string Lower(const std::string& word);

// "!!", a blank before punctuation, a double blank, a straight double quote, a hyphen with
// blanks where a dash belongs, Latin letters inside a Cyrillic word.
std::vector<Finding> CheckTypography(const std::vector<TextUnit>& units);

struct SpellingResult {
    std::string failure;            // non-empty when the spelling checker could not run
    std::vector<Finding> findings;  // one per misspelt word and place
};

// Every Cyrillic word that is neither in the word list (compared in lower case, as a whole or
// part by part between hyphens) nor accepted by hunspell with the given dictionary. Hunspell runs
// once for all words.
SpellingResult CheckSpelling(const std::vector<TextUnit>& units,
                             const std::vector<std::string>& wordList,
                             const std::string& dictionary = "ru_RU");

std::string Describe(const std::vector<Finding>& findings);

}  // namespace contentcheck
