// --clock's text: a real date and time of day, with its day of the week.
#include <gtest/gtest.h>

#include "app/cli/clock_option.h"

namespace {

TEST(ClockOption, ReadsTheDateTimeAndItsWeekDay) {
    const auto t = ParseClockTime("2024-02-29 23:59:58");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->second, 58);
    EXPECT_EQ(t->minute, 59);
    EXPECT_EQ(t->hour, 23);
    EXPECT_EQ(t->day, 29);
    EXPECT_EQ(t->month, 2);
    EXPECT_EQ(t->weekDay, 4);  // a Thursday
    EXPECT_EQ(ParseClockTime("1984-01-01 00:00:00")->weekDay, 0);  // a Sunday
}

TEST(ClockOption, RefusesWhatIsNotADateAndTime) {
    for (const char* text : {"", "2024-02-30 10:00:00", "2023-02-29 10:00:00", "2024-13-01 10:00:00",
                             "2024-00-10 10:00:00", "2024-01-10 24:00:00", "2024-01-10 10:60:00",
                             "2024-01-10 10:00:60", "2024-01-10T10:00:00", "2024-1-10 10:00:00",
                             "2024-01-10 10:00:00 ", "0000-01-10 10:00:00", "2024-01-10 1a:00:00"})
        EXPECT_FALSE(ParseClockTime(text)) << text;
}

}  // namespace
