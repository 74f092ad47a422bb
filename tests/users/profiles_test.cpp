#include "users/profiles.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "users/ini_test_support.h"
#include "users/login.h"

namespace {

namespace fs = std::filesystem;
using initest::Cp;

class ProfilesTest : public ::testing::Test {
  protected:
    void Profile(const std::string& name, const std::string& utf8 = "[Settings]\r\n") {
        initest::Put(dir.path() / name, Cp(utf8));
    }
    testsupport::TempDir dir;
};

TEST_F(ProfilesTest, ANewProfileTakesTheSmallestFreeNumber) {
    auto first = users::AllocateProfile(dir.path());
    ASSERT_TRUE(first);
    EXPECT_EQ(first->number, 1);
    EXPECT_EQ(first->file, (dir.path() / "ZRVI001.ini").string());
    EXPECT_FALSE(fs::exists(first->file));  // nothing is written yet

    for (const char* name : {"ZRVI001.ini", "ZRVI002.ini", "ZRVI004.ini"}) Profile(name);
    auto third = users::AllocateProfile(dir.path());
    ASSERT_TRUE(third);
    EXPECT_EQ(third->number, 3);
    EXPECT_EQ(fs::path(third->file).filename(), "ZRVI003.ini");

    // A name in another letter case is the same profile to the login list; a folder of the name
    // blocks it as well.
    Profile("zrvi003.INI");
    fs::create_directory(dir.path() / "ZRVI005.ini");
    EXPECT_EQ(users::AllocateProfile(dir.path())->number, 6);
}

TEST_F(ProfilesTest, NoNewProfileOnceAllNumbersUpTo999AreTaken) {
    for (int n = 1; n <= 999; ++n) Profile(users::ProfileFileName(n));
    EXPECT_FALSE(users::AllocateProfile(dir.path()));
    fs::remove(dir.path() / "ZRVI500.ini");
    EXPECT_EQ(users::AllocateProfile(dir.path())->number, 500);
}

TEST_F(ProfilesTest, OnlyThreeDigitProfileNamesInAnyLetterCaseAreListed) {
    for (const char* name :
         {"ZRVI010.ini", "zrvi001.INI", "ZRVI002.ini", "ZRVI1000.ini", "ZRVI01.ini", "ZRVIabc.ini",
          "ZRVI003.ini.bak", ".ZRVI004.ini.x1Y2z3", "AZRVI005.ini"}) {
        Profile(name);
    }
    fs::create_directory(dir.path() / "ZRVI006.ini");
    EXPECT_EQ(users::ListProfileFiles(dir.path()),
              (std::vector<std::string>{"ZRVI002.ini", "ZRVI010.ini", "zrvi001.INI"}));
    EXPECT_EQ(users::ProfileNumber("zrvi010.INI"), 10);
    EXPECT_EQ(users::ProfileNumber("ZRVI000.ini"), 0);
}

TEST_F(ProfilesTest, NextTestNumFollowsDateNum) {
    Profile("ZRVI001.ini", "[Settings]\r\nDateNum=7\r\n");
    Profile("ZRVI002.ini", "[Settings]\r\nName=Анна\r\n");
    EXPECT_EQ(users::NextTestNum((dir.path() / "ZRVI001.ini").string()), 8);
    EXPECT_EQ(users::NextTestNum((dir.path() / "ZRVI002.ini").string()), 1);
    EXPECT_EQ(users::NextTestNum((dir.path() / "ZRVI003.ini").string()), 1);
}

TEST_F(ProfilesTest, TheLoginListIsOrderedByDisplayNameInCharacterCodeOrder) {
    Profile("ZRVI001.ini", "[Settings]\r\nLastName=Петров\r\nName=Иван\r\n");
    Profile("ZRVI002.ini", "[Settings]\r\nLastName=абрамов\r\nName=пётр\r\n");
    Profile("ZRVI003.ini", "[Settings]\r\nLastName=Яшин\r\nName=Лев\r\n");
    Profile("ZRVI004.ini", "[Settings]\r\nLastName=Андреев\r\nName=Олег\r\n");
    Profile("ZRVI005.ini", "[Result1]\r\nDateTest=01.01.2004\r\n");
    Profile("ZRVI006.ini", "[settings]\r\nlastname=Андреев\r\nname=Олег\r\n");
    std::vector<std::pair<std::string, std::string>> listed;
    for (const users::LoginEntry& entry : users::BuildLoginList(dir.path())) {
        listed.emplace_back(entry.displayName, entry.fileName);
    }
    EXPECT_EQ(listed,
              (std::vector<std::pair<std::string, std::string>>{{"? ?", "ZRVI005.ini"},
                                                                {"Андреев Олег", "ZRVI004.ini"},
                                                                {"Андреев Олег", "ZRVI006.ini"},
                                                                {"Петров Иван", "ZRVI001.ini"},
                                                                {"Яшин Лев", "ZRVI003.ini"},
                                                                {"абрамов пётр", "ZRVI002.ini"}}));
    EXPECT_TRUE(users::BuildLoginList(dir.path() / "nowhere").empty());
}

TEST_F(ProfilesTest, PasswordsCompareTrimmedAndCaseSensitive) {
    EXPECT_TRUE(users::PasswordMatches("  ёлка7 ", "ёлка7"));
    EXPECT_FALSE(users::PasswordMatches("Ёлка7", "ёлка7"));
    EXPECT_FALSE(users::PasswordMatches("ёлка", "ёлка7"));
    EXPECT_TRUE(users::PasswordMatches("?", users::kMissing));  // a profile without Passw
}

TEST_F(ProfilesTest, AUserIsReadBackFromTheProfile) {
    initest::Put(dir.path() / "ZRVI007.ini", initest::Fixture("windows_profile.ini"));
    const users::LoadedUser loaded = users::ReadProfileUser((dir.path() / "ZRVI007.ini").string(),
                                                            "ZRVI007.ini", "Щербакова Анна");
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.user.firstName, "Анна");
    EXPECT_EQ(loaded.user.lastName, "Щербакова");
    EXPECT_EQ(loaded.user.number, 7);
    EXPECT_EQ(loaded.user.yearBirth, 1965);
    EXPECT_EQ(loaded.user.sex, "f");
    EXPECT_FLOAT_EQ(loaded.user.height, 1.64f);
    EXPECT_EQ(loaded.user.nextTestNum, 3);

