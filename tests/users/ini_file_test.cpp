#include "users/ini_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <functional>

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

TEST_F(IniFileTest, AnUnclosedHeaderBeforeCrLfNamesTheSameSectionForTheSectionReadAsForSingleKeys) {
    // "[Settings" without its bracket still starts [Settings]: the first one, which holds no name,
    // is the one both reads find; the carriage return is not part of the name.
    const std::string file = (dir.path() / "ZRVI001.ini").string();
    Put(file, Cp("[Settings\r\n[Result1]\r\nDateTest=01.01.2001\r\n[Settings]\r\nName=Ольга\r\n"));
    EXPECT_EQ(ReadIni(file, "Settings", "Name", "?"), "?");
    EXPECT_EQ(users::ReadIniSection(file, "Settings", {"Name"}, "?"),
              std::vector<std::string>{"?"});
}

}  // namespace

namespace {

// Bytes this process has read from files so far (Linux: /proc/self/io).
long long BytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string name;
    long long value = 0;
    while (io >> name >> value) {
        if (name == "rchar:") return value;
    }
    return -1;
}

TEST_F(IniFileTest, MalformedUtf8CannotSmuggleLinesOrSectionsIntoAProfile) {
    const std::string file = Copy("windows_profile.ini");
    const std::string before = Bytes(file);
    // Overlong line feeds: taken as line ends after the replacement of CR and LF, they would
    // write a DateNum of their own that locks the profile.
    for (const std::string& lineFeed :
         {std::string("\xC0\x8A"), std::string("\xE0\x80\x8A"), std::string("\xF0\x80\x80\x8A")}) {
        const users::WriteResult result =
            WriteIni(file, "Settings", "LastName", "Ivan" + lineFeed + "DateNum=32767");
        EXPECT_FALSE(result);
        EXPECT_EQ(result.error, EILSEQ);
        EXPECT_NE(result.reason.find("UTF-8"), std::string::npos) << result.reason;
        EXPECT_FALSE(WriteIni(file, "Settings", "LastName" + lineFeed + "[Result1]", "x"));
    }
    EXPECT_FALSE(WriteIni(file, "Settings", "LastName", "\xED\xA0\x80"));      // a surrogate
    EXPECT_FALSE(WriteIni(file, "Settings", "LastName", "\xF4\x90\x80\x80"));  // above U+10FFFF
    EXPECT_EQ(Bytes(file), before);
    EXPECT_EQ(ReadIni(file, "Settings", "DateNum", "?"), "2");

    // Real line ends inside a value become blanks: a section header stays text of the value.
    ASSERT_TRUE(WriteIni(file, "Settings", "LastName", "Иванов\r\n[Result1]\rDateNum=1\n"));
    EXPECT_EQ(ReadIni(file, "Settings", "LastName", "?"), "Иванов  [Result1] DateNum=1");
    EXPECT_EQ(ReadIni(file, "Settings", "DateNum", "?"), "2");
    EXPECT_EQ(ReadIni(file, "Result2", "Test101", "?"), "3");
}

TEST_F(IniFileTest, SectionAndKeyNamesThatWouldBreakTheFileAreRefused) {
    const std::string file = Copy("windows_profile.ini");
    const std::string before = Bytes(file);
    const std::vector<std::pair<std::string, std::string>> broken = {
        {"", "Key"},           {" Settings", "Key"},
        {"Settings ", "Key"},  {"Set]tings", "Key"},
        {"Set\ntings", "Key"}, {"Settings", ""},
        {"Settings", " Key"},  {"Settings", "Key\t"},
        {"Settings", "K=ey"},  {"Settings", "[Result9]"},
        {"Settings", ";Key"},  {"Settings", "#Key"},
        {"Settings", "K\rey"}, {"Settings", "K\x01y"},
    };
    for (const auto& [section, key] : broken) {
        const users::WriteResult result = WriteIni(file, section, key, "1");
        EXPECT_FALSE(result) << section << "/" << key;
        EXPECT_NE(result.reason.find("нельзя записать в файл профиля"), std::string::npos)
            << result.reason;
    }
    // One bad entry among good ones: nothing is written.
    EXPECT_FALSE(WriteIni(file, {{"Settings", "Name", "Пётр"}, {"Settings", "Na=me", "x"}}));
    EXPECT_EQ(Bytes(file), before);
    // Names with inner blanks and Cyrillic letters are fine.
    ASSERT_TRUE(WriteIni(file, "Мои заметки", "Первая запись", "да"));
    EXPECT_EQ(ReadIni(file, "мои заметки", "первая запись", "?"), "да");
}

