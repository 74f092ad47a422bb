// Where the documents and the profiles are: a portable copy keeps its profiles beside it, an
// installed copy in the user's own, private data folder.
#include "users/folders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using testsupport::TempDir;

struct Layout {
    TempDir root;
    fs::path program = root.path() / "bin";
    fs::path installed = root.path() / "share/zorvek";
    fs::path home = root.path() / "home/.local/share/zorvek";

    Layout() { fs::create_directories(program); }
    users::FolderPlaces Places() const { return {program, {installed}, home, std::nullopt}; }
};

fs::perms PermissionsOf(const fs::path& dir) {
    return fs::status(dir).permissions() & fs::perms::all;
}

TEST(Folders, APortableCopyKeepsItsProfilesBesideTheProgram) {
    Layout layout;
    fs::create_directories(layout.program / "Doc");
    fs::create_directories(layout.installed / "Doc");
    const users::Folders folders = users::ChooseFolders(layout.Places());
    EXPECT_EQ(folders.documents, layout.program);
    EXPECT_EQ(folders.profiles, layout.program);
    EXPECT_TRUE(folders.problem.empty());
    EXPECT_FALSE(fs::exists(layout.home));

    // Profiles stored beside the program by an earlier version keep it portable without Doc/.
    Layout stored;
    stored.root.Write("bin/ZRVI001.ini", "[Settings]\r\n");
    fs::create_directories(stored.installed / "Doc");
    const users::Folders found = users::ChooseFolders(stored.Places());
    EXPECT_EQ(found.profiles, stored.program);
    EXPECT_EQ(found.documents, stored.installed);
}

TEST(Folders, AnInstalledCopyKeepsProfilesInThePrivateDataFolderOfTheUser) {
    Layout layout;
    fs::create_directories(layout.installed / "Doc");
    const users::Folders folders = users::ChooseFolders(layout.Places());
    EXPECT_EQ(folders.documents, layout.installed);
    EXPECT_EQ(folders.profiles, layout.home);
    ASSERT_TRUE(fs::is_directory(layout.home));
    EXPECT_EQ(PermissionsOf(layout.home), fs::perms::owner_all);
    EXPECT_TRUE(folders.problem.empty());
}

TEST(Folders, AReadOnlyPortableCopyKeepsProfilesInTheDataFolderOfTheUser) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser may write into any folder";
    Layout layout;
    fs::create_directories(layout.program / "Doc");
    fs::permissions(layout.program, fs::perms::owner_read | fs::perms::owner_exec);
    const users::Folders folders = users::ChooseFolders(layout.Places());
    fs::permissions(layout.program, fs::perms::owner_all);
    EXPECT_EQ(folders.documents, layout.program);
    EXPECT_EQ(folders.profiles, layout.home);
}

TEST(Folders, AFolderNamedAtStartIsUsedAndAnExistingOneKeepsItsPermissions) {
    Layout layout;
    fs::create_directories(layout.program / "Doc");
    users::FolderPlaces places = layout.Places();
    places.chosenProfiles = layout.root.path() / "chosen/profiles";
    users::Folders folders = users::ChooseFolders(places);
    EXPECT_EQ(folders.profiles, *places.chosenProfiles);
    EXPECT_EQ(PermissionsOf(*places.chosenProfiles), fs::perms::owner_all);

    fs::permissions(*places.chosenProfiles, fs::perms::owner_all | fs::perms::group_read |
                                                fs::perms::group_exec);
    folders = users::ChooseFolders(places);
    EXPECT_TRUE(folders.problem.empty());
    EXPECT_EQ(PermissionsOf(*places.chosenProfiles),
              fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
}

TEST(Folders, AProfileFolderThatCannotBeMadeIsReportedWithItsPath) {
    Layout layout;
    users::FolderPlaces places = layout.Places();
    const fs::path file = layout.root.Write("taken", "not a folder");
    places.chosenProfiles = file;
    users::Folders folders = users::ChooseFolders(places);
    EXPECT_NE(folders.problem.find(file.string()), std::string::npos) << folders.problem;

    places.chosenProfiles = file / "below";
    folders = users::ChooseFolders(places);
    EXPECT_NE(folders.problem.find((file / "below").string()), std::string::npos)
        << folders.problem;
    EXPECT_NE(folders.problem.find("Причина"), std::string::npos) << folders.problem;
}

}  // namespace
