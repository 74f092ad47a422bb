#include "recommendations/list_items.h"

#include <gtest/gtest.h>

#include "base/failure.h"

namespace {

using recommendations::LeadingNumber;
using recommendations::TrailingLetters;

TEST(ListItems, SplitAnItemIntoPreparationAndVariantLetters) {
    EXPECT_EQ(LeadingNumber("23a"), 23);
    EXPECT_EQ(TrailingLetters("23a"), "a");
    EXPECT_EQ(LeadingNumber("21ab"), 21);
    EXPECT_EQ(TrailingLetters("21ab"), "ab");
    // Bytes that are not text carry no letters (their replacement would be longer than they are).
    EXPECT_EQ(TrailingLetters("23\xC0\x8A"), "");
    EXPECT_EQ(LeadingNumber(" 1"), 1);
    EXPECT_EQ(TrailingLetters(" 1"), "");
    EXPECT_EQ(LeadingNumber("1000"), 1000);
    EXPECT_EQ(TrailingLetters("1000"), "");
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(TrailingLetters(""), "");
    EXPECT_EQ(LeadingNumber("   "), 0);
    EXPECT_EQ(TrailingLetters("   "), "");
}

TEST(ListItems, BlanksAroundAnItemDoNotChangeIt) {
    EXPECT_EQ(LeadingNumber(" 23b "), 23);
    EXPECT_EQ(TrailingLetters(" 23b "), "b");
}

TEST(ListItems, OnlyTheEndingAboveCode96CountsAsLetters) {
    // Capital Latin letters (below 97) end the letters; Cyrillic letters are above 96.
    EXPECT_EQ(TrailingLetters("7Ab"), "b");
    EXPECT_EQ(TrailingLetters("7-4"), "");
    EXPECT_EQ(LeadingNumber("7-4"), 7);
    EXPECT_EQ(TrailingLetters("5бв"), "бв");
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(TrailingLetters("abc"), "abc");
}

TEST(ListItems, ANumberBeyondSixteenBitsIsAnOverflow) {
    EXPECT_EQ(LeadingNumber("32767a"), 32767);
    try {
        LeadingNumber("40000");
        FAIL() << "no failure";
    } catch (const base::RuntimeFailure& failure) {
        EXPECT_EQ(failure.number(), base::kOverflow);
    }
}

}  // namespace
