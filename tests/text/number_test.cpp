#include "text/number.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace stelvar {
namespace {

struct FloatCase {
    const char* Text;
    double Value;
};

TEST(StrToFloat, ReadsDecimalNumbersWithAPoint) {
    const FloatCase cases[] = {
        {"0", 0.0},      {"20", 20.0},        {"0.0", 0.0},   {"0.22", 0.22},
        {"-1.5", -1.5},  {"+2.5", 2.5},       {" 35 ", 35.0}, {"\t1.2", 1.2},
        {"1e3", 1000.0}, {"1.5E-2", 0.015},   {".5", 0.5},    {"5.", 5.0},
        {"2400", 2400.0}, {"0.675", 0.675},
    };
    for (const FloatCase& c : cases) {
        EXPECT_EQ(StrToFloat(c.Text), c.Value) << c.Text;
        double v = -7.0;
        EXPECT_TRUE(TryStrToFloat(c.Text, v)) << c.Text;
        EXPECT_EQ(v, c.Value) << c.Text;
    }
}

TEST(StrToFloat, RefusesOtherTextsWithTheSystemMessage) {
    const char* cases[] = {"",    " ",   "abc", "1,5", "1.2.3", "1e",  "e5",
                           "inf", "nan", "-",   "--1", "1 2",   "0x10", "１２",
                           "1e400", "-", ".", "Tg=0.16"};
    for (const char* text : cases) {
        try {
            StrToFloat(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(text) + "' is not a valid floating point value");
        }
        double v = -7.0;
        EXPECT_FALSE(TryStrToFloat(text, v)) << text;
        EXPECT_EQ(v, -7.0) << "value changed by a refused text: " << text;
    }
}

struct IntCase {
    const char* Text;
    std::int32_t Value;
};

TEST(StrToInt, ReadsWholeNumbersInThe32BitRange) {
    const IntCase cases[] = {
        {"0", 0},          {"30", 30},   {"-1", -1},
        {"+7", 7},         {" 25", 25},  {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1}, {"007", 7},
    };
    for (const IntCase& c : cases) EXPECT_EQ(StrToInt(c.Text), c.Value) << c.Text;
}

TEST(StrToInt, RefusesOtherTextsWithTheSystemMessage) {
    const char* cases[] = {"",    "30.5", "3e1", "2147483648", "-2147483649", "abc",
                           "1 2", "-",    "+",   "１",         "99999999999999999999"};
    for (const char* text : cases) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

}  // namespace
}  // namespace stelvar
