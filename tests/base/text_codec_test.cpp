#include "base/text_codec.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1251, KnowsTheCodesTheProgramReliesOn) {
    EXPECT_EQ(base::Cp1251Code(U'¤'), 164);
    EXPECT_EQ(base::Cp1251Code(U'Ё'), 168);
    EXPECT_EQ(base::Cp1251Code(U'ё'), 184);
    EXPECT_EQ(base::Cp1251Code(U'№'), 185);
    EXPECT_EQ(base::Cp1251Code(U'А'), 192);
    EXPECT_EQ(base::Cp1251Code(U'я'), 255);
    EXPECT_EQ(base::Cp1251Code(U'«'), 171);
    EXPECT_EQ(base::Cp1251Code(U'—'), 151);
    EXPECT_EQ(base::Cp1251Code(U'é'), -1);
    EXPECT_EQ(base::Cp1251Code(U'ł'), -1);
}

TEST(Cp1251, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int code = 0; code < 256; ++code) all += static_cast<char>(code);
    const std::string utf8 = base::Cp1251ToUtf8(all);
    EXPECT_EQ(base::Utf8ToCp1251(utf8), all);
    EXPECT_EQ(base::CharLength(utf8), 256u);
}

TEST(Cp1251, RefusesTextItCannotHold) {
    EXPECT_EQ(base::Utf8ToCp1251("Мир Ё"), std::string("\xcc\xe8\xf0 \xa8"));
    EXPECT_EQ(base::Utf8ToCp1251("Łukasz"), std::nullopt);
    EXPECT_EQ(base::FirstCharNotInCp1251("Жан-Поль Сартр"), std::nullopt);
    EXPECT_EQ(base::FirstCharNotInCp1251("Ренé"), "é");
    EXPECT_EQ(base::FirstCharNotInCp1251("Иван 😀"), "😀");
}

TEST(Utf8, MalformedBytesAreKeptNotLost) {
    const std::u32string decoded = base::DecodeUtf8(
        "a\xff"
        "b\xd0");
    EXPECT_EQ(decoded, (std::u32string{U'a', 0xff, U'b', 0xd0}));
    EXPECT_EQ(base::CharLeft("Привет", 3), "При");
}

TEST(Utf8, MalformedSequencesNeverPassForTheCharacterTheyImitate) {
    // Overlong line feeds, a surrogate and a value above U+10FFFF: each byte stays a character of
    // its own, none of them a line feed.
    for (const std::string& bad :
         {std::string("\xC0\x8A"), std::string("\xE0\x80\x8A"), std::string("\xF0\x80\x80\x8A"),
          std::string("\xED\xA0\x80"), std::string("\xF4\x90\x80\x80"), std::string("\xC1\xBF")}) {
        const std::u32string decoded = base::DecodeUtf8("a" + bad);
        EXPECT_EQ(decoded.size(), bad.size() + 1) << bad.size();
        EXPECT_EQ(decoded.find(U'\n'), std::u32string::npos);
        EXPECT_FALSE(base::IsValidUtf8("a" + bad));
        EXPECT_EQ(base::Utf8ToCp1251("Ivan" + bad + "DateNum=1"), std::nullopt);
    }
    // The largest forms that are well-formed still decode.
    EXPECT_EQ(base::DecodeUtf8("\xC2\x80\xE0\xA0\x80\xED\x9F\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"),
              (std::u32string{0x80, 0x800, 0xD7FF, 0x10000, 0x10FFFF}));
    EXPECT_TRUE(base::IsValidUtf8("Жан-Поль 😀"));
    EXPECT_FALSE(base::IsValidUtf8("\xD0"));
}

TEST(Case, UpperAndLowerCoverCyrillic) {
    EXPECT_EQ(base::ToUpper("frmRecom1"), "FRMRECOM1");
    EXPECT_EQ(base::ToUpper("ёжик Юля"), "ЁЖИК ЮЛЯ");
    EXPECT_EQ(base::ToLower("ZRVI001.INI"), "zrvi001.ini");
    EXPECT_EQ(base::ToLower("ЁЖ"), "ёж");
}

}  // namespace
