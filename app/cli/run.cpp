#include "app/cli/run.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <variant>

#include "app/cli/clock_option.h"
#include "app/cli/options.h"
#include "app/cli/parse.h"
#include "app/machines.h"
#include "app/session.h"
#include "app/state_file.h"
#include "cpu/pacing.h"
#include "debug/debug_run.h"
#include "host/surface.h"
#include "machine/clock.h"
#include "machine/display.h"
#include "machine/keyboard.h"
#include "machine/machine.h"
#include "machine/memory.h"
#include "machine/step.h"
#include "models/rom_file.h"
#include "models/tables.h"

namespace {

// Whether a file name names a place in an existing folder. Never throws: a
// name too long for the system is simply no such place.
bool InAFolder(const std::string& file) {
    if (file.empty()) return false;
    const std::filesystem::path parent = std::filesystem::path(file).parent_path();
    std::error_code ignored;
    return parent.empty() || std::filesystem::is_directory(parent, ignored);
}

const char* const kVerb = "run";
constexpr uint64_t kCyclesPerMillisecond = kOriginalFrequency / 1000;
constexpr uint64_t kCyclesPerSecond = kOriginalFrequency;
constexpr uint64_t kDefaultHoldMs = 100;
constexpr uint64_t kMaxMs = 24ull * 3600 * 1000;  // a day of emulated time per option

// The script, in the order of the command line.
struct Wait { uint64_t ms; };
struct Key { int index; std::string name; };
struct Hold { uint64_t ms; };
struct Lcd {};
struct Png { std::string path; };
struct DumpMe0 { Dump dump; };
using Action = std::variant<Wait, Key, Hold, Lcd, Png, DumpMe0>;

struct RunPlan {
    const ModelTables* model = nullptr;
    std::optional<uint32_t> machine, module;
    std::vector<uint8_t> rom;  // empty: the library's ROM
    std::optional<std::string> state;  // the state file to start from and write back
    std::optional<ClockTime> clock;    // instead of the host's local time
    std::vector<Action> script;
    bool trace = false;  // a debug run, traced into "traces"
};

bool RunTakesValue(const std::string& name) {
    return name != "--lcd" && name != "--trace";
}

void Bad(std::ostream& err, const OptionWord& o, const std::string& why) { ReportBadValue(err, kVerb, o, why); }

// The key name of a character of --type, or "" when it has none.
std::string KeyNameOfCharacter(char c) {
    if (c == ' ') return "SPACE";
    if (c == '\n') return "ENTER";
    if (std::isalnum(static_cast<unsigned char>(c)) || std::string_view("+-*/().=").find(c) != std::string_view::npos)
        return std::string(1, c);
    return "";
}

// "\n" in the text (a backslash and an n, as shells pass it) is ENTER.
std::string UnescapeTyped(const std::string& text) {
    std::string typed;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            typed += '\n';
            ++i;
        } else {
            typed += text[i];
        }
    }
    return typed;
}

std::optional<std::vector<uint8_t>> ReadRom(const OptionWord& o, std::ostream& err) {
    std::vector<uint8_t> bytes(kRomSize);
    std::string why;
    if (!ReadRomFile(o.value, bytes.data(), &why)) {
        Bad(err, o, why);
        return std::nullopt;
    }
    return bytes;
}

// Milliseconds, decimal.
std::optional<uint64_t> Milliseconds(const OptionWord& o, std::ostream& err) {
    auto ms = ParseDecimal(o.value, kMaxMs);
    if (!ms) Bad(err, o, "expected decimal milliseconds, at most a day");
    return ms;
}