    Profile("ZRVI008.ini", "[Settings]\r\nSex=M\r\nYearBirth= 1950\r\n");
    const users::LoadedUser sparse =
        users::ReadProfileUser((dir.path() / "ZRVI008.ini").string(), "ZRVI008.ini", "? ?");
    ASSERT_TRUE(sparse.ok);
    EXPECT_EQ(sparse.user.sex, "m");
    EXPECT_EQ(sparse.user.firstName, "?");
    EXPECT_EQ(sparse.user.height, 0.0f);
    EXPECT_EQ(sparse.user.nextTestNum, 1);
}

TEST_F(ProfilesTest, AYearOfBirthThatIsNotANumberMarksTheProfileDamaged) {
    for (const char* year : {"19x5", "", "99999"}) {
        Profile("ZRVI009.ini",
                std::string("[Settings]\r\nLastName=Кузнецов\r\nYearBirth=") + year + "\r\n");
        const std::string file = (dir.path() / "ZRVI009.ini").string();
        const users::LoadedUser loaded = users::ReadProfileUser(file, "ZRVI009.ini", "Кузнецов ?");
        EXPECT_FALSE(loaded.ok) << year;
        EXPECT_NE(loaded.damage.find("«Кузнецов ?» (файл ZRVI009.ini) повреждён"),
                  std::string::npos)
            << year;
    }
    Profile("ZRVI010.ini", "[Settings]\r\nName=Олег\r\n");
    EXPECT_FALSE(
        users::ReadProfileUser((dir.path() / "ZRVI010.ini").string(), "ZRVI010.ini", "? Олег").ok);
}

TEST_F(ProfilesTest, TheSamePersonIsFoundByBothNamesAndTheYearOfBirth) {
    Profile("ZRVI001.ini", "[Settings]\r\nLastName=Петров\r\nName=Иван\r\nYearBirth= 1960\r\n");
    Profile("ZRVI002.ini", "[Settings]\r\nLastName=Петров\r\nName=Иван\r\nYearBirth= 1987\r\n");
    Profile("ZRVI003.ini", "[Settings]\r\nLastName=Петрова\r\nName=Ирина\r\nYearBirth=x\r\n");
    Profile("ZRVI004.ini", "[Settings]\r\nYearBirth= 1960\r\n");
    const auto find = [&](const char* last, const char* first, int year) {
        return users::FindRegisteredPerson(dir.path(), last, first, year).value_or("none");
    };
    EXPECT_EQ(find("Петров", "Иван", 1960), "ZRVI001.ini");
    EXPECT_EQ(find("  ПЕТРОВ ", "иван", 1987), "ZRVI002.ini");  // as a person may type it
    EXPECT_EQ(find("Петров", "Иван", 1961), "none");
    EXPECT_EQ(find("Петров", "Илья", 1960), "none");
    // A damaged year or missing names never match: such a profile is nobody in particular.
    EXPECT_EQ(find("Петрова", "Ирина", 0), "none");
    EXPECT_EQ(find("?", "?", 1960), "none");
}

TEST_F(ProfilesTest, AProfileSavedAsUtf8IsListedAndReadWithoutWrongLetters) {
    const std::string utf8 =
        "[Settings]\r\nLastName=Щербакова\r\nName=Анна\r\nYearBirth= 1965\r\nSex=f\r\n";
    initest::Put(dir.path() / "ZRVI001.ini", "\xEF\xBB\xBF" + utf8);
    initest::Put(dir.path() / "ZRVI002.ini", utf8);
    Profile("ZRVI003.ini", "[Settings]\r\nLastName=Кузнецов\r\nName=Олег\r\nYearBirth=1950\r\n");
    const std::vector<users::LoginEntry> list = users::BuildLoginList(dir.path());
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].displayName, "Кузнецов Олег");
    EXPECT_EQ(list[1].displayName, "Щербакова Анна");
    EXPECT_EQ(list[2].displayName, "Щербакова Анна");
    for (const char* name : {"ZRVI001.ini", "ZRVI002.ini"}) {
        const users::LoadedUser loaded =
            users::ReadProfileUser((dir.path() / name).string(), name, "Щербакова Анна");
        ASSERT_TRUE(loaded.ok) << name << ": " << loaded.damage;
        EXPECT_EQ(loaded.user.yearBirth, 1965);
        EXPECT_EQ(loaded.user.firstName, "Анна");
    }
}

}  // namespace
