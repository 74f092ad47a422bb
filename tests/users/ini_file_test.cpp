#include "users/ini_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "support/temp_dir.h"
#include "users/ini_test_support.h"

namespace {

using initest::Bytes;
using initest::Cp;
using initest::Fixture;
using initest::Put;
using users::ReadIni;
using users::WriteIni;
namespace fs = std::filesystem;

class IniFileTest : public ::testing::Test {
  protected:
    std::string Copy(const std::string& fixture, const std::string& name = "ZRVI001.ini") {
        const std::string file = (dir.path() / name).string();
        Put(file, Fixture(fixture));
        return file;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.path()))
            names.push_back(entry.path().filename().string());
        return names;
    }
    testsupport::TempDir dir;
};

TEST_F(IniFileTest, ReadsAProfileAsWindowsWritesIt) {
    const std::string file = Copy("windows_profile.ini");
    EXPECT_EQ(ReadIni(file, "Settings", "Passw", "?"), "ёлка7");
    EXPECT_EQ(ReadIni(file, "Settings", "LastName", "?"), "Щербакова");
    EXPECT_EQ(ReadIni(file, "Settings", "YearBirth", "?"), "1965");  // stored " 1965"
    EXPECT_EQ(ReadIni(file, "Result2", "Test101", "?"), "3");
    EXPECT_EQ(ReadIni(file, "Result2", "Test103", "?"), "?");
    EXPECT_EQ(ReadIni(file, "Result3", "DateTest", "?"), "?");
    EXPECT_EQ(ReadIni((dir.path() / "ZRVI002.ini").string(), "Settings", "Height", "0"), "0");
}

TEST_F(IniFileTest, ReadsHandEditedFilesWithoutRegardToCaseBlanksAndComments) {
    const std::string file = Copy("hand_edited.ini");
    EXPECT_EQ(ReadIni(file, "Settings", "Passw", "?"), "Секрет");
    EXPECT_EQ(ReadIni(file, "settings", "Name", "?"), "Ёжиков Пётр");  // tabs and blanks around
    EXPECT_EQ(ReadIni(file, "Settings", "YearBirth", "?"), "1948");
    EXPECT_EQ(ReadIni(file, "Settings", "Sex", "?"), "M");
    EXPECT_EQ(ReadIni(file, "ЗАМЕТКИ", "врач", "?"), "Иванова");  // Cyrillic names fold too
    EXPECT_EQ(ReadIni(file, "Result1", "TEST101", "?"), "5");     // last line, no line end
    EXPECT_EQ(ReadIni(file, "Settings", "DateNum", "?"), "?");

    const std::string other = Copy("lf_writer.ini", "ZRVI002.ini");
    EXPECT_EQ(ReadIni(other, "Settings", "LastName", "?"), "Яковлева");
    EXPECT_EQ(ReadIni(other, "Result1", "DateTest", "?"), "10.10.2010");
}

TEST_F(IniFileTest, FirstSectionAndFirstKeyOfANameCountAndLongValuesAreCut) {
    std::string longName;
    for (int i = 0; i < 300; ++i) longName += i < 254 ? "Ж" : "ю";
    const std::string file = (dir.path() / "ZRVI001.ini").string();
    Put(file, Cp("[Settings]\r\nName=первое\r\nname=второе\r\nLastName=" + longName +
                 "\r\n[settings]\r\nSex=m\r\n"));
    EXPECT_EQ(ReadIni(file, "Settings", "Name", "?"), "первое");
    EXPECT_EQ(ReadIni(file, "Settings", "Sex", "?"), "?");
    EXPECT_EQ(ReadIni(file, "Settings", "LastName", "?"), longName.substr(0, 254 * 2));
}

TEST_F(IniFileTest, ReplacingAKeyOfAForeignProfileChangesNoOtherByte) {
    const std::string file = Copy("hand_edited.ini");
    std::string expected = Fixture("hand_edited.ini");
    ASSERT_TRUE(WriteIni(file, "Settings", "Height", "1.75"));
    expected.replace(expected.find("height=1,7"), 10, "height=1.75");
    EXPECT_EQ(Bytes(file), expected);

    ASSERT_TRUE(WriteIni(file, "SETTINGS", "name", "Пётр"));
    const std::string oldName = Cp("  NAME\t=\t  Ёжиков Пётр  ");
    expected.replace(expected.find(oldName), oldName.size(), Cp("  NAME\t=Пётр"));
    EXPECT_EQ(Bytes(file), expected);
    EXPECT_EQ(ReadIni(file, "Settings", "Name", "?"), "Пётр");
}