// With --state, the model is the one of the machine the file holds (a file
// that cannot be used starts from the defaults of --model). False when
// --model names another.
bool ModelOfState(RunPlan& plan, const std::optional<OptionWord>& model, std::ostream& err) {
    const std::optional<uint32_t> word = StateFileMachine(*plan.state);
    const MachineChoice* machine = word ? MachineOfWord(*word) : nullptr;
    if (!machine) return true;
    if (model && &machine->model != plan.model) {
        Bad(err, *model, *plan.state + " holds a " + std::string(machine->model.library) + " machine");
        return false;
    }
    plan.model = &machine->model;
    return true;
}

// Reads every option; the keys are checked against the model once all of
// them (--model and --state anywhere) are known.
std::optional<RunPlan> Plan(const std::vector<std::string>& args, std::ostream& err) {
    const auto options = ReadOptions(kVerb, args, RunTakesValue, err);
    if (!options) return std::nullopt;
    RunPlan plan;
    plan.model = &ZelkorATables();
    std::vector<std::pair<OptionWord, size_t>> keys;  // option, place in the script
    std::optional<OptionWord> modelOption;
    for (const OptionWord& o : *options) {
        if (o.name == "--model") {
            plan.model = ModelTablesByLibrary(o.value);
            if (!plan.model) return Bad(err, o, "expected ZelkorA, Zelkor or Kavro"), std::nullopt;
            modelOption = o;
        } else if (o.name == "--state") {
            if (!InAFolder(o.value)) return Bad(err, o, "no such folder"), std::nullopt;
            plan.state = o.value;
        } else if (o.name == "--clock") {
            plan.clock = ParseClockTime(o.value);
            if (!plan.clock) return Bad(err, o, "expected \"YYYY-MM-DD HH:MM:SS\", a real date and time"), std::nullopt;
        } else if (o.name == "--machine" || o.name == "--module") {
            auto value = ParseDecimal(o.value, UINT32_MAX);
            if (!value) return Bad(err, o, "expected a decimal number"), std::nullopt;
            (o.name == "--machine" ? plan.machine : plan.module) = static_cast<uint32_t>(*value);
        } else if (o.name == "--rom") {
            auto rom = ReadRom(o, err);
            if (!rom) return std::nullopt;
            plan.rom = std::move(*rom);
        } else if (o.name == "--wait" || o.name == "--hold") {
            auto ms = Milliseconds(o, err);
            if (!ms) return std::nullopt;
            if (o.name == "--wait") plan.script.push_back(Wait{*ms});
            else plan.script.push_back(Hold{*ms});
        } else if (o.name == "--key") {
            keys.emplace_back(o, plan.script.size());
            plan.script.push_back(Key{0, o.value});
        } else if (o.name == "--type") {
            for (char c : UnescapeTyped(o.value)) {
                const std::string name = KeyNameOfCharacter(c);
                if (name.empty()) return Bad(err, o, std::string("no key types '") + c + "'"), std::nullopt;
                keys.emplace_back(o, plan.script.size());
                plan.script.push_back(Key{0, name});
            }
        } else if (o.name == "--trace") {
            plan.trace = true;
        } else if (o.name == "--lcd") {
            plan.script.push_back(Lcd{});
        } else if (o.name == "--png") {
            if (!InAFolder(o.value)) return Bad(err, o, "no such folder"), std::nullopt;
            plan.script.push_back(Png{o.value});
        } else if (o.name == "--dump-me0") {
            auto dump = ParseDump(o.value);
            if (!dump) return Bad(err, o, kDumpExpected), std::nullopt;
            plan.script.push_back(DumpMe0{*dump});
        } else {
            err << "zelkor-cli " << kVerb << ": unknown option " << o.name << '\n';
            return std::nullopt;
        }
    }
    if (plan.state && !ModelOfState(plan, modelOption, err)) return std::nullopt;
    for (const auto& [o, place] : keys) {
        Key& key = std::get<Key>(plan.script[place]);
        key.index = KeyIndexByName(*plan.model, key.name);
        if (key.index == 0)
            return Bad(err, o, "no key '" + key.name + "' on " + std::string(plan.model->library)), std::nullopt;
    }
    return plan;
}

