#include "text/cp932.h"

#include <gtest/gtest.h>

#include <string>

namespace stelvar {
namespace {

struct Pair {
    const char* Utf8;
    const char* Cp932;
};

// Texts of the program and their bytes as a Windows program writes them.
TEST(Cp932, ConvertsBothWaysLikeCodePage932) {
    const Pair cases[] = {
        {"", ""},
        {"Edit15 1.5 clWindow", "Edit15 1.5 clWindow"},
        {"重力式擁壁", "\x8F\x64\x97\xCD\x8E\xAE\x97\x69\x95\xC7"},
        {"ｶﾗｰ", "\xB6\xD7\xB0"},                 // half-width katakana: one byte each
        {"γs", "\x83\xC1s"},
        {"①躯体", "\x87\x40\x8B\xEB\x91\xCC"},    // circled one exists only in code page 932
        {"30～50", "30\x81\x60" "50"},           // full-width tilde U+FF5E
        {"－", "\x81\x7C"},                       // full-width hyphen-minus U+FF0D
        {"∥", "\x81\x61"},                        // U+2225
        {"￢", "\x81\xCA"},                       // U+FFE2
        {"Ⅲ種", "\x87\x56\x8E\xED"},
        {"表ソ", "\x95\x5C\x83\x5C"},             // second byte 0x5C, the backslash
    };
    for (const Pair& c : cases) {
        EXPECT_EQ(Utf8ToCp932(c.Utf8), c.Cp932) << c.Utf8;
        EXPECT_EQ(Cp932ToUtf8(c.Cp932), c.Utf8) << c.Utf8;
    }
}

TEST(Cp932, LookAlikesOfPlainShiftJisWriteTheSameBytes) {
    // Text pasted from elsewhere may hold the JIS forms; they are written with the bytes
    // of code page 932 and read back in its form.
    EXPECT_EQ(Utf8ToCp932("〜"), "\x81\x60");   // wave dash U+301C
    EXPECT_EQ(Utf8ToCp932("−"), "\x81\x7C");   // minus sign U+2212
    EXPECT_EQ(Cp932ToUtf8("\x81\x60"), "～");
    EXPECT_EQ(Cp932ToUtf8("\x81\x7C"), "－");
}

TEST(Cp932, LengthCountsFullWidthAsTwoBytes) {
    EXPECT_EQ(Cp932Length(""), 0u);
    EXPECT_EQ(Cp932Length("Ho = 40.94kN/m"), 14u);
    EXPECT_EQ(Cp932Length("ｶﾗｰ"), 3u);
    EXPECT_EQ(Cp932Length("白黒"), 4u);
    EXPECT_EQ(Cp932Length("γs=20"), 6u);
    EXPECT_EQ(Cp932Length("　 2)盛土高          ="), 22u);
}

TEST(Cp932, UnconvertibleTextRaisesEncodingError) {
    try {
        Utf8ToCp932("雪☃");
        ADD_FAILURE() << "no error";
    } catch (const EncodingError& e) {
        EXPECT_NE(std::string(e.what()).find("U+2603"), std::string::npos) << e.what();
    }
    const char* invalidUtf8[] = {"\xFF", "a\xE9", "\xC0\x80", "\xED\xA0\x80"};
    for (const char* text : invalidUtf8) {
        EXPECT_THROW(Utf8ToCp932(text), EncodingError);
        EXPECT_THROW(Cp932Length(text), EncodingError);
    }
    const char* invalidCp932[] = {"\x81", "ab\x80", "\xFD", "\x85\x40"};
    for (const char* bytes : invalidCp932) EXPECT_THROW(Cp932ToUtf8(bytes), EncodingError);
    // A failed conversion leaves nothing behind for the next one.
    EXPECT_EQ(Cp932ToUtf8("\x8F\x64"), "重");
    EXPECT_EQ(Utf8ToCp932("重"), "\x8F\x64");
}

TEST(Cp932, LeadBytes) {
    for (unsigned b : {0x81u, 0x8Fu, 0x9Fu, 0xE0u, 0xEDu, 0xFCu})
        EXPECT_TRUE(IsCp932LeadByte(static_cast<unsigned char>(b))) << b;
    for (unsigned b : {0x00u, 0x41u, 0x5Cu, 0x80u, 0xA0u, 0xB6u, 0xDFu, 0xFDu, 0xFFu})
        EXPECT_FALSE(IsCp932LeadByte(static_cast<unsigned char>(b))) << b;
}

TEST(Cp932, LongTextsGrowTheBuffer) {
    std::string utf8, cp932;
    for (int i = 0; i < 5000; ++i) {
        utf8 += "ｶ擁a";
        cp932 += "\xB6\x97\x69" "a";
    }
    EXPECT_EQ(Utf8ToCp932(utf8), cp932);
    EXPECT_EQ(Cp932ToUtf8(cp932), utf8);
}

}  // namespace
}  // namespace stelvar
