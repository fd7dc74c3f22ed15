#include "app/cli/registers.h"

#include "app/cli/parse.h"

namespace {

#define FIELD16(name, max) {#name, max, false, [](LH5801* m, uint32_t v) { m->name = static_cast<uint16_t>(v); }}
#define FIELD32(name, max, dec) {#name, max, dec, [](LH5801* m, uint32_t v) { m->name = v; }}

constexpr SettableField kFields[] = {
    FIELD16(A, 0xFF),    FIELD16(X, 0xFFFF),  FIELD16(Y, 0xFFFF),  FIELD16(U, 0xFFFF),
    FIELD16(P, 0xFFFF),  FIELD16(S, 0xFFFF),  FIELD32(TM, 0x1FF, false),
    FIELD16(C, 1),       FIELD16(Z, 1),       FIELD16(H, 1),       FIELD16(V, 1),
    FIELD16(IE, 1),      FIELD16(IR0, 1),     FIELD16(IR1, 1),     FIELD16(IR2, 1),
    FIELD16(PU, 1),      FIELD16(PV, 1),      FIELD16(DISP, 1),    FIELD16(HLT, 1),
    FIELD16(OFF, 1),     FIELD32(InOut, 0xFF, false),
    FIELD32(Cycle, 0xFFFFFFFF, false),
    FIELD32(Machine, 0xFFFFFFFF, true),
    FIELD32(Module, 0xFFFFFFFF, true),
    FIELD32(CE158, 0xFFFFFFFF, false),
    FIELD32(FrequenceMax, 0xFFFFFFFF, false),
};

#undef FIELD16
#undef FIELD32

struct Assignment {
    const SettableField* field;
    uint32_t value;
};

// Parses NAME=VALUE into a field and a value, or says what is wrong.
std::optional<std::string_view> Parse(std::string_view text, Assignment& result) {
    const size_t eq = text.find('=');
    if (eq == std::string_view::npos) return "expected NAME=HEX";
    const SettableField* field = FindSettableField(text.substr(0, eq));
    if (!field) return "unknown register name";
    std::string_view value = text.substr(eq + 1);
    std::optional<uint64_t> parsed;
    if (field->decimalAllowed && !value.empty() && value.back() == 'd')
        parsed = ParseDecimal(value.substr(0, value.size() - 1), field->max);
    else if (auto hex = ParseHex(value, field->max))
        parsed = *hex;
    if (!parsed) return "bad or out-of-range value";
    result = {field, static_cast<uint32_t>(*parsed)};
    return std::nullopt;
}

}  // namespace

const SettableField* FindSettableField(std::string_view name) {
    for (const SettableField& f : kFields)
        if (f.name == name) return &f;
    return nullptr;
}

std::optional<std::string_view> CheckFieldText(std::string_view assignment) {
    Assignment a{};
    return Parse(assignment, a);
}

std::optional<std::string_view> SetFieldFromText(LH5801* m, std::string_view assignment) {
    Assignment a{};
    if (auto error = Parse(assignment, a)) return error;
    a.field->set(m, a.value);
    return std::nullopt;
}
