#include "machine/clock.h"

#include <ctime>

namespace {

// The ten digits are consecutive fields, SecUnits first.
uint32_t* Digits(LH5801* m) { return &m->SecUnits; }

void LoadRegisterFromDigits(LH5801* m) {
    const uint32_t* digit = Digits(m);
    for (unsigned i = 0; i < 10; ++i)
        for (unsigned b = 0; b < 4; ++b) m->ClockData[4 * i + b] = (digit[i] >> b) & 1;
}

void SetDigitsFromRegister(LH5801* m) {
    uint32_t* digit = Digits(m);
    for (unsigned i = 0; i < 10; ++i) {
        const uint32_t* w = &m->ClockData[4 * i];
        digit[i] = (w[0] & 1) | (w[1] & 1) << 1 | (w[2] & 1) << 2 | (w[3] & 1) << 3;
    }
}

void SetDay(LH5801* m, uint32_t tens, uint32_t units) {
    m->DayTens = tens;
    m->DayUnits = units;
}

bool DayIs(const LH5801* m, uint32_t tens, uint32_t units) {
    return m->DayTens == tens && m->DayUnits == units;
}

// The month after the 31st: only the months of 31 days move on. A month
// out of range (a Time Set may store one) stays as it is.
uint32_t NextMonthAfterDay31(uint32_t month) {
    switch (month) {
        case 1: case 3: case 5: case 7: case 8: case 10: return month + 1;
        case 12: return 1;
        default: return month;
    }
}

// Midnight: the day of the month and the month move on.
void AdvanceDay(LH5801* m) {
    if (++m->DayUnits == 10) {
        m->DayUnits = 0;
        ++m->DayTens;
        return;
    }
    if (m->Month == 2 && DayIs(m, 2, 9)) {
        SetDay(m, 0, 1);
        m->Month = 3;
        return;
    }
    if (DayIs(m, 3, 2)) {
        SetDay(m, 0, 1);
        m->Month = NextMonthAfterDay31(m->Month);
        return;
    }
    const bool shortMonth = m->Month == 4 || m->Month == 6 || m->Month == 9 || m->Month == 11;
    if (DayIs(m, 3, 1) && shortMonth) {
        SetDay(m, 0, 1);
        ++m->Month;
    }
}

}  // namespace

void ClockPortCWrite(LH5801* m, uint8_t v) {
    m->BuzzerActif = (v >> 6) & 1;

    if (!(v & 0x02)) {
        m->SignalSTB = 0;
    } else if (m->SignalSTB == 0) {
        m->SignalSTB = 1;
        m->IndiceClockW = 0;
        m->IndiceClockR = 0;
        // The load obeys the command of an earlier write, not the one in v.
        if (m->CommandeClock == kClockTimeRead) LoadRegisterFromDigits(m);
    }

    m->CommandeClock = (v >> 3) & 7;

    if (!(v & 0x04)) {
        m->SignalClock = 0;
    } else if (m->SignalClock == 0) {
        m->SignalClock = 1;
        if (m->CommandeClock == kClockRegisterShift && m->IndiceClockW < kClockBits)
            m->ClockData[m->IndiceClockW++] = v & 1;
    }

    if (m->CommandeClock == kClockTimeSet) {
        SetDigitsFromRegister(m);
        m->IndiceClockW = 0;
    }
}

int ClockNextOutputBit(LH5801* m) {
    if (m->CommandeClock != kClockRegisterShift) return -1;
    // Past the 40th bit the chip shifts out zeros; the index stays at the end.
    if (m->IndiceClockR >= kClockBits) return 0;
    return static_cast<int>(m->ClockData[m->IndiceClockR++] & 1);
}

void ClockSetTime(LH5801* m, const ClockTime& t) {
    m->SecUnits = t.second % 10;
    m->SecTens = t.second / 10;
    m->MinUnits = t.minute % 10;
    m->MinTens = t.minute / 10;
    m->HourUnits = t.hour % 10;
    m->HourTens = t.hour / 10;
    m->DayUnits = t.day % 10;
    m->DayTens = t.day / 10;
    m->WeekDay = t.weekDay;
    m->Month = t.month;
}

void ClockSetFromHostTime(LH5801* m) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    ClockSetTime(m, {local.tm_sec > 59 ? 59 : local.tm_sec, local.tm_min, local.tm_hour, local.tm_mday,
                     local.tm_wday, local.tm_mon + 1});
}

void ClockAdvanceSecond(LH5801* m) {
    if (++m->SecUnits < 10) return;
    m->SecUnits = 0;
    if (++m->SecTens < 6) return;
    m->SecTens = 0;
    if (++m->MinUnits < 10) return;
    m->MinUnits = 0;
    if (++m->MinTens < 6) return;
    m->MinTens = 0;
    ++m->HourUnits;
    if (m->HourUnits == 10) {
        m->HourUnits = 0;
        ++m->HourTens;
        return;
    }
    if (m->HourUnits == 4 && m->HourTens == 2) {
        m->HourUnits = 0;
        m->HourTens = 0;
        AdvanceDay(m);
    }
}
