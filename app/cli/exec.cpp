#include "app/cli/exec.h"

#include <cstdio>
#include <variant>

#include "app/cli/options.h"
#include "app/cli/parse.h"
#include "app/cli/registers.h"
#include "cpu/cpu.h"
#include "machine/machine.h"
#include "machine/memory.h"
#include "machine/step.h"

namespace {

const char* const kVerb = "exec";

struct StoreMe0 { ByteStore store; };
struct StoreMe1 { ByteStore store; };
struct SetField { std::string assignment; };
using Setup = std::variant<StoreMe0, StoreMe1, SetField>;

struct ExecPlan {
    std::vector<Setup> setup;  // applied in order before the run
    uint64_t steps = 1;
    std::vector<std::pair<bool, Dump>> dumps;  // (second bank?, dump)
};

bool ExecTakesValue(const std::string& name) {
    return name == "--me0" || name == "--me1" || name == "--reg" || name == "--steps" || name == "--dump-me0" ||
           name == "--dump-me1";
}

// Checks every option before anything runs.
std::optional<ExecPlan> Plan(const std::vector<std::string>& args, std::ostream& err) {
    const auto options = ReadOptions(kVerb, args, ExecTakesValue, err);
    if (!options) return std::nullopt;
    ExecPlan plan;
    for (const OptionWord& o : *options) {
        if (o.name == "--me0" || o.name == "--me1") {
            auto store = ParseByteStore(o.value);
            if (!store) {
                ReportBadValue(err, kVerb, o, kByteStoreExpected);
                return std::nullopt;
            }
            if (o.name == "--me0") plan.setup.push_back(StoreMe0{std::move(*store)});
            else plan.setup.push_back(StoreMe1{std::move(*store)});
        } else if (o.name == "--reg") {
            if (auto why = CheckFieldText(o.value)) {
                ReportBadValue(err, kVerb, o, std::string(*why));
                return std::nullopt;
            }
            plan.setup.push_back(SetField{o.value});
        } else if (o.name == "--steps") {
            auto steps = ParseDecimal(o.value, UINT64_MAX / 2);
            if (!steps) {
                ReportBadValue(err, kVerb, o, "expected a decimal count");
                return std::nullopt;
            }
            plan.steps = *steps;
        } else if (o.name == "--dump-me0" || o.name == "--dump-me1") {
            auto dump = ParseDump(o.value);
            if (!dump) {
                ReportBadValue(err, kVerb, o, kDumpExpected);
                return std::nullopt;
            }
            plan.dumps.emplace_back(o.name == "--dump-me1", *dump);
        } else {
            err << "zelkor-cli " << kVerb << ": unknown option " << o.name << '\n';
            return std::nullopt;
        }
    }
    return plan;
}

void Apply(LH5801* m, const Setup& s) {
    if (const auto* me0 = std::get_if<StoreMe0>(&s)) {
        for (size_t i = 0; i < me0->store.bytes.size(); ++i) m->ME0[me0->store.address + i] = me0->store.bytes[i];
    } else if (const auto* me1 = std::get_if<StoreMe1>(&s)) {
        for (size_t i = 0; i < me1->store.bytes.size(); ++i) m->ME1[me1->store.address + i] = me1->store.bytes[i];
    } else {
        SetFieldFromText(m, std::get<SetField>(s).assignment);
    }
}

void PrintHex(std::ostream& out, const char* name, unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    out << name << '=' << text << '\n';
}

void PrintState(std::ostream& out, const LH5801* m, uint64_t steps) {
    out << "steps=" << steps << '\n';
    PrintHex(out, "A", m->A, 2);
    PrintHex(out, "X", m->X, 4);
    PrintHex(out, "Y", m->Y, 4);
    PrintHex(out, "U", m->U, 4);
    PrintHex(out, "P", m->P, 4);
    PrintHex(out, "S", m->S, 4);
    PrintHex(out, "TM", m->TM, 3);
    out << "Cycle=" << m->Cycle << '\n';
    const std::pair<const char*, uint16_t> flags[] = {
        {"C", m->C},     {"Z", m->Z},     {"H", m->H},     {"V", m->V},   {"IE", m->IE},
        {"IR0", m->IR0}, {"IR1", m->IR1}, {"IR2", m->IR2}, {"PU", m->PU}, {"PV", m->PV},
        {"DISP", m->DISP}, {"HLT", m->HLT}, {"OFF", m->OFF},
    };
    for (const auto& [name, value] : flags) out << name << '=' << value << '\n';
    PrintHex(out, "InOut", m->InOut, 2);
}

}  // namespace

bool CheckExecOptions(const std::vector<std::string>& args, std::ostream& err) { return Plan(args, err).has_value(); }

int ExecCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto plan = Plan(args, err);
    if (!plan) return 2;
    auto machine = NewMachine();
    LH5801* m = &machine->record;
    for (const Setup& s : plan->setup) Apply(m, s);
    // A fresh record has an empty cycle-time table, so no step waits.
    const uint64_t steps = RunSteps(m, plan->steps);
    PrintState(out, m, steps);
    for (const auto& [secondBank, dump] : plan->dumps)
        PrintDump(out, secondBank ? "ME1" : "ME0", dump, secondBank ? DumpReadMe1Array : DumpReadMe0, m);
    return 0;
}