TEST_F(IniFileTest, AProfileThatIsASymbolicLinkIsWrittenThroughToItsTarget) {
    fs::create_directory(dir.path() / "store");
    const std::string target = (dir.path() / "store" / "real.ini").string();
    Put(target, Fixture("windows_profile.ini"));
    const fs::path link = dir.path() / "ZRVI001.ini";
    fs::create_symlink("store/real.ini", link);

    ASSERT_TRUE(WriteIni(link.string(), "Settings", "DateNum", "5"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadIni(target, "Settings", "DateNum", "?"), "5");
    EXPECT_EQ(ReadIni(link.string(), "Settings", "DateNum", "?"), "5");
    EXPECT_EQ(ReadIni(link.string(), "Settings", "LastName", "?"), "Щербакова");
    EXPECT_EQ(fs::directory_iterator(dir.path() / "store")->path().filename(), "real.ini");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "store"), {}), 1);

    // A link to nothing stays as it is, and the user is told where it points.
    const fs::path dangling = dir.path() / "ZRVI002.ini";
    fs::create_symlink("store/gone.ini", dangling);
    const users::WriteResult result = WriteIni(dangling.string(), "Settings", "Name", "Анна");
    EXPECT_FALSE(result);
    EXPECT_NE(result.reason.find("store/gone.ini"), std::string::npos) << result.reason;
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_FALSE(fs::exists(dir.path() / "store" / "gone.ini"));
}

TEST_F(IniFileTest, AFolderInThePlaceOfAProfileIsNamedAsSuch) {
    const fs::path folder = dir.path() / "ZRVI001.ini";
    fs::create_directory(folder);
    const users::WriteResult result = WriteIni(folder.string(), "Settings", "Name", "Анна");
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, EISDIR);
    EXPECT_EQ(result.reason, "на месте файла профиля находится папка");
    EXPECT_TRUE(fs::is_directory(folder));
}

TEST_F(IniFileTest, AFinalCarriageReturnIsALineEndThatAWriteKeeps) {
    const std::string file = (dir.path() / "ZRVI001.ini").string();
    Put(file, "[Settings]\r\nDateNum=1\r");
    EXPECT_EQ(ReadIni(file, "Settings", "DateNum", "?"), "1");
    ASSERT_TRUE(WriteIni(file, "Settings", "DateNum", "2"));
    EXPECT_EQ(Bytes(file), "[Settings]\r\nDateNum=2\r");
    ASSERT_TRUE(WriteIni(file, "Settings", "Sex", "m"));
    EXPECT_EQ(Bytes(file), "[Settings]\r\nDateNum=2\r\nSex=m\r\n");
    Put(file, "[Settings]\r\nDateNum=1\r");
    ASSERT_TRUE(WriteIni(file, "Result1", "Test101", "3"));
    EXPECT_EQ(Bytes(file), "[Settings]\r\nDateNum=1\r\n[Result1]\r\nTest101=3\r\n");
}

TEST_F(IniFileTest, AProfileSavedAsUtf8IsReadAsSuchAndStaysUtf8) {
    for (const std::string mark : {"\xEF\xBB\xBF", ""}) {
        const std::string file = (dir.path() / "ZRVI001.ini").string();
        const std::string original = mark +
                                     "[Settings]\r\nLastName=Щербакова\r\nName=Ёлка\r\n"
                                     "YearBirth=1965\r\n[Result1]\r\nTest101=3\r\n";
        Put(file, original);
        EXPECT_EQ(ReadIni(file, "Settings", "LastName", "?"), "Щербакова");
        EXPECT_EQ(ReadIni(file, "Settings", "YearBirth", "?"), "1965");
        EXPECT_EQ(users::ReadIniSection(file, "Settings", {"LastName", "Name"}, "?"),
                  (std::vector<std::string>{"Щербакова", "Ёлка"}));

        ASSERT_TRUE(WriteIni(file, "Settings", "DateNum", "1"));
        ASSERT_TRUE(WriteIni(file, "Settings", "Name", "Ольга"));
        const std::string written = Bytes(file);
        EXPECT_EQ(written, mark +
                               "[Settings]\r\nLastName=Щербакова\r\nName=Ольга\r\n"
                               "YearBirth=1965\r\nDateNum=1\r\n[Result1]\r\nTest101=3\r\n");
        EXPECT_TRUE(base::IsValidUtf8(written));
    }
}

// How fast a late [Settings] is found is measured by the profile benchmark.
TEST_F(IniFileTest, ASectionReadStopsAtTheEndOfTheSectionAndFindsOneAfterManyRecords) {
    const std::string file = (dir.path() / "ZRVI001.ini").string();
    std::string records;
    for (int i = 1; records.size() < (2 << 20); ++i)
        records += "[Result" + std::to_string(i) + "]\r\nTest101= 5\r\nDateTest=01.01.2001\r\n";
    Put(file, Cp("[Settings]\r\nLastName=Яковлева\r\nName=Ольга\r\n") + records);
    const long long before = BytesReadSoFar();
    EXPECT_EQ(users::ReadIniSection(file, "Settings", {"LastName", "Name"}, "?"),
              (std::vector<std::string>{"Яковлева", "Ольга"}));
    if (before >= 0) {
        EXPECT_LT(BytesReadSoFar() - before, 16 * 1024);
    }

    // [Settings] after 20 MB of records.
    std::string late;
    while (late.size() < (20 << 20)) late += records;
    Put(file, late + Cp("[Settings]\r\nLastName=Яковлева\r\nName=Ольга\r\n"));
    EXPECT_EQ(users::ReadIniSection(file, "Settings", {"LastName", "Name"}, "?"),
              (std::vector<std::string>{"Яковлева", "Ольга"}));
}

}  // namespace
