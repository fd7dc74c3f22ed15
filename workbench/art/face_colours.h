// Colours of Sifter's face that the artwork and the form both use.
#pragma once

#include <cstdint>

namespace face {

constexpr uint32_t kBody = 0x2D3034;
constexpr uint32_t kBodyLow = 0x222428;
constexpr uint32_t kGlassColour = 0x9DA491;      // the grids' own background
constexpr uint32_t kStripColour = 0x262B24;      // the dark display strip
constexpr uint32_t kStripText = 0xB9C4A8;  // indicators on the strip
constexpr uint32_t kBusyText = 0xE0703C;   // the busy mark
constexpr uint32_t kKeyText = 0xF2F2EE;    // legends of the clickable labels
constexpr uint32_t kKeyTextOff = 0x6E7278; // legends of disabled commands
constexpr uint32_t kCaption = 0x7FB2E0;    // captions above commands and fields
constexpr uint32_t kFieldText = 0x1E2420;  // text of the input fields

}  // namespace face
