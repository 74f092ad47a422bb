#include "users/registration.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using users::Field;
using users::RegistrationCheck;
using users::RegistrationForm;
using Outcome = RegistrationCheck::Outcome;

constexpr int kYear = 2026;
const users::AgeRange kAdults{20, 60};

RegistrationForm Valid() { return {"Иванова", "Мария", "1970", "64", "1.68", "ключ", 2}; }

RegistrationCheck Check(const RegistrationForm& form, bool newUser = true,
                        users::AgeRange range = kAdults) {
    return users::CheckRegistration(form, newUser, kYear, range);
}

struct Rejection {
    const char* what;
    RegistrationForm form;
    int item;
    Field focus;
};

TEST(RegistrationTest, EachWrongFieldGivesItsMessageAndFocusInTheScreensOrder) {
    auto with = [](auto change) {
        RegistrationForm form = Valid();
        change(form);
        return form;
    };
    const std::vector<Rejection> cases = {
        {"everything empty", RegistrationForm{}, 1, Field::LastName},
        {"last name blanks", with([](auto& f) { f.lastName = "   "; }), 1, Field::LastName},
        {"first name empty", with([](auto& f) {
             f.name = "";
             f.yearBirth = "x";
         }),
         2, Field::Name},
        {"year empty", with([](auto& f) { f.yearBirth = " "; }), 3, Field::YearBirth},
        {"year not a number", with([](auto& f) { f.yearBirth = "19a5"; }), 4, Field::YearBirth},
        {"year of two digits", with([](auto& f) { f.yearBirth = "85"; }), 5, Field::YearBirth},
        {"year in the future", with([](auto& f) { f.yearBirth = "2999"; }), 4, Field::YearBirth},
        {"next year", with([](auto& f) { f.yearBirth = "2027"; }), 4, Field::YearBirth},
        {"no sex", with([](auto& f) {
             f.chosenSex = 0;
             f.height = "x";
         }),
         6, Field::None},
        {"short password", with([](auto& f) { f.password = " abc "; }), 7, Field::Password},
        {"height too small", with([](auto& f) { f.height = "0.4"; }), 8, Field::Height},
        {"height too large", with([](auto& f) {
             f.height = "3.1";
             f.weight = "7";
         }),
         8, Field::Height},
        {"height empty", with([](auto& f) { f.height = ""; }), 8, Field::Height},
        {"height not a number", with([](auto& f) { f.height = "1.7м"; }), 8, Field::Height},
        {"weight too small", with([](auto& f) { f.weight = "7"; }), 9, Field::Weight},
        {"weight too large", with([](auto& f) { f.weight = "301"; }), 9, Field::Weight},
    };
    for (const Rejection& c : cases) {
        const RegistrationCheck check = Check(c.form);
        EXPECT_EQ(check.outcome, Outcome::Rejected) << c.what;
        EXPECT_EQ(check.messageItem, c.item) << c.what;
        EXPECT_EQ(check.focus, c.focus) << c.what;
    }
}

TEST(RegistrationTest, TextsComeBackTrimmedAndNumbersWithAPoint) {
    RegistrationForm form = Valid();
    form.lastName = "  Иванова ";
    form.yearBirth = " 1970";
    form.password = " ключ  ";
    form.height = "1,75";
    form.weight = "8,5";
    const RegistrationCheck check = Check(form);
    ASSERT_EQ(check.outcome, Outcome::Accepted);
    EXPECT_EQ(check.form.lastName, "Иванова");
    EXPECT_EQ(check.form.yearBirth, "1970");
    EXPECT_EQ(check.form.password, "ключ");
    EXPECT_EQ(check.form.height, "1.75");
    EXPECT_FLOAT_EQ(*check.height, 1.75f);
    EXPECT_EQ(*check.weight, 8);  // 8.5 rounds to the even neighbour
    EXPECT_EQ(*check.yearBirth, 1970);

    form.height = "1.75";
    form.weight = "9,5";
    const RegistrationCheck points = Check(form);
    EXPECT_EQ(points.form.height, "1.75");
    EXPECT_EQ(*points.weight, 10);
}

TEST(RegistrationTest, AReturningUserNeedsNoPassword) {
    RegistrationForm form = Valid();
    form.password = "";
    EXPECT_EQ(Check(form, true).messageItem, 7);
    EXPECT_EQ(Check(form, false).outcome, Outcome::Accepted);
}

