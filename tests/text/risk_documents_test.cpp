// The documents of the cancer-prevention conclusion (one per source of risk) keep the shape that
// makes them safe to read alone: what lowers the risk comes first, the signs that need a doctor
// are listed, the program's limits are stated, and the maker's preparations are never offered as
// a protection against cancer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kDocs = std::filesystem::path(CONTENT_DIR) / "doc";

// Smoking, sun, nutrition, heredity, home and work, age, body mass, weight loss.
const char* const kSourceDocuments[] = {"OZ-d1-r", "OZ-d2-r", "OZ-d3-r", "OZ-d4-r",
                                        "OZ-d5-r", "OZ-d6-r", "OZ-d7-r", "OZ-d8-r"};

std::vector<std::string> Lines(const std::string& name) {
    std::ifstream in(kDocs / (name + ".md"), std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

size_t HeadingAt(const std::vector<std::string>& lines, const std::string& start) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].rfind("## " + start, 0) == 0) return i;
    return lines.size();
}

TEST(ContentRiskDocuments, EachNamesWhatLowersTheRiskAndTheSignsThatNeedADoctor) {
    for (const char* name : kSourceDocuments) {
        SCOPED_TRACE(name);
        const std::vector<std::string> lines = Lines(name);
        ASSERT_FALSE(lines.empty()) << "missing or empty";
        EXPECT_EQ(lines.front().rfind("# ", 0), 0u);

        const size_t lowers = HeadingAt(lines, "Что снижает риск");
        const size_t doctor = HeadingAt(lines, "Когда обратиться к врачу");
        EXPECT_LT(lowers, lines.size()) << "no section on what lowers the risk";
        ASSERT_LT(doctor, lines.size()) << "no section on when to see a doctor";
        size_t signs = 0;
        for (size_t i = doctor + 1; i < lines.size() && lines[i].rfind("## ", 0) != 0; ++i)
            signs += lines[i].rfind("- ", 0) == 0;
        EXPECT_GE(signs, 4u) << "too few signs that need a doctor";

        bool noDiagnosis = false;
        for (size_t i = doctor; i < lines.size(); ++i)
            noDiagnosis = noDiagnosis || lines[i].find("не ставит диагноз") != std::string::npos;
        EXPECT_TRUE(noDiagnosis) << "the closing words do not say the program makes no diagnosis";
    }
}

TEST(ContentRiskDocuments, ThePreparationsAreNamedOnlyToSayTheyDoNotPreventOrTreatCancer) {
    const std::regex denial("не (предупрежда|защища|лечат|устраня|снижа|заменя|выводят)");
    const std::regex promise("((защища|предотвраща|предупрежда)(ет|ют) (от )?|(лечит|лечат) )рак");
    const std::string no = "не ";
    for (const char* name : kSourceDocuments) {
        SCOPED_TRACE(name);
        for (const std::string& line : Lines(name)) {
            if (line.find("Мирвела") != std::string::npos) {
                EXPECT_TRUE(std::regex_search(line, denial)) << line;
            }
            std::smatch promised;
            if (std::regex_search(line, promised, promise)) {
                // Only a denial may carry the words of a promise: "не защищают от рака".
                const size_t at = static_cast<size_t>(promised.position(0));
                EXPECT_TRUE(at >= no.size() && line.compare(at - no.size(), no.size(), no) == 0)
                    << line;
            }
        }
    }
}

}  // namespace
