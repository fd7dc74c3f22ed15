// Reading "--name VALUE" / "--name=VALUE" words, and the option values that
// several verbs share (ADDR:HEX stores, ADDR:COUNT dumps).
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cpu/record.h"

struct OptionWord {
    std::string name;   // "--steps"
    std::string value;  // empty for a flag
    bool hasValue = false;
};

// Splits the words into options. `takesValue(name)` says which names expect a
// value. On a malformed word, writes one error line and returns nullopt.
std::optional<std::vector<OptionWord>> ReadOptions(const std::string& verb, const std::vector<std::string>& args,
                                                   bool (*takesValue)(const std::string&), std::ostream& err);

// The one-line error of a bad option value.
void ReportBadValue(std::ostream& err, const std::string& verb, const OptionWord& o, const std::string& why);

struct ByteStore {
    uint16_t address;
    std::vector<uint8_t> bytes;
};
// "ADDR:HEX": the bytes must fit below 10000.
constexpr const char* kByteStoreExpected = "expected ADDR:HEX, hex bytes that end by address FFFF";
std::optional<ByteStore> ParseByteStore(const std::string& text);

struct Dump {
    uint16_t address;
    uint32_t count;
};
// "ADDR:COUNT" (hex address, decimal count of at least 1, ending by FFFF).
constexpr const char* kDumpExpected = "expected hex ADDR:decimal COUNT that ends by address FFFF";
std::optional<Dump> ParseDump(const std::string& text);

// The two ways a dump reads its bytes: through the memory map, or straight
// from the second bank's array.
uint8_t DumpReadMe0(LH5801* m, uint16_t a);
uint8_t DumpReadMe1Array(LH5801* m, uint16_t a);

// "ME0 ADDR: HH HH ..." with the bytes read by `read`.
void PrintDump(std::ostream& out, const char* bank, const Dump& d, uint8_t (*read)(LH5801*, uint16_t), LH5801* m);
