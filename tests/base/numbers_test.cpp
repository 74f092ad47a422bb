#include "base/numbers.h"

#include <gtest/gtest.h>

#include "base/failure.h"

namespace {

TEST(Val, ReadsTheLeadingNumberOfATextWithAPointAsDecimalSeparator) {
    EXPECT_DOUBLE_EQ(base::Val("1.7."), 1.7);
    EXPECT_DOUBLE_EQ(base::Val("12abc"), 12);
    EXPECT_DOUBLE_EQ(base::Val(""), 0);
    EXPECT_DOUBLE_EQ(base::Val("   85"), 85);
    EXPECT_DOUBLE_EQ(base::Val(" 4 "), 4);
    EXPECT_DOUBLE_EQ(base::Val("-5"), -5);
    EXPECT_DOUBLE_EQ(base::Val("1,75"), 1);  // a comma ends the number
    EXPECT_DOUBLE_EQ(base::Val(".5"), 0.5);
    EXPECT_DOUBLE_EQ(base::Val("abc"), 0);
    EXPECT_DOUBLE_EQ(base::Val("?11999?"), 0);
    EXPECT_DOUBLE_EQ(base::Val("1e3"), 1000);
    EXPECT_DOUBLE_EQ(base::Val("2e"), 2);
}

TEST(IsNumeric, AcceptsDigitsWithSignBlanksAndOneComma) {
    for (const char* yes : {"85", " 1965", "1,75", "+5", "-12", "300 ", "175"}) {
        EXPECT_TRUE(base::IsNumeric(yes)) << yes;
    }
    for (const char* no : {"", " ", "abc", "1.7.", "1.75", "--1", "1,2,3", ",", "12a", "- "}) {
        EXPECT_FALSE(base::IsNumeric(no)) << no;
    }
}

TEST(CInt, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(base::CInt(8.5), 8);
    EXPECT_EQ(base::CInt(9.5), 10);
    EXPECT_EQ(base::CInt(70.5), 70);
    EXPECT_EQ(base::CInt(71.5), 72);
    EXPECT_EQ(base::CInt(35.5), 36);
    EXPECT_EQ(base::CInt(-0.5), 0);
    EXPECT_EQ(base::CInt(-1.5), -2);
    EXPECT_EQ(base::CInt(2.4999), 2);
    EXPECT_EQ(base::CInt(32767.4), 32767);
    EXPECT_EQ(base::CInt(-32768), -32768);
}

TEST(CInt, OutsideSixteenBitsIsTheOverflowFailure) {
    for (double value : {32767.5, 32768.0, -32769.0, 1e9}) {
        try {
            base::CInt(value);
            FAIL() << value;
        } catch (const base::RuntimeFailure& failure) {
            EXPECT_EQ(failure.number(), 6);
        }
    }
    EXPECT_EQ(base::Add16(32000, 767), 32767);
    EXPECT_THROW(base::Add16(32000, 768), base::RuntimeFailure);
    EXPECT_THROW(base::Sub16(-32768, 1), base::RuntimeFailure);
}

TEST(Failure, MessageCarriesNumberLineBreakAndDescription) {
    const base::RuntimeFailure failure = base::SubscriptOutOfRange();
    EXPECT_EQ(failure.number(), 9);
    EXPECT_EQ(failure.Message(), "Error 9\r\n" + failure.description());
    EXPECT_EQ(base::TypeMismatch().number(), 13);
}

}  // namespace
