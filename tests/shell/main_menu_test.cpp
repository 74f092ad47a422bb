#include "shell/main_menu.h"

#include <gtest/gtest.h>

#include <functional>

#include "text/catalogue.h"

namespace {

TEST(MainWindowCaption, HasTwoBlanksBeforeTheVersion) {
    EXPECT_EQ(shell::MainWindowCaption(2, 0, 13), "Zorvek from 01.07.03  (v. 2.0.13)");
}

TEST(MainMenu, EveryEntryHasARealCaption) {
    const std::string list = text::GetBufText(0);
    std::function<void(const std::vector<shell::MenuEntry>&)> check = [&](const auto& entries) {
        for (const shell::MenuEntry& entry : entries) {
            const std::string caption = shell::MenuCaption(entry, list);
            EXPECT_FALSE(caption.empty()) << entry.name;
            EXPECT_EQ(caption.rfind("?", 0), std::string::npos) << entry.name;
            check(entry.children);
        }
    };
    check(shell::MainMenu());
}

}  // namespace
