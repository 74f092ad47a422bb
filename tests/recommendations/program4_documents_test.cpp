// The documents program 4's conclusion and recommendations open, as the build puts them beside
// the program: every article, every preparation in every variant its lists can give, and a row of
// the use table for each.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "conclusions/program4.h"
#include "docs/doc_path.h"
#include "docs/rich_text.h"
#include "recommendations/program4.h"
#include "recommendations/template_text.h"

namespace {

using namespace recommendations;

const std::filesystem::path kProgramDir = TEST_BUILD_DIR;

docs::RichText Load(const std::string& storedPath) {
    docs::RichText document;
    const std::filesystem::path path = docs::ResolveDocPath(kProgramDir, storedPath);
    EXPECT_EQ(document.LoadFile(path), docs::RichText::LoadResult::Loaded) << path;
    return document;
}

// The tags of the row markers of a template, read as the use table reads them: from one marker
// to the next beyond it, up to the blank marker that closes the rows. `closed` tells whether that
// marker was found.
std::vector<std::string> RowTags(const TemplateText& text, const TemplateRule& rule,
                                 bool* closed = nullptr) {
    std::vector<std::string> tags;
    if (closed) *closed = false;
    for (long pos = text.Find("^^", 0); pos >= 0; pos = text.Find("^^", pos + 7)) {
        const std::string tag = ReadTag(text, pos, rule);
        if (tag.empty()) {
            if (closed) *closed = true;
            break;
        }
        tags.push_back(tag);
    }
    return tags;
}

// Every selection the screen can show: the lists a user's answers can call for are any of the
// twelve, so every combination of them goes through the program's own collection.
std::map<std::vector<std::string>, Selection> EverySelection() {
    std::map<std::vector<std::string>, Selection> selections;
    for (int combination = 0; combination < (1 << program4::kLists); ++combination) {
        std::vector<int> lists;
        for (int n = 1; n <= program4::kLists; ++n) {
            if (combination & (1 << (n - 1))) lists.push_back(n);
        }
        const Selection selection = program4::CollectLists(lists);
        selections.emplace(program4::ListCodes(selection), selection);
    }
    return selections;
}

TEST(Program4Documents, EveryArticleOfTheConclusionExists) {
    for (int d = 1; d <= conclusions::kSources4; ++d) {
        const std::string_view path = conclusions::BookDocument4(d);
        if (path.empty()) continue;
        const docs::RichText article = Load(std::string(path));
        EXPECT_GT(article.Length(), 2500) << path;
    }
}

TEST(Program4Documents, EveryPreparationInEveryVariantHasItsDescription) {
    std::set<std::string> paths;
    size_t longest = 0;
    for (const auto& [codes, selection] : EverySelection()) {
        ASSERT_FALSE(codes.empty());
        longest = std::max(longest, codes.size());
        for (const SelectionRecord& record : selection.Listed())
            paths.insert(program4::DescriptionPath(record));
    }
    // The variants the lists give: both creams and both salts in each variant and in both.
    for (const char* code : {"21a", "21b", "21ab", "23a", "23b", "23ab"})
        EXPECT_TRUE(paths.count("\\Doc\\OZ-12-1-" + std::string(code) + "-r.rtf")) << code;
    for (const std::string& path : paths) {
        const docs::RichText description = Load(path);
        EXPECT_GT(description.Length(), 1500) << path;
    }
    // The prescription sheet holds twelve lines.
    EXPECT_LE(longest, 12u);
}

TEST(Program4Documents, EveryListedVariantKeepsItsRowInTheUseTableAndNoMarkerIsLeft) {
    const docs::RichText table = Load(std::string(program4::kUseTablePath));
    const PlainTemplateText source(table.PlainText());
    bool closed = false;
    const std::vector<std::string> rows = RowTags(source, program4::UseTableRule({}), &closed);
    EXPECT_TRUE(closed) << "the rows are closed by a blank marker";
    const std::set<std::string> tags(rows.begin(), rows.end());
    EXPECT_EQ(tags.size(), rows.size()) << "one row per variant";
    for (const auto& [codes, selection] : EverySelection()) {
        const std::string list = testing::PrintToString(codes);
        for (const std::string& code : codes) EXPECT_TRUE(tags.count(code)) << code;
        PlainTemplateText filtered(table.PlainText());
        const TemplateRule rule = program4::UseTableRule(codes);
        FilterTemplate(filtered, rule);
        const std::vector<std::string> kept = RowTags(filtered, rule);
        EXPECT_EQ(std::set<std::string>(kept.begin(), kept.end()),
                  std::set<std::string>(codes.begin(), codes.end()))
            << list;
        EXPECT_EQ(kept.size(), codes.size()) << list;
        RemoveDoubleCarets(filtered);
        EXPECT_EQ(filtered.Text().find('^'), std::string::npos) << list;
    }
}

}  // namespace
