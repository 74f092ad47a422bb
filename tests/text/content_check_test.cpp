// The texts under content/ are spelt right and follow the typography that a program can check;
// and the checks themselves catch what they are meant to catch.
#include "text/content_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "support/temp_dir.h"
#include "text/catalogue.h"

namespace {

using contentcheck::Finding;
using contentcheck::TextUnit;

const std::filesystem::path kContent = CONTENT_DIR;

// words.txt and any words-*.txt beside it (one list per program keeps merges apart).
std::vector<std::string> WordList() {
    std::vector<std::string> words;
    for (const auto& entry : std::filesystem::directory_iterator(kContent / "checks")) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("words", 0) != 0 || entry.path().extension() != ".txt") continue;
        std::vector<std::string> list = contentcheck::ReadList(entry.path());
        words.insert(words.end(), list.begin(), list.end());
    }
    return words;
}
// fixed_captions.txt and any fixed_captions-*.txt beside it, like the word lists.
std::vector<std::string> FixedCaptions() {
    std::vector<std::string> captions;
    for (const auto& entry : std::filesystem::directory_iterator(kContent / "checks")) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("fixed_captions", 0) != 0 || entry.path().extension() != ".txt") continue;
        std::vector<std::string> list = contentcheck::ReadList(entry.path());
        captions.insert(captions.end(), list.begin(), list.end());
    }
    return captions;
}

std::vector<TextUnit> ContentToCheck() {
    std::vector<TextUnit> units = contentcheck::ReadContent(kContent);
    contentcheck::RemoveFixedCaptions(units, FixedCaptions());
    return units;
}

bool Found(const std::vector<Finding>& findings, const std::string& file, int line,
           const std::string& part) {
    return std::any_of(findings.begin(), findings.end(), [&](const Finding& f) {
        return f.file == file && f.line == line && f.what.find(part) != std::string::npos;
    });
}

// --- The content ------------------------------------------------------------------------------

TEST(ContentSpelling, EveryTextIsSpeltRight) {
    const std::vector<TextUnit> units = ContentToCheck();
    ASSERT_GT(units.size(), 1000u) << "the content folder was not found: " << kContent;
    const contentcheck::SpellingResult result = contentcheck::CheckSpelling(units, WordList());
    ASSERT_TRUE(result.failure.empty()) << result.failure;
    EXPECT_TRUE(result.findings.empty()) << "Misspelt words (correct them, or add a name or a term "
                                            "to a content/checks/words*.txt list):\n"
                                         << contentcheck::Describe(result.findings);
}

TEST(ContentTypography, EveryTextFollowsTheMechanicalRules) {
    const std::vector<Finding> findings = contentcheck::CheckTypography(ContentToCheck());
    EXPECT_TRUE(findings.empty()) << contentcheck::Describe(findings);
}

TEST(ContentTypography, EveryFixedCaptionStillStandsInTheContent) {
    // A caption left in the list after its text changed would hide a new slip.
    const std::vector<TextUnit> units = contentcheck::ReadContent(kContent);
    for (const std::string& caption : FixedCaptions()) {
        const bool present = std::any_of(units.begin(), units.end(), [&](const TextUnit& u) {
            return u.text.find(caption) != std::string::npos;
        });
        EXPECT_TRUE(present) << "no text holds the fixed caption «" << caption << "»";
    }
}

TEST(ContentConsistency, ProgramsAreNamedAsTheirCatalogueHeadersSay) {
    // "программа «…»", "программы «…»", …: the name in the quotes is a program's header title.
    std::set<std::string> names = {"зорвек"};  // the software itself
    for (int program = 1; program <= 5; ++program) {
        std::string title = contentcheck::Lower(text::GetCatalogText(program * 100L));
        std::string single;
        for (const std::string& word : contentcheck::Words(title))
            single += (single.empty() ? "" : " ") + word;
        names.insert(single);
    }
    for (const TextUnit& unit : contentcheck::ReadContent(kContent)) {
        for (size_t at = unit.text.find("рограмм"); at != std::string::npos;
             at = unit.text.find("рограмм", at + 1)) {
            const size_t open = unit.text.find("«", at);
            const size_t blank = unit.text.find(' ', at);
            if (open == std::string::npos || blank == std::string::npos || open != blank + 1)
                continue;
            const size_t close = unit.text.find("»", open);
            if (close == std::string::npos) continue;
            const std::string quoted = unit.text.substr(open + 2, close - open - 2);
            // A name filled in by the program ("%1") is taken from the headers themselves.
            if (quoted.size() == 2 && quoted[0] == '%') continue;
            std::string single;
            for (const std::string& word : contentcheck::Words(contentcheck::Lower(quoted)))
                single += (single.empty() ? "" : " ") + word;
            EXPECT_TRUE(names.count(single))
                << "content/" << unit.file << ":" << unit.line << ": «" << quoted << "»";
        }
    }
}

// --- The checks -------------------------------------------------------------------------------

class ContentCheckTest : public ::testing::Test {
  protected:
    std::vector<TextUnit> Read() { return contentcheck::ReadContent(dir.path()); }
    testsupport::TempDir dir;
};

