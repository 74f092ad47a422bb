#include "results/user_profile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/text_codec.h"
#include "results/test_record.h"
#include "support/temp_dir.h"
#include "support/test_data.h"

namespace {

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(UserProfile, AProfileWrittenOnWindowsGetsItsNextRunAndShowsTheEarlierOnes) {
    testsupport::TempDir dir;
    const auto file = dir.path() / "ZRVI001.ini";
    std::filesystem::copy_file(testsupport::TestData("ini/windows_profile.ini"), file);
    results::UserProfile profile(file.string());

    const base::DateTime now{2004, 12, 1, 8, 0, 0};
    EXPECT_TRUE(
        results::WriteTestRecord(profile, 3, now, {1, {{101, 5}, {102, -1}, {114, 6}, {115, 5}}})
            .ok);

    const auto runs = results::ReadHistory(profile, 3, 1, {101, 102, 103, 104, 114, 115});
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].date, "12.09.2004");
    EXPECT_EQ(runs[0].Value(101), 3);
    EXPECT_EQ(runs[0].Value(103), 0);  // never stored
    EXPECT_EQ(runs[1].date, "05.03.2004");

    // The registration data and the Cyrillic names are untouched; the new run is readable as text.
    const std::string text = base::Cp1251ToUtf8(FileBytes(file));
    EXPECT_NE(text.find("LastName=Щербакова"), std::string::npos);
    EXPECT_NE(text.find("DateNum=3"), std::string::npos);
    EXPECT_NE(text.find("[Result3]\r\nDateTest=01.12.2004\r\nTimeTest=08:00:00\r\nTest101= "
                        "5\r\nTest102=-1\r\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(results::ReadHistory(profile, 4, 1, {101}).front().runNumber, 3);
}

TEST(UserProfile, AProfileThatCannotBeWrittenSaysWhyAndStaysAsItWas) {
    testsupport::TempDir dir;
    const auto file = dir.path() / "gone" / "ZRVI001.ini";
    results::UserProfile profile(file.string());
    const results::StoreResult written =
        results::WriteTestRecord(profile, 1, {2004, 1, 1, 0, 0, 0}, {1, {{101, 5}}});
    EXPECT_FALSE(written.ok);
    EXPECT_FALSE(written.reason.empty());
    EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