// Emulated time at maximum speed, deterministic: 1,300,000 cycles a second,
// the clock chip advanced at each emulated second.
class Runner {
public:
    using StepFunction = int (*)(LH5801*);

    explicit Runner(LH5801* m) : m_(m) {}

    // The step the runs make: the machine step, or the debug run's.
    void UseStep(StepFunction step) { step_ = step; }

    // Runs `ms` emulated milliseconds; false once the CPU has executed OFF.
    bool Run(uint64_t ms) {
        const uint64_t target = cycles_ + ms * kCyclesPerMillisecond;
        while (cycles_ < target) {
            const int consumed = step_(m_);
            if (consumed == kStepOff) return false;
            cycles_ += static_cast<uint64_t>(consumed);
            while (cycles_ >= nextSecond_) {
                ClockAdvanceSecond(m_);
                nextSecond_ += kCyclesPerSecond;
            }
        }
        return true;
    }

    double Seconds() const { return static_cast<double>(cycles_) / kCyclesPerSecond; }

private:
    LH5801* m_;
    StepFunction step_ = Step;
    uint64_t cycles_ = 0;
    uint64_t nextSecond_ = kCyclesPerSecond;
};

struct Session {
    LH5801* m;
    ModelLibrary library;
    Runner runner;
    KeyboardHooks hooks;
    uint32_t currentKey = 0;
    uint64_t holdMs = kDefaultHoldMs;
};

// A key pressed, held, released, then the gap: false once the CPU is off.
bool PressKey(Session& s, int index) {
    s.currentKey = static_cast<uint32_t>(index);
    KeyPress(s.m, s.currentKey, s.hooks);
    const bool on = s.runner.Run(s.holdMs);
    KeyRelease(s.currentKey, s.m);
    return on && s.runner.Run(s.holdMs);
}

// Obeys one action; false once the CPU is off.
bool Obey(Session& s, const Action& action, std::ostream& out, std::ostream& err, int& status) {
    if (const auto* wait = std::get_if<Wait>(&action)) return s.runner.Run(wait->ms);
    if (const auto* key = std::get_if<Key>(&action)) return PressKey(s, key->index);
    if (const auto* hold = std::get_if<Hold>(&action)) s.holdMs = hold->ms;
    else if (std::holds_alternative<Lcd>(action)) out << DisplaySnapshot(s.m) << std::flush;
    else if (const auto* png = std::get_if<Png>(&action)) {
        std::string error;
        if (!SurfaceSavePng(png->path, &error)) {
            err << "zelkor-cli " << kVerb << ": cannot save " << png->path << ": " << error << '\n';
            status = 1;
        }
    } else if (const auto* dump = std::get_if<DumpMe0>(&action)) {
        PrintDump(out, "ME0", dump->dump, DumpReadMe0, s.m);
    }
    return true;
}

// What became of the state file of --state, told on standard error when the
// machine cannot start from it.
void ReportState(const StateStart& start, const std::string& path, std::ostream& err) {
    const std::string prefix = std::string("zelkor-cli ") + kVerb + ": ";
    if (!start.libraryError.empty()) err << prefix << start.libraryError << '\n';
    if (start.state.outcome == StateLoad::WrongSize) {
        err << prefix << path << " is " << start.state.size << " bytes, not " << kRecordSize << "; not loaded, ";
        if (!start.state.keptAs.empty()) err << "kept as " << start.state.keptAs;
        else err << "and not kept aside (" << start.state.error << ")";
        err << "; the machine starts from its defaults\n";
    } else if (start.state.outcome == StateLoad::Unreadable) {
        err << prefix << "cannot read " << start.state.error << "; the machine starts from its defaults\n";
    }
}

