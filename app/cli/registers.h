// The record fields that the command line can set by name (--reg NAME=HEX).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "cpu/record.h"

struct SettableField {
    std::string_view name;
    uint32_t max;         // largest accepted value
    bool decimalAllowed;  // accepts "272d" as well as hex
    void (*set)(LH5801*, uint32_t);
};

// Case-sensitive lookup; nullptr for an unknown name.
const SettableField* FindSettableField(std::string_view name);

// Parses "NAME=VALUE" and sets the field. Returns an explanation on failure.
std::optional<std::string_view> SetFieldFromText(LH5801* m, std::string_view assignment);
// Checks "NAME=VALUE" without setting anything.
std::optional<std::string_view> CheckFieldText(std::string_view assignment);
