#include "users/file_replace.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "support/temp_dir.h"
#include "users/ini_file.h"
#include "users/ini_test_support.h"
#include "users/profiles.h"

namespace {

namespace fs = std::filesystem;
using initest::Bytes;
using initest::Put;

std::vector<std::string> HiddenNames(const fs::path& directory) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory)) {
        const std::string name = entry.path().filename().string();
        if (name.front() == '.') names.push_back(name);
    }
    return names;
}

// Two whole profiles of different sizes: a torn write would be neither.
std::string Profile(char filler, size_t records) {
    std::string bytes = "[Settings]\r\nPassw=secret\r\nLastName=Ivanov\r\n";
    for (size_t i = 1; i <= records; ++i) {
        bytes += "[Result" + std::to_string(i) + "]\r\nTest101=" + std::string(40, filler) + "\r\n";
    }
    return bytes;
}

TEST(FileReplace, WritersKilledAtAnyMomentLeaveAWholeProfileAndNoCopyOfIt) {
    testsupport::TempDir dir;
    const fs::path file = dir.path() / "ZRVI001.ini";
    const std::string first = Profile('a', 2000);
    const std::string second = Profile('b', 1000);
    Put(file, first);
    std::mt19937 random(20261208);
    int kills = 0;
    for (int round = 0; round < 150; ++round) {
        const pid_t writer = ::fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            for (int i = 0;; ++i) users::ReplaceFileContent(file, i % 2 ? first : second);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 4000));
        ::kill(writer, SIGKILL);
        int status = 0;
        ::waitpid(writer, &status, 0);
        kills += WIFSIGNALED(status) ? 1 : 0;
        const std::string now = Bytes(file);
        ASSERT_TRUE(now == first || now == second) << "torn after round " << round;
    }
    EXPECT_EQ(kills, 150);
    // Listing the profiles (what the program does first) removes what the killed writers left.
    EXPECT_EQ(users::ListProfileFiles(dir.path()), std::vector<std::string>{"ZRVI001.ini"});
    EXPECT_EQ(HiddenNames(dir.path()), std::vector<std::string>{});
}

TEST(FileReplace, ATemporaryFileStillBeingWrittenOrNotOursIsLeftAlone) {
    testsupport::TempDir dir;
    const fs::path busy = dir.Write(".ZRVI001.ini.Ab3dE9", "[Settings]\r\nPassw=1\r\n");
    const fs::path stale = dir.Write(".ZRVI002.ini.x1Y2z3", "[Settings]\r\nPassw=2\r\n");
    const fs::path foreign = dir.Write(".notes.txt.abcdef", "mine");
    const fs::path lookalike = dir.Write(".ZRVI003.ini.toolong", "mine");
    fs::create_directory(dir.path() / ".ZRVI004.ini.folder");
    const int holder = ::open(busy.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);

    const auto isProfile = [](std::string_view name) {
        return users::ProfileNumber(name).has_value();
    };
    EXPECT_EQ(users::RemoveStaleTemporaryFiles(dir.path(), isProfile), 1);
    EXPECT_TRUE(fs::exists(busy));
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(foreign));
    EXPECT_TRUE(fs::exists(lookalike));
    EXPECT_TRUE(fs::exists(dir.path() / ".ZRVI004.ini.folder"));
    ::close(holder);
    EXPECT_EQ(users::RemoveStaleTemporaryFiles(dir.path(), isProfile), 1);
    EXPECT_FALSE(fs::exists(busy));
}

TEST(FileReplace, AFailedWriteLeavesNoTemporaryFile) {
    testsupport::TempDir dir;
    const fs::path file = dir.path() / "ZRVI001.ini";
    fs::create_directory(file);  // the rename cannot put a file in a folder's place
    EXPECT_FALSE(users::ReplaceFileContent(file, "[Settings]\r\n").ok());
    EXPECT_EQ(HiddenNames(dir.path()), std::vector<std::string>{});
}

}  // namespace
