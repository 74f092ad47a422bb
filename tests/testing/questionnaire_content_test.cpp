// Every questionnaire of the catalogue is complete and carries exactly its scoring data: a missing
// text would show as "?key?" and a wrong number would rate users wrongly.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "text/catalogue.h"

namespace {

struct TestTable {
    int code;
    std::string title;
    std::string codes, thresholds, reversal, optionCounts, weights;
};

std::string Repeat(const std::string& item, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += (i ? "," : "") + item;
    return out;
}

// Per question options 1..3 given, options 4 and 5 weigh 0.
std::string ThreeOptions(const std::vector<int>& weights) {
    std::string out;
    for (size_t i = 0; i < weights.size(); i += 3) {
        out += (i ? "," : "") + std::to_string(weights[i]) + "," + std::to_string(weights[i + 1]) +
               "," + std::to_string(weights[i + 2]) + ",0,0";
    }
    return out;
}

std::string YesWeighs(const std::vector<int>& optionOne) {
    std::string out;
    for (size_t i = 0; i < optionOne.size(); ++i)
        out += (i ? "," : "") + std::to_string(optionOne[i]) + ",0,0,0,0";
    return out;
}

std::vector<TestTable> Tables() {
    std::vector<int> test47(21);
    for (int q = 0; q < 21; ++q) test47[q] = q < 8 ? 10 : q < 14 ? 30 : 50;
    std::vector<int> test28(12, 10);
    return {
        {11, "1. Экспресс-оценка физического статуса", "0,3,5", "36,70", "0", "5,3,3,4,3,3,3,2,2,4",
         "0,3,5,10,15,0,5,10,0,0,5,8,10,0,0,15,10,5,3,0,0,5,10,0,0,0,5,10,0,0,0,5,10,0,0,5,0,0,0,0,"
         "5,0,0,0,0,0,3,5,10,0"},
        {12, "2. Насколько рационально ваше питание ?", "0,3,5", "36,70", "0",
         "3,4,4,3,3,3,3,3,3,3",
         "10,5,0,0,0,0,2,3,10,0,3,10,5,0,0,10,5,0,0,0,10,5,0,0,0,10,5,0,0,0,10,5,0,0,0,10,5,0,0,0,"
         "0,5,10,0,0,0,5,10,0,0"},
        {13, "3. Определение реактивной способности организма.", "0,3,5", "36,70", "100",
         "3,3,4,3,2,3", "25,15,0,0,0,25,15,0,0,0,0,2,3,5,0,2,3,5,0,0,10,0,0,0,0,25,15,0,0,0"},
        {14, "4. Состояние  Вашего  эмоционального стресса", "0,3,5", "36,70", "0",
         "3,3,3,3,3,3,3,4,3,3",
         "1,4,10,0,0,2,4,10,0,0,2,5,10,0,0,1,4,10,0,0,2,5,10,0,0,3,5,10,0,0,3,6,10,0,0,1,5,10,3,0,"
         "2,5,10,0,0,2,6,10,0,0"},
        {21, "1. Среда Вашего обитания, семейный статус и наследственность", "0,3,5", "26,80", "0",
         "4,5,4,3,4,3,4,3,4,3",
         "3,10,15,20,0,15,10,20,8,4,20,10,-5,-2,0,-10,0,-2,0,0,20,12,-5,-2,0,-10,0,-2,0,0,10,5,-5,-"
         "2,0,-10,0,-2,0,0,10,7,"
         "-5,-2,0,-10,0,-2,0,0"},
        {22, "2. Отношение к труду", "0,3,5", "3,3", "0", "5", "5,3,5,3,0"},
        {23, "3. Отношение к физическим нагрузкам", "0,3,5", "31,79", "0", "5,3,2,3",
         "5,8,10,20,25,5,20,25,0,0,25,10,0,0,0,25,15,5,0,0"},
        {24, "4. Ваш психо-эмоциональное состояние", "0,3,5", "31,79", "0", "3,3,3,3,3",
         "15,20,5,0,0,5,20,15,0,0,5,20,10,0,0,20,5,10,0,0,5,15,20,0,0"},
        {25, "5. Ваше отношение к курению и к спиртному", "0,3,5", "41,54", "0", "3,5",
         "10,20,30,0,0,25,30,25,10,10"},
        {26, "6. Ваша сексуальная жизнь", "0,3,5", "3,3", "0", "3", "5,3,0,0,0"},
        {27, "7. Ваши недуги", "5,3,0", "2,9", "0", Repeat("2", 13),
         YesWeighs({10, 1, 10, 2, 2, 10, 2, 10, 2, 10, 10, 10, 10})},
        {28, "8. Болезни старости", "5,3,0", "1,1", "0", Repeat("2", 13),
         YesWeighs(test28) + ",0,1,0,0,0"},
        {29, "9. Проба с приседаниями.", "0,3,5", "3,3", "0", "3", "5,3,0,0,0"},
        {35, "1. Определение реактивной способности организма", "5,3,0", "11,24", "0", "3,4,3,2,3",
         "25,15,0,0,0,0,3,5,10,0,0,3,5,0,0,10,0,0,0,0,25,15,0,0,0"},
        {36, "2. Насколько рационально питание вашего ребенка?", "0,3,5", "11,80", "0",
         Repeat("3", 12),
         ThreeOptions({0, 5, 10, 5,  3, 0, 10, 5, 0, 5,  0, 3, 5,  3, 0, 10, 5, 0,
                       5, 3, 0,  10, 5, 0, 10, 5, 0, 10, 5, 0, 10, 5, 0, 0,  5, 10})},
        {37, "3. Риск возникновения заболеваний от действия вредоносных факторов окружающей среды",
         "0,3,5", "41,70", "100", "2,4,5,2,3,2,3,2,3",
         "50,10,0,0,0,50,20,10,0,0,50,40,30,20,0,20,0,0,0,0,0,5,10,0,0,30,0,0,0,0,0,10,30,0,0,0,10,"
         "0,0,0,0,5,10,0,0"},
        {41, "1. Оценка риска возникновения опухоли , связанного с курением", "0,3,5", "41,69",
         "100", "3,4,4,4,5,2,2",
         "60,30,0,0,0,15,10,5,3,0,7,6,5,3,0,4,8,10,15,0,1,3,6,7,15,5,3,0,0,0,10,5,0,0,0"},
        {42, "2. Оценка риска возникновения опухоли, связанного с солнечным светом", "0,3,5",
         "25,50", "100", "4,2,3,4,2,2,2,2,2",
         "10,20,30,40,0,0,8,0,0,0,7,5,0,0,0,0,0,4,7,0,0,7,0,0,0,7,0,0,0,0,15,0,0,0,0,0,5,0,0,0,0,4,"
         "0,0,0"},
        {43, "3. Оценка риска возникновения опухоли, связанного с характером Вашего питания",
         "0,3,5", "41,60", "0", "3,3,3,3,3,3,3,4,3,3",
         "0,5,10,0,0,0,5,10,0,0,10,5,0,0,0,10,5,0,0,0,10,5,0,0,0,10,5,0,0,0,10,5,0,0,0,10,5,3,0,0,"
         "10,5,0,0,0,10,5,0,0,0"},
        {44, "4. Оценка риска наследственного образования опухоли", "5,3,0", "10,39", "0", "3,3,3",
         "25,0,10,0,0,15,0,10,0,0,50,0,10,0,0"},
        {45,
         "5. Оценка риска возникновения опухоли, связанного с неблагоприятной окружающей средой "
         "(дома)",
         "0,3,5", "41,60", "100", "2,4,4,3,3,2,5,4,3,2,3,2",
         "50,10,0,0,0,50,20,10,0,0,40,60,25,0,0,40,10,0,0,0,0,20,0,0,0,20,0,0,0,0,10,20,50,0,15,15,"
         "60,10,0,0,0,10,30,0,0,"
         "20,0,0,0,0,0,5,10,0,0,40,0,0,0,0"},
        {46,
         "6. Оценка риска возникновения опухоли, связанного с неблагоприятной окружающей средой "
         "(на работе)",
         "0,3,5", "41,60", "100", "3,3", "50,20,0,0,0,50,20,0,0,0"},
        {47, "7. Оценка риска возникновения опухоли при различных предраковых состояниях", "0,3,5",
         "51,99", "100", Repeat("2", 21), YesWeighs(test47)},
        {51, "1.Состояние  Вашего психо-эмоционального напряжения", "5,3,0", "21,59", "0",
         Repeat("3", 9), ThreeOptions({20, 5, 1, 1,  20, 5, 20, 5,  1, 20, 5, 1, 1, 5,
                                       20, 5, 1, 20, 1,  5, 20, 20, 5, 1,  5, 1, 20})},
        {52, "2. Проявляются ли у Вас признаки возможного развития депрессии?", "5,3,0", "21,59",
         "0", Repeat("3", 9), ThreeOptions({1, 5,  20, 5, 20, 1, 5, 1,  20, 20, 1,  5, 20, 1,
                                            5, 20, 1,  5, 20, 1, 5, 20, 1,  5,  20, 1, 5})},
    };
}

// The only conditional questions: key -> text (+7 sex filter, +8 controlling question, +9 options).
std::map<long, std::string> Conditions() {
    std::map<long, std::string> c = {
        {11038, "2"}, {11039, "2,3"},   {13048, "3"},  {13049, "2,3,4"},
        {13058, "3"}, {13059, "2,3,4"}, {35038, "2"},  {35039, "2,3,4"},
        {35048, "2"}, {35049, "2,3,4"}, {45118, "10"}, {45119, "1"},
        {47027, "f"}, {47067, "f"},     {47107, "f"},  {47167, "f"},
    };
    for (int q = 2; q <= 7; ++q) {
        c[41000 + q * 10 + 8] = "1";
        c[41000 + q * 10 + 9] = "1,2";
    }
    return c;
}

std::vector<std::string> Split(const std::string& list) {
    std::vector<std::string> items;
    std::stringstream stream(list);
    for (std::string item; std::getline(stream, item, ',');) items.push_back(item);
    return items;
}

bool IsShownText(const std::string& s) { return !s.empty() && s.front() != '?'; }

TEST(QuestionnaireContent, ScoringNumbersAreExactlyTheTestsOwn) {
    for (const TestTable& t : Tables()) {
        const long b = t.code * 1000L;
        SCOPED_TRACE(t.code);
        EXPECT_EQ(text::GetCatalogText(b), t.title);
        EXPECT_EQ(text::GetCatalogText(b + 2), t.codes);
        EXPECT_EQ(text::GetCatalogText(b + 3), t.thresholds);
        EXPECT_EQ(text::GetCatalogText(b + 7), t.reversal);
        EXPECT_EQ(text::GetCatalogText(b + 8), t.optionCounts);
        EXPECT_EQ(text::GetCatalogText(b + 9), t.weights);
    }
}

TEST(QuestionnaireContent, EveryTextAUserMeetsExists) {
    const std::regex leftovers(R"(\?\d|\^|~|\*\*|TODO|lorem)");
    for (const TestTable& t : Tables()) {
        const long b = t.code * 1000L;
        SCOPED_TRACE(t.code);
        for (long key : {b + 1, b + 4, b + 5, b + 6}) {
            EXPECT_TRUE(IsShownText(text::GetCatalogText(key))) << key;
        }
        const std::vector<std::string> counts = Split(text::GetCatalogText(b + 8));
        ASSERT_LE(counts.size(), 30u);
        EXPECT_EQ(Split(text::GetCatalogText(b + 9)).size(), counts.size() * 5);
        for (size_t q = 1; q <= counts.size(); ++q) {
            const long question = b + static_cast<long>(q) * 10;
            EXPECT_TRUE(IsShownText(text::GetCatalogText(question))) << question;
            const int options = std::stoi(counts[q - 1]);
            for (int j = 1; j <= 5; ++j) {
                const std::string option = text::GetCatalogText(question + j);
                if (j <= options) {
                    EXPECT_TRUE(IsShownText(option)) << question + j;
                    EXPECT_FALSE(std::regex_search(option, leftovers)) << question + j;
                } else {
                    EXPECT_EQ(option, "?" + std::to_string(question + j) + "?")
                        << "an option beyond the count";
                }
            }
            EXPECT_FALSE(std::regex_search(text::GetCatalogText(question), leftovers)) << question;
        }
        for (long key : {b, b + 1, b + 4, b + 5, b + 6}) {
            EXPECT_FALSE(std::regex_search(text::GetCatalogText(key), leftovers)) << key;
        }
    }
}

TEST(QuestionnaireContent, SexFiltersAndConditionsAreExactlyTheKnownOnes) {
    const std::map<long, std::string> expected = Conditions();
    for (const TestTable& t : Tables()) {
        const long b = t.code * 1000L;
        const size_t questions = Split(text::GetCatalogText(b + 8)).size();
        for (size_t q = 1; q <= questions; ++q) {
            for (int k = 7; k <= 9; ++k) {
                const long key = b + static_cast<long>(q) * 10 + k;
                const std::string value = text::GetCatalogText(key);
                const auto it = expected.find(key);
                if (it != expected.end()) {
                    EXPECT_EQ(value, it->second) << key;
                } else {
                    const bool none =
                        value == "?" + std::to_string(key) + "?" || value.empty() || value == "0";
                    EXPECT_TRUE(none) << key << " = " << value;
                }
            }
        }
    }
}

TEST(QuestionnaireContent, ProgramIntroductionsOpenAsTheyShould) {
    const std::vector<std::pair<std::string, std::string>> headings = {
        {"frmRazd1", "РАЗДЕЛ 1. УКРЕПЛЕНИЕ И ВОССТАНОВЛЕНИЕ ЗДОРОВЬЯ"},
        {"frmRazd2", "РАЗДЕЛ 1. СЕКРЕТЫ ЗДОРОВОГО ДОЛГОЛЕТИЯ"},
        {"frmRazd3", "РАЗДЕЛ 3. УКРЕПЛЕНИЕ И ВОССТАНОВЛЕНИЕ ЗДОРОВЬЯ РЕБЕНКА"},
        {"frmRazd4", "РАЗДЕЛ 2. ПРОФИЛАКТИКА ОНКОЛОГИЧЕСКИХ ЗАБОЛЕВАНИЙ"},
        {"frmRazd5", "Раздел 4. Предупреждение депрессии"},
    };
    for (const auto& [form, heading] : headings) {
        EXPECT_EQ(text::FormText(form, "Label1"), heading);
        EXPECT_EQ(text::FormText(form, "Label2").rfind("Тестирование является стержнем", 0), 0u)
            << form;
    }
}

}  // namespace