TEST(RegistrationTest, ATextTheProfileCannotHoldIsRefusedNamingTheField) {
    struct Case {
        RegistrationForm form;
        const char* start;
        Field focus;
    };
    RegistrationForm lastName = Valid(), name = Valid(), password = Valid();
    lastName.lastName = "Łukasiewicz";
    name.name = "Zoé";
    password.password = "ключ😀";
    for (const Case& c : {Case{lastName, "Фамилия содержит знак «Ł»", Field::LastName},
                          Case{name, "Имя содержит знак «é»", Field::Name},
                          Case{password, "Пароль содержит знак «😀»", Field::Password}}) {
        const RegistrationCheck check = Check(c.form);
        EXPECT_EQ(check.outcome, Outcome::Rejected);
        EXPECT_EQ(check.messageItem, 0);
        EXPECT_EQ(check.message.rfind(c.start, 0), 0u) << check.message;
        EXPECT_EQ(check.focus, c.focus);
    }
}

TEST(RegistrationTest, BytesThatAreNotUtf8AreRefusedBeforeTheyReachTheProfile) {
    RegistrationForm lastName = Valid(), name = Valid(), password = Valid();
    lastName.lastName =
        "Ivan\xC0\x8A"
        "DateNum=32767";  // an overlong line feed
    name.name =
        "Ma\xAB"
        "ria";                                       // a stray byte that reads as "«"
    password.password = "\xED\xA0\x80\xED\xB0\x80";  // surrogates
    for (const auto& [form, start, focus] :
         {std::tuple{lastName, "Фамилия содержит байты", Field::LastName},
          std::tuple{name, "Имя содержит байты", Field::Name},
          std::tuple{password, "Пароль содержит байты", Field::Password}}) {
        const RegistrationCheck check = Check(form);
        EXPECT_EQ(check.outcome, Outcome::Rejected);
        EXPECT_EQ(check.message.rfind(start, 0), 0u) << check.message;
        EXPECT_EQ(check.focus, focus);
    }
}

TEST(RegistrationTest, TheAgeMustFitTheProgram) {
    RegistrationForm form = Valid();
    form.yearBirth = std::to_string(kYear - 61);
    EXPECT_EQ(Check(form).outcome, Outcome::AgeMismatch);
    EXPECT_EQ(Check(form, true, {61, 999}).outcome, Outcome::Accepted);
    form.yearBirth = std::to_string(kYear - 20);
    EXPECT_EQ(Check(form).outcome, Outcome::Accepted);
    form.yearBirth = std::to_string(kYear - 19);
    EXPECT_EQ(Check(form).outcome, Outcome::AgeMismatch);

    EXPECT_EQ(users::ProgramAgeRange(21).min, 20);
    EXPECT_EQ(users::ProgramAgeRange(21).max, 60);
    EXPECT_EQ(users::ProgramAgeRange(22).min, 61);
    EXPECT_EQ(users::ProgramAgeRange(23).max, 15);
    EXPECT_EQ(users::ProgramAgeRange(24).min, 41);
}

TEST(RegistrationTest, OnlyYearWeightAndHeightAreKnownBeforeTheChecksEnd) {
    RegistrationForm form = Valid();
    form.chosenSex = 0;
    const RegistrationCheck noSex = Check(form);
    EXPECT_EQ(noSex.yearBirth, 1970);
    EXPECT_FALSE(noSex.weight);
    EXPECT_FALSE(noSex.height);
}

TEST(RegistrationTest, SettingsAreWrittenInTheirOrderAndFormats) {
    RegistrationForm form = Valid();
    form.chosenSex = 1;
    form.height = "1,8";
    const base::DateTime now{2026, 3, 5, 7, 5, 9};
    std::vector<std::string> written;
    for (const users::IniEntry& e : users::SettingsEntries(Check(form), now)) {
        EXPECT_EQ(e.section, "Settings");
        written.push_back(e.key + "=" + e.value);
    }
    EXPECT_EQ(written, (std::vector<std::string>{"Passw=ключ", "Name=Мария", "YearBirth= 1970",
                                                 "Sex=m", "LastName=Иванова", "DateReg=05.03.26",
                                                 "TimeReg=07:05:09", "Height=1.8"}));
    form.password = "";
    form.chosenSex = 2;
    const auto continued = users::SettingsEntries(Check(form, false), now);
    EXPECT_EQ(continued.front().key, "Name");
    EXPECT_EQ(continued[2].value, "f");
}

}  // namespace