TEST_F(IniFileTest, NewKeysGoAfterTheLastEntryOfTheirSectionAndNewSectionsAtTheEnd) {
    const std::string file = Copy("hand_edited.ini");
    std::string expected = Fixture("hand_edited.ini");
    ASSERT_TRUE(WriteIni(file, "Settings", "DateNum", "1"));
    expected.insert(expected.find("height=1,7\r\n") + 12, "DateNum=1\r\n");  // before the comment
    EXPECT_EQ(Bytes(file), expected);

    // The last line had no line end: it gets one, and so does the new line after it.
    ASSERT_TRUE(WriteIni(file, "Result1", "Test102", " 3"));
    expected += "\r\nTest102= 3\r\n";
    EXPECT_EQ(Bytes(file), expected);

    ASSERT_TRUE(WriteIni(file, "Result2", "DateTest", "02.03.2004"));
    expected += "[Result2]\r\nDateTest=02.03.2004\r\n";
    EXPECT_EQ(Bytes(file), expected);
    EXPECT_EQ(ReadIni(file, "Result1", "Test102", "?"), "3");

    // A file with LF line ends gets LF lines.
    const std::string other = Copy("lf_writer.ini", "ZRVI002.ini");
    ASSERT_TRUE(WriteIni(other, "Settings", "DateNum", "4"));
    std::string lf = Fixture("lf_writer.ini");
    lf.insert(lf.find("sex = f\n") + 8, "DateNum=4\n");
    EXPECT_EQ(Bytes(other), lf);
}

