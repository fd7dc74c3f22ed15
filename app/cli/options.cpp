#include "app/cli/options.h"

#include <cstdio>

#include "app/cli/parse.h"
#include "machine/memory.h"

std::optional<std::vector<OptionWord>> ReadOptions(const std::string& verb, const std::vector<std::string>& args,
                                                   bool (*takesValue)(const std::string&), std::ostream& err) {
    std::vector<OptionWord> options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word.rfind("--", 0) != 0) {
            err << "zelkor-cli " << verb << ": unexpected argument '" << word << "'\n";
            return std::nullopt;
        }
        OptionWord o;
        const size_t eq = word.find('=');
        o.name = word.substr(0, eq);
        if (eq != std::string::npos) {
            o.value = word.substr(eq + 1);
            o.hasValue = true;
        }
        if (takesValue(o.name) && !o.hasValue) {
            if (i + 1 >= args.size()) {
                err << "zelkor-cli " << verb << ": option " << o.name << " needs a value\n";
                return std::nullopt;
            }
            o.value = args[++i];
            o.hasValue = true;
        } else if (!takesValue(o.name) && o.hasValue) {
            err << "zelkor-cli " << verb << ": option " << o.name << " takes no value ('" << word << "')\n";
            return std::nullopt;
        }
        options.push_back(std::move(o));
    }
    return options;
}

void ReportBadValue(std::ostream& err, const std::string& verb, const OptionWord& o, const std::string& why) {
    err << "zelkor-cli " << verb << ": bad value for " << o.name << ": '" << o.value << "' (" << why << ")\n";
}

std::optional<ByteStore> ParseByteStore(const std::string& text) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const auto address = ParseHex(std::string_view(text).substr(0, colon), 0xFFFF);
    auto bytes = ParseHexBytes(std::string_view(text).substr(colon + 1));
    if (!address || !bytes || *address + bytes->size() > 0x10000) return std::nullopt;
    return ByteStore{static_cast<uint16_t>(*address), std::move(*bytes)};
}

std::optional<Dump> ParseDump(const std::string& text) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const auto address = ParseHex(std::string_view(text).substr(0, colon), 0xFFFF);
    const auto count = ParseDecimal(std::string_view(text).substr(colon + 1), 0x10000);
    if (!address || !count || *count == 0 || *address + *count > 0x10000) return std::nullopt;
    return Dump{static_cast<uint16_t>(*address), static_cast<uint32_t>(*count)};
}

void PrintDump(std::ostream& out, const char* bank, const Dump& d, uint8_t (*read)(LH5801*, uint16_t), LH5801* m) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X:", d.address);
    out << bank << ' ' << text;
    for (uint32_t i = 0; i < d.count; ++i) {
        std::snprintf(text, sizeof text, " %02X", read(m, static_cast<uint16_t>(d.address + i)));
        out << text;
    }
    out << '\n';
}

uint8_t DumpReadMe0(LH5801* m, uint16_t a) { return ME0Read(m, a); }

uint8_t DumpReadMe1Array(LH5801* m, uint16_t a) { return m->ME1[a]; }
