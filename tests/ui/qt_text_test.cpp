#include <gtest/gtest.h>

#include "ui/qt_text.h"

namespace stelvar::ui {
namespace {

TEST(QtText, JapaneseRoundTrip) {
    for (const char* s : {"", "重力式擁壁", "ｶﾗｰ", "γs=20.0kN/m3", "①躯体～"}) {
        EXPECT_EQ(FromQString(ToQString(s)), s);
    }
    EXPECT_EQ(ToQString("擁壁").size(), 2);
}

}  // namespace
}  // namespace stelvar::ui
