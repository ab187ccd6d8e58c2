#include "store/ShownValues.h"

#include <gtest/gtest.h>

using store::ShownValues;

// Dates as every way into the library writes them, and what garbled blocks give.
TEST(ShownValues, aDateIsShownOnlyWhenItIsOne) {
    for (const char* date : {"05.03.12 09:30:15", "5.3.12 9:30:5", "3.7.2024 9:5:1", "01.02.2026 10:11",
                             "29.02.24 00:00:00", "31.12.99"})
        EXPECT_EQ(ShownValues::date(date), QString(date)) << date;
    for (const char* date : {"00.03.02 00:00:00", "A5.A5.A5 A5:A5:A5", "29.02.23 10:00:00", "31.04.24",
                             "12.13.24", "1.1.124 1:1:1", "5.3.12 24:00:00", "5.3.12 9:60", "", "junk"})
        EXPECT_FALSE(ShownValues::date(date)) << date;
}

TEST(ShownValues, aPrIsShownOnlyInsideOneToThree_asTheBoxRoundsIt) {
    for (const char* pr : {"1,000", "1.5", "3,000", "3,0004", "0,9996"})
        EXPECT_EQ(ShownValues::pr(pr), QString(pr)) << pr;
    for (const char* pr : {"150,000", "-1,500", "0,999", "3,001", "", "nan", "1e400"})
        EXPECT_FALSE(ShownValues::pr(pr)) << pr;
}