TEST_F(ContentCheckTest, ReadsTheTextsWithoutTheirMarkupAndKeepsTheirPlaces) {
    dir.Write("catalogue/011.txt", "# comment\n^11000~Первый¤второй\n^11002~0,3,5\n");
    dir.Write("forms/frmX.txt", "Label1~^1Один^2Два¶Три\n");
    dir.Write("buffer/slot_9.txt", "^5Прощайте\n");
    dir.Write("doc/A.md", "# Заголовок\n\n- пункт **жирный**\n| ячейка | вторая |\n|---|---|\n");
    const std::vector<TextUnit> units = Read();
    auto text = [&](const std::string& file, int line) {
        std::string all;
        for (const TextUnit& u : units)
            if (u.file == file && u.line == line) all += "[" + u.text + "]";
        return all;
    };
    EXPECT_EQ(text("catalogue/011.txt", 2), "[Первый\nвторой]");
    EXPECT_EQ(text("catalogue/011.txt", 1), "");
    EXPECT_EQ(text("forms/frmX.txt", 1), "[\nОдин\nДва\nТри]");
    EXPECT_EQ(text("buffer/slot_9.txt", 1), "[\nПрощайте]");
    EXPECT_EQ(text("doc/A.md", 1), "[Заголовок]");
    EXPECT_EQ(text("doc/A.md", 3), "[пункт жирный]");
    EXPECT_EQ(text("doc/A.md", 4), "[ячейка][вторая]");
    EXPECT_EQ(text("doc/A.md", 5), "");
}

TEST_F(ContentCheckTest, SpellingNamesTheFileAndLineOfAMisspeltWord) {
    dir.Write("catalogue/011.txt", "^11000~Лечебные грязи — пелоиды.\n^11001~Хорошее слово\n");
    dir.Write("doc/A.md", "# Статья\n\nЛечебные грязи — пеллоиды, и психо-эмоциональный покой.\n");
    const contentcheck::SpellingResult result = contentcheck::CheckSpelling(Read(), {"пелоиды"});
    ASSERT_TRUE(result.failure.empty()) << result.failure;
    EXPECT_TRUE(Found(result.findings, "doc/A.md", 3, "«пеллоиды»"));
    // A compound written with a hyphen where the word is written as one.
    EXPECT_TRUE(Found(result.findings, "doc/A.md", 3, "«психо-эмоциональный»"));
    // The word list knows the term, in any case.
    EXPECT_FALSE(Found(result.findings, "catalogue/011.txt", 1, "пелоиды"));
    EXPECT_EQ(result.findings.size(), 2u) << contentcheck::Describe(result.findings);
}

TEST_F(ContentCheckTest, TheWordListAcceptsNamesInAnyCaseAndFixedCaptionsAreNotChecked) {
    dir.Write("forms/frmX.txt",
              "Label1~Препараты МИРВЕЛА и Мирвела, Д-р Мирвела\n"
              "Label2~СТРЕСС ИЛИ БОЛЕЗНЬ  ХХ ВЕКА?\n");
    std::vector<TextUnit> units = Read();
    contentcheck::RemoveFixedCaptions(units, {"СТРЕСС ИЛИ БОЛЕЗНЬ  ХХ ВЕКА?"});
    const contentcheck::SpellingResult result =
        contentcheck::CheckSpelling(units, {"Мирвела", "Д-р"});
    ASSERT_TRUE(result.failure.empty()) << result.failure;
    EXPECT_TRUE(result.findings.empty()) << contentcheck::Describe(result.findings);
    EXPECT_TRUE(contentcheck::CheckTypography(units).empty());
}

TEST_F(ContentCheckTest, AMissingDictionaryIsAFailureNotAPass) {
    dir.Write("catalogue/011.txt", "^11000~Слово\n");
    const contentcheck::SpellingResult result =
        contentcheck::CheckSpelling(Read(), {}, "xx_NOWHERE");
    EXPECT_FALSE(result.failure.empty());
}

TEST_F(ContentCheckTest, TypographyFindsEachKindOfSlip) {
    dir.Write("catalogue/011.txt",
              "^11000~Не прощаемся!!!\n"
              "^11001~Прервать тест ?\n"
              "^11002~Два  пробела\n"
              "^11003~Клиника \"Верана\"\n"
              "^11004~Тестирование - путь к здоровью\n"
              "^11005~Препарат Тeрвил\n"  // a Latin "e"
              "^11006~Правильно: «Верана» — клиника, 1–2 раза, из-за L-карнитина, SPF 30.\n");
    const std::vector<Finding> findings = contentcheck::CheckTypography(Read());
    EXPECT_TRUE(Found(findings, "catalogue/011.txt", 1, "exclamation"));
    EXPECT_TRUE(Found(findings, "catalogue/011.txt", 2, "blank before"));
    EXPECT_TRUE(Found(findings, "catalogue/011.txt", 3, "double blank"));
    EXPECT_TRUE(Found(findings, "catalogue/011.txt", 4, "straight double quote"));
    EXPECT_TRUE(Found(findings, "catalogue/011.txt", 5, "dash"));
    EXPECT_TRUE(Found(findings, "catalogue/011.txt", 6, "Latin and Cyrillic"));
    EXPECT_EQ(findings.size(), 6u) << contentcheck::Describe(findings);
}

TEST(ContentCheckWords, WordsAreLetterRunsJoinedByHyphens) {
    EXPECT_EQ(
        contentcheck::Words("Д-р Мирвела: из-за 5 мг, 6–8-ю недели; Линта-3 - да"),
        (std::vector<std::string>{"Д-р", "Мирвела", "из-за", "мг", "ю", "недели", "Линта", "да"}));
    EXPECT_EQ(contentcheck::Lower("МИРВЕЛА Ёлка SPF"), "мирвела ёлка spf");
}

}  // namespace
