// --clock "YYYY-MM-DD HH:MM:SS": a calendar time for the clock chip, so that
// a run does not depend on the host's clock.
#pragma once

#include <optional>
#include <string_view>

#include "machine/clock.h"

// The time, with its day of the week; nullopt unless the text is a real date
// (1 to 9999) and time of day in exactly that form.
std::optional<ClockTime> ParseClockTime(std::string_view text);
