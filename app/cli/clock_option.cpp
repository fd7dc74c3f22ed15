#include "app/cli/clock_option.h"

#include <chrono>

namespace {

// `count` decimal digits at `at`.
std::optional<int> Digits(std::string_view text, size_t at, size_t count) {
    int value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

std::optional<ClockTime> ParseClockTime(std::string_view text) {
    // YYYY-MM-DD HH:MM:SS
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':' || text[16] != ':')
        return std::nullopt;
    const auto year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
    const auto hour = Digits(text, 11, 2), minute = Digits(text, 14, 2), second = Digits(text, 17, 2);
    if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year(*year), std::chrono::month(static_cast<unsigned>(*month)),
                                           std::chrono::day(static_cast<unsigned>(*day))};
    if (*year < 1 || !date.ok() || *hour > 23 || *minute > 59 || *second > 59) return std::nullopt;
    const std::chrono::weekday weekDay{std::chrono::sys_days(date)};
    return ClockTime{*second, *minute, *hour, *day, static_cast<int>(weekDay.c_encoding()), *month};
}