TEST_F(IniFileTest, ANewFileIsWindows1251WithCrLfAndReadableByItsOwnerOnly) {
    const std::string file = (dir.path() / "ZRVI001.ini").string();
    ASSERT_TRUE(WriteIni(file, {{"Settings", "Passw", "пароль"},
                                {"Settings", "Name", "Анна"},
                                {"Settings", "YearBirth", " 1965"}}));
    EXPECT_EQ(Bytes(file), Cp("[Settings]\r\nPassw=пароль\r\nName=Анна\r\nYearBirth= 1965\r\n"));
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    // An existing file keeps the permissions it has.
    const std::string shared = Copy("windows_profile.ini", "ZRVI002.ini");
    fs::permissions(shared, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(WriteIni(shared, "Settings", "Height", "1.70"));
    EXPECT_EQ(fs::status(shared).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(IniFileTest, LineBreaksInAValueBecomeOneBlankEach) {
    const std::string file = (dir.path() / "ZRVI001.ini").string();
    ASSERT_TRUE(WriteIni(file, "Settings", "Name", "a\r\nb"));
    ASSERT_TRUE(WriteIni(file, "Settings", "LastName", "x\ry\nz"));
    EXPECT_EQ(Bytes(file), "[Settings]\r\nName=a  b\r\nLastName=x y z\r\n");
    EXPECT_EQ(ReadIni(file, "Settings", "Name", "?"), "a  b");
}

TEST_F(IniFileTest, AValueWindows1251CannotHoldIsRefusedAndTheFileStaysAsItWas) {
    const std::string file = Copy("windows_profile.ini");
    const users::WriteResult result =
        WriteIni(file, {{"Settings", "Name", "Анна"}, {"Settings", "LastName", "Łukasiewicz"}});
    EXPECT_FALSE(result);
    EXPECT_NE(result.reason.find("«Ł»"), std::string::npos);
    EXPECT_EQ(Bytes(file), Fixture("windows_profile.ini"));
}

TEST_F(IniFileTest, AWriteThatRunsOutOfSpaceLeavesTheOldFileWhole) {
    const std::string file = Copy("windows_profile.ini");
    ASSERT_EQ(ReadIni(file, "Settings", "Name", "?"), "Анна");
    // The temporary copy may grow to 100 bytes only: its write fails part-way, as on a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const users::WriteResult result = WriteIni(file, "Settings", "Name", "Мария");
    ::setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_FALSE(result);
    EXPECT_EQ(Bytes(file), Fixture("windows_profile.ini"));
    EXPECT_EQ(Names(), std::vector<std::string>{"ZRVI001.ini"});  // no temporary file left
    EXPECT_EQ(ReadIni(file, "Settings", "Name", "?"), "Анна");
    const std::string message = users::WriteFailureText(file, result);
    EXPECT_NE(message.find(file), std::string::npos);
    EXPECT_NE(message.find("Данные не сохранены"), std::string::npos);
}

TEST_F(IniFileTest, AReadOnlyDirectoryIsReportedAndNothingChanges) {
    const std::string file = Copy("windows_profile.ini");
    const std::string fresh = (dir.path() / "ZRVI002.ini").string();
    fs::permissions(file, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
    // Read as root beforehand: the ordinary user may not reach the fixtures' folder.
    const std::string original = Fixture("windows_profile.ini");
    const bool reported = initest::AsOrdinaryUser([&] {
        const users::WriteResult update = WriteIni(file, "Settings", "Name", "Мария");
        const users::WriteResult create = WriteIni(fresh, "Settings", "Name", "Мария");
        return !update && update.reason == "нет права на запись в папку программы" && !create &&
               Bytes(file) == original && !fs::exists(fresh);
    });
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_TRUE(reported);
    EXPECT_EQ(Names(), std::vector<std::string>{"ZRVI001.ini"});
}

TEST_F(IniFileTest, AProfileThatCannotBeReadIsNotOverwritten) {
    const std::string file = Copy("windows_profile.ini");
    fs::permissions(dir.path(), fs::perms::all);
    fs::permissions(file, fs::perms::owner_write);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
    }
    const bool refused = initest::AsOrdinaryUser([&] {
        const users::WriteResult result = WriteIni(file, "Settings", "DateNum", "3");
        return !result && result.reason == "прежнее содержание файла не удаётся прочитать";
    });
    fs::permissions(dir.path(), fs::perms::owner_all);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(refused);
    EXPECT_EQ(Bytes(file), Fixture("windows_profile.ini"));
}

TEST_F(IniFileTest, ChangesMadeByOthersAreSeenAtOnce) {
    const std::string file = (dir.path() / "ZRVI001.ini").string();
    Put(file, "[Settings]\r\nDateNum=7\r\n");
    EXPECT_EQ(ReadIni(file, "Settings", "DateNum", "?"), "7");
    Put(file, "[Settings]\r\nDateNum=8\r\n");  // same size, same file, same instant
    EXPECT_EQ(ReadIni(file, "Settings", "DateNum", "?"), "8");
    ASSERT_TRUE(WriteIni(file, "Settings", "DateNum", "9"));
    EXPECT_EQ(ReadIni(file, "Settings", "DateNum", "?"), "9");
    fs::remove(file);
    EXPECT_EQ(ReadIni(file, "Settings", "DateNum", "?"), "?");
}

TEST_F(IniFileTest, ASectionIsReadOnlyAsFarAsNeededAndReadsTheSameAsSingleKeys) {
    // [Settings] last, after a long run of records: the partial read has to go on to the end.
    std::string bytes = "[Result1]\r\nDateTest=01.01.2001\r\n";
    for (int i = 2; i < 3000; ++i) bytes += "[Result" + std::to_string(i) + "]\r\nTest101= 5\r\n";
    bytes += Cp("[Settings]\r\nLastName=Яковлева\r\nName = Ольга");
    const std::string file = (dir.path() / "ZRVI001.ini").string();
    Put(file, bytes);
    EXPECT_EQ(users::ReadIniSection(file, "settings", {"LastName", "Name", "Passw"}, "?"),
              (std::vector<std::string>{"Яковлева", "Ольга", "?"}));
    EXPECT_EQ(users::ReadIniSection(file, "Result1", {"DateTest"}, "?"),
              std::vector<std::string>{"01.01.2001"});
    EXPECT_EQ(users::ReadIniSection(file + ".none", "Settings", {"Name"}, "?"),
              std::vector<std::string>{"?"});
}

}  // namespace