// The program's start, from the state file of --state or as a first start
// without one, the command line's choices of model, machine, module, ROM and
// time, maximum speed, then power-on. Returns the FrequenceMax the state file
// holds (so that it goes back into the file), or nullopt when the host has no
// high-resolution counter.
std::optional<uint32_t> StartMachine(Session& s, const RunPlan& plan, std::ostream& err) {
    LH5801* m = s.m;
    bool restored = false;
    if (plan.state) {
        const StateStart start = StartFromStateFile(m, &s.library, *plan.state);
        ReportState(start, *plan.state, err);
        if (!start.counter) return std::nullopt;
        restored = start.state.outcome == StateLoad::Loaded;
    } else if (!FirstStart(m, s.library)) {
        return std::nullopt;
    }
    const uint32_t frequenceMax = m->FrequenceMax;
    if (!restored) m->Machine = static_cast<uint32_t>(plan.model->machine);
    if (plan.machine) m->Machine = *plan.machine;
    if (plan.module) m->Module = *plan.module;
    if (!plan.rom.empty()) std::copy(plan.rom.begin(), plan.rom.end(), &m->ME0[kRomBase]);
    if (plan.clock) ClockSetTime(m, *plan.clock);
    m->FrequenceMax = 1;
    PowerOn(m);
    RunStart(m);
    return frequenceMax;
}

// The record written back to the state file of --state.
int WriteState(Session& s, const std::string& path, uint32_t frequenceMax, std::ostream& err) {
    s.m->FrequenceMax = frequenceMax;
    std::string error;
    if (SaveState(*s.m, path, &error)) return 0;
    err << "zelkor-cli " << kVerb << ": " << error << "; the machine's state is not saved\n";
    return 1;
}

// The debug run: the trace file "traces" in the current directory, traced
// steps. When the file cannot be created the run goes on untraced.
void BeginTrace(Session& s, std::ostream& err) {
    std::string error;
    if (!BeginDebugRun(s.m, kTraceFileName, &error))
        err << "zelkor-cli " << kVerb << ": cannot create \"" << kTraceFileName << "\" (" << error
            << "); the run goes on without a trace\n";
    s.runner.UseStep(DebugStep);
}

}  // namespace

bool CheckRunOptions(const std::vector<std::string>& args, std::ostream& err) { return Plan(args, err).has_value(); }

int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto plan = Plan(args, err);
    if (!plan) return 2;
    auto machine = NewMachine();
    Session s{&machine->record, {}, Runner(&machine->record), {}};
    std::string error;
    if (!BindModelLibrary(std::string(plan->model->library), &s.library, &error)) {
        err << "zelkor-cli " << kVerb << ": " << error << '\n';
        return 1;
    }
    s.hooks.powerOn = [](LH5801* m) {
        PowerOn(m);
        RunStart(m);
    };
    s.hooks.offKey = OffKeyWhileRunning;
    const std::optional<uint32_t> frequenceMax = StartMachine(s, *plan, err);
    if (!frequenceMax) {
        err << "zelkor-cli " << kVerb << ": the host has no high-resolution counter\n";
        ReleaseModelLibrary(s.m, &s.library);
        return 1;
    }

    if (plan->trace) BeginTrace(s, err);

    int status = 0;
    size_t done = 0;
    bool on = true;
    for (; done < plan->script.size() && on; ++done) on = Obey(s, plan->script[done], out, err, status);
    // The trace ends when the CPU is off, before the display is blanked, or
    // with the script.
    EndDebugRun(s.m);
    if (!on) {
        RunEnd(s.m);
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%.3f", s.runner.Seconds());
        err << "zelkor-cli " << kVerb << ": the CPU executed OFF after " << seconds
            << " s of emulated time; the machine is off";
        if (done < plan->script.size()) err << ", " << plan->script.size() - done << " remaining option(s) not obeyed";
        err << '\n';
    }
    if (plan->state && WriteState(s, *plan->state, *frequenceMax, err) != 0) status = 1;
    ReleaseModelLibrary(s.m, &s.library);
    return status;
}
