#include "texts/TextTable.h"

#include <gtest/gtest.h>

namespace kestrion {

TEST(TextTable, DefaultsHoldFourThousandTexts) {
    TextTable t;
    EXPECT_EQ(t.size(), 4000);
    EXPECT_EQ(t[18], "Error! Project not Valid");
    EXPECT_EQ(t[70], " ");
}

} // namespace kestrion
