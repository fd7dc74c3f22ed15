// The debug run end to end: zelkor-cli run --trace on the bundled system
// program, its trace checked against a normal run of the same machine.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/clock_option.h"
#include "app/cli/run.h"
#include "tests/common/run_cli.h"
#include "tests/common/scratch_folder.h"
#include "app/session.h"
#include "cpu/pacing.h"
#include "debug/debug_run.h"
#include "debug/instruction_text.h"
#include "machine/clock.h"
#include "machine/machine.h"
#include "machine/step.h"
#include "models/tables.h"

namespace {

namespace fs = std::filesystem;

// Runs the test in a folder of its own, the current directory while it lasts:
// the debug run writes its trace there.
class InFreshFolder : public ::testing::Test {
protected:
    static std::string ReadFile(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

private:
    ScratchFolder folder_;
    CurrentDirectory inFolder_{folder_.dir()};
};

using Result = CliResult;

constexpr const char* kStartBox = "+--------------------+\n|  Début du thread.  |\n+--------------------+\n";
constexpr const char* kEndBox = "+--------------------+\n|   Fin du thread.   |\n+--------------------+\n";
constexpr const char* kReportHead = "+---------------------+\n| Dump mémoire LH5801 |\n+---------------------+\n\n";
constexpr uint64_t kEmulatedMs = 1500;
constexpr const char* kClock = "2026-12-11 10:59:58";

// What the trace says happened, step by step: a register line before each
// instruction, a banner for each interrupt entry.
struct Event {
    bool interrupt;
    std::string line;
};

std::vector<Event> StepsOf(const std::string& trace) {
    std::vector<Event> events;
    std::istringstream lines(trace);
    std::string line;
    const std::string registers(24, ' ');
    while (std::getline(lines, line)) {
        if (line.rfind(registers + "IE:", 0) == 0) events.push_back({false, line + "\n"});
        else if (line == "*** Timer Interrupt routine. ***" || line == "*** Maskable Interrupt processing. ***" ||
                 line == "*** Non Maskable Interrup Processing. ***")
            events.push_back({true, line});
    }
    return events;
}

// zelkor-cli run --trace for a few emulated seconds: the boxes and reports at
// both ends, and between them exactly the steps of a normal run from the
// same start, every register line the state that run reaches.
TEST_F(InFreshFolder, TraceOfTheBundledProgramFollowsTheNormalRun) {
    ASSERT_EQ(RunCli({"--trace", "--clock", kClock, "--wait", std::to_string(kEmulatedMs)}).status, 0);
    const std::string trace = ReadFile(kTraceFileName);
    ASSERT_EQ(trace.rfind(std::string(kStartBox) + kReportHead + "Version       : 163056\nTrace         : 1\n", 0), 0u);
    const size_t end = trace.rfind(kEndBox);
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(trace.find(kReportHead, end), end + std::string(kEndBox).size());
    EXPECT_NE(trace.find("*** Lecture : F00E:Zelkor Port A : KEY STROBE. ***"), std::string::npos);
    EXPECT_NE(trace.find("*** Timer Interrupt routine. ***"), std::string::npos);
    const std::string start = trace.substr(0, trace.find("\n" + std::string(24, ' ') + "IE:") + 1);
    const std::vector<Event> events = StepsOf(trace.substr(start.size(), end - start.size()));
    ASSERT_GT(events.size(), 100000u);

    // The normal run: the command line's start, its clock, its emulated time.
    auto machine = NewMachine();
    LH5801* m = &machine->record;
    ModelLibrary library;
    std::string error;
    ASSERT_TRUE(BindModelLibrary("ZelkorA", &library, &error)) << error;
    ASSERT_TRUE(FirstStart(m, library));
    m->Machine = static_cast<uint32_t>(ZelkorATables().machine);
    ClockSetTime(m, *ParseClockTime(kClock));
    m->FrequenceMax = 1;
    PowerOn(m);
    RunStart(m);

    const uint64_t cycles = kEmulatedMs * (kOriginalFrequency / 1000);
    uint64_t done = 0, nextSecond = kOriginalFrequency;
    size_t next = 0;
    while (done < cycles) {
        FormRegisterLine(m);
        const std::string before = m->BU;
        const int consumed = Step(m);
        ASSERT_NE(consumed, kStepOff);
        ASSERT_LT(next, events.size()) << "the trace ends early";
        const Event& e = events[next++];
        ASSERT_EQ(e.interrupt, consumed == 0) << "step " << next << ": " << e.line;
        if (!e.interrupt) {
            ASSERT_EQ(e.line, before) << "step " << next;
        }
        done += static_cast<uint64_t>(consumed);
        for (; done >= nextSecond; nextSecond += kOriginalFrequency) ClockAdvanceSecond(m);
    }
    EXPECT_EQ(next, events.size()) << "the trace has steps the normal run did not make";
    ReleaseModelLibrary(m, &library);
}

// The lines that tell the host's counter: its frequency, the cycle times
// made from it, and the two samples.
std::string WithoutCounterLines(const std::string& trace) {
    std::istringstream lines(trace);
    std::string line, kept;
    while (std::getline(lines, line)) {
        bool counter = false;
        for (const char* label : {"liFrequency ", "liCurrent ", "liLast ", "Temp cycle "})
            counter = counter || line.rfind(label, 0) == 0;
        if (!counter) kept += line + "\n";
    }
    return kept;
}

// With a fixed calendar time two runs write the same trace but for the
// counter lines of the reports.
TEST_F(InFreshFolder, RunsWithTheSameClockWriteTheSameTrace) {
    const std::vector<std::string> args = {"--trace", "--clock", "2026-12-11 10:59:58", "--wait", "400"};
    ASSERT_EQ(RunCli(args).status, 0);
    const std::string first = ReadFile(kTraceFileName);
    ASSERT_EQ(RunCli(args).status, 0);
    const std::string second = ReadFile(kTraceFileName);
    EXPECT_NE(first.find("Le 11/12 à 10h59mn58"), std::string::npos);
    EXPECT_TRUE(WithoutCounterLines(first) == WithoutCounterLines(second));
}

// A second run truncates the first one's trace; an OFF ends the trace with
// the end box and report even when options remain.
TEST_F(InFreshFolder, OffEndsTheTraceAndASecondRunReplacesIt) {
    ASSERT_EQ(RunCli({"--trace", "--wait", "300"}).status, 0);
    const auto first = fs::file_size(kTraceFileName);
    const Result off = RunCli({"--trace", "--wait", "100", "--key", "OFF", "--wait", "100"});
    ASSERT_EQ(off.status, 0);
    EXPECT_NE(off.err.find("the CPU executed OFF"), std::string::npos) << off.err;
    const std::string trace = ReadFile(kTraceFileName);
    EXPECT_LT(trace.size(), first);
    EXPECT_EQ(trace.rfind(kStartBox, 0), 0u);
    const size_t end = trace.rfind(kEndBox);
    ASSERT_NE(end, std::string::npos);
    EXPECT_NE(trace.find("OFF           : 1\n", end), std::string::npos);
}

// The loop a window's emulation thread runs: traced steps until OFF, or
// until it is asked to stop.
TEST_F(InFreshFolder, DebugRunLoopStepsUntilOffOrAStop) {
    auto machine = NewMachine();
    LH5801* m = &machine->record;
    m->ME0[0x4000] = 0x38;  // NOP
    m->ME0[0x4001] = 0xFD;  // OFF
    m->ME0[0x4002] = 0x4C;
    m->P = 0x4000;
    m->FrequenceMax = 1;
    std::string error;
    ASSERT_TRUE(BeginDebugRun(m, "run.trace", &error)) << error;
    EXPECT_EQ(m->Trace, 1u);
    EXPECT_FALSE(DebugRunLoop(m, [] { return true; }));
    EXPECT_EQ(m->P, 0x4000);
    EXPECT_TRUE(DebugRunLoop(m, [] { return false; }));
    EXPECT_EQ(m->OFF, 1);
    EndDebugRun(m);
    EXPECT_EQ(HostOf(m).trace, nullptr);
    const std::string trace = ReadFile("run.trace");
    EXPECT_EQ(StepsOf(trace).size(), 2u);
    EXPECT_NE(trace.find("0x4001 : FD4C           OFF\t\n"), std::string::npos);
    EXPECT_EQ(trace.find(kEndBox), trace.rfind(kEndBox));
}

// Without a trace file the run goes on untraced, and says so.
TEST_F(InFreshFolder, RunGoesOnWhenTheTraceCannotBeCreated) {
    fs::create_directory(kTraceFileName);  // a folder where the file would be
    const Result r = RunCli({"--trace", "--wait", "300", "--lcd"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("cannot create \"traces\""), std::string::npos) << r.err;
    EXPECT_NE(r.out.find('#'), std::string::npos);  // the machine ran: the display shows the monitor
    EXPECT_TRUE(fs::is_directory(kTraceFileName));
}

}  // namespace
