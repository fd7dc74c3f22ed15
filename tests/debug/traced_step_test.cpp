// The traced step against the machine step: the same effects on the record,
// instruction by instruction, plus the trace.
#include <gtest/gtest.h>

#include <cstddef>
#include <random>

#include "cpu/opcodes.h"
#include "debug/report.h"
#include "debug/traced_step.h"
#include "machine/step.h"
#include "tests/debug/trace_fixture.h"

namespace {

// The record apart from what only the trace changes: the seven texts and the
// two counter samples.
void ExpectSameMachine(const LH5801& normal, const LH5801& traced, const std::string& what) {
    auto a = std::make_unique<LH5801>(normal);
    auto b = std::make_unique<LH5801>(traced);
    for (LH5801* r : {a.get(), b.get()}) {
        std::memset(reinterpret_cast<char*>(r) + offsetof(LH5801, MO), 0,
                    offsetof(LH5801, GetSet) + sizeof r->GetSet - offsetof(LH5801, MO));
        r->liCurrent = r->liLast = 0;
    }
    if (std::memcmp(a.get(), b.get(), sizeof(LH5801)) == 0) return;
    const auto* x = reinterpret_cast<const uint8_t*>(a.get());
    const auto* y = reinterpret_cast<const uint8_t*>(b.get());
    size_t at = 0;
    while (x[at] == y[at]) ++at;
    ADD_FAILURE() << what << ": the records differ first at offset " << at;
}

class TracedStepTest : public MachineTest {
protected:
    // A second machine, stepped by the machine step beside the traced one.
    std::unique_ptr<Machine> normalMachine = NewMachine();
    LH5801& normal = normalMachine->record;
    Capture trace;

    TracedStepTest() { machine->host.trace = trace.file(); }

    void CopyToNormal() {
        std::memcpy(&normal, &m, sizeof m);
        normal.ToucheLue = m.ToucheLue;
    }

    // One step of each; the step reports must agree too.
    void StepBoth(const std::string& what) {
        const int normalReport = Step(&normal);
        const int tracedReport = TracedStep(&m);
        EXPECT_EQ(normalReport, tracedReport) << what;
        ExpectSameMachine(normal, m, what);
    }
};

// Every entry of both pages, from states whose registers point at the ports
// with side effects (keyboard, clock data and control, plotter motors), at
// named RAM and at the ROM.
TEST_F(TracedStepTest, EveryHandlerDoesWhatItsTwinDoes) {
    std::mt19937 random(11);
    const struct {
        uint16_t x, y, u;
        Bytes operands;
    } states[] = {
        {0xF00E, 0xF00F, 0xB008, {0xF0, 0x08, 0x1D, 0x05}},
        {0x7650, 0xF008, 0xB00F, {0xB0, 0x08, 0x33, 0x05}},
        {0xA000, 0x4100, 0xF00E, {0xF0, 0x0F, 0x80, 0x90}},
    };
    for (int index = 0; index < 512; ++index) {
        if (kOpcodes[index].mnemonic == Mn::Prefix) continue;
        for (const auto& state : states) {
            Fresh();
            for (uint16_t a = 0x4000; a < 0x4800; ++a) m.ME0[a] = static_cast<uint8_t>(random());
            for (uint16_t a = 0x7600; a < 0x7C00; ++a) m.ME0[a] = static_cast<uint8_t>(random());
            for (int a = 0xFF00; a <= 0xFFFF; ++a) m.ME0[a] = static_cast<uint8_t>(random());
            m.X = state.x;
            m.Y = state.y;
            m.U = state.u;
            m.A = static_cast<uint8_t>(random());
            m.C = random() & 1;
            m.Z = random() & 1;
            m.H = random() & 1;
            m.V = random() & 1;
            m.TM = 0x1F0;
            m.FrequenceMax = 1;
            m.ToucheLue = 5;
            for (int k = 0; k < 9; ++k) m.ScanClavier[k] = static_cast<uint8_t>(0x20 + k);
            m.ME1[0xF00C] = 0x02;
            m.CommandeClock = 1;
            Bytes code = IsFdPage(index) ? Bytes{0xFD, static_cast<uint8_t>(index)} : Bytes{static_cast<uint8_t>(index)};
            code.insert(code.end(), state.operands.begin(), state.operands.end());
            Load(0x4400, code);
            m.P = 0x4400;
            CopyToNormal();
            StepBoth("entry " + std::to_string(index) + " with X " + std::to_string(state.x));
        }
    }
}

// A loop that reads the keyboard port, writes the display and the clock
// port, with the timer interrupt taken now and then.
constexpr uint16_t kTimerHandler = 0x4080;
const Bytes kLoop = {
    0xAA, 0x47, 0xF0,        // 4000 LDI S,&47F0
    0xB5, 0x10,              // 4003 LDI A,&10
    0xFD, 0xCE,              // 4005 AM0
    0x48, 0xF0,              // 4007 LDI XH,&F0
    0x4A, 0x0E,              // 4009 LDI XL,&0E
    0x68, 0x76,              // 400B LDI UH,&76
    0x6A, 0x00,              // 400D LDI UL,0
    0xFD, 0x05,              // 400F loop: LDA #(X)   keyboard port
    0x61,                    // 4011 SIN U            display memory
    0xB3, 0x03,              // 4012 ADI A,3
    0xFD, 0xAE, 0xF0, 0x08,  // 4014 STA #(&F008)    clock lines
    0x9E, 0x0B,              // 4018 BCH loop         (401A - 0B = 400F)
};

class TracedRunTest : public TracedStepTest {
protected:
    void LoadLoop() {
        Load(kCodeAt, kLoop);
        Load(kTimerHandler, {0x8A});  // RTI
        SetWord(0xFFFA, kTimerHandler);
        m.P = kCodeAt;
        m.FrequenceMax = 1;
        m.ToucheLue = 3;
        for (int k = 0; k < 9; ++k) m.ScanClavier[k] = static_cast<uint8_t>(0x40 + k);
        m.ME1[0xF00C] = 0xFF;
    }
};

TEST_F(TracedRunTest, ShortRunLeavesTheSameRecord) {
    LoadLoop();
    CopyToNormal();
    for (int step = 0; step < 3000; ++step) StepBoth("step " + std::to_string(step));
    const std::string text = trace.Text();
    EXPECT_NE(text.find("*** Timer Interrupt routine. ***\n"), std::string::npos);
    EXPECT_NE(text.find("*** Lecture : F00E:Zelkor Port A : KEY STROBE. ***\n"), std::string::npos);
    EXPECT_NE(text.find("*** Ecriture: F008:Zelkor Port C : Timer control. ***\n"), std::string::npos);
}

// The first steps of the loop as the trace shows them: port banners above
// the register line, the display snapshot after a display write.
TEST_F(TracedRunTest, TraceOfTheFirstSteps) {
    LoadLoop();
    for (int step = 0; step < 11; ++step) TracedStep(&m);
    ExpectGolden("traced_steps.golden", trace.Text());
}

// After a short run the report shows the last instruction's texts.
TEST_F(TracedRunTest, ReportAfterAShortRun) {
    LoadLoop();
    m.Version = kRecordSize;
    m.Trace = 1;
    m.Machine = kMachinePC1500A;
    for (int step = 0; step < 40; ++step) TracedStep(&m);
    m.liCurrent = 1000;  // the counter samples differ from run to run
    m.liLast = 1100;
    Capture report;
    WriteMachineReport(report.file(), &m);
    ExpectGolden("report_after_run.golden", report.Text());
}

// A pending timer request while IE is 0 waits, as in the machine step: the
// instruction runs and no banner is written.
TEST_F(TracedStepTest, MaskedRequestLetsTheInstructionRun) {
    Load(kCodeAt, {0x38});  // NOP
    m.P = kCodeAt;
    m.IR1 = 1;
    m.IE = 0;
    EXPECT_EQ(TracedStep(&m), 5);
    EXPECT_EQ(m.P, kCodeAt + 1);
    EXPECT_EQ(trace.Text().find("Interrupt"), std::string::npos);
}

TEST_F(TracedStepTest, NonMaskableEntryWritesItsBannerOnly) {
    SetWord(0xFFFC, 0x4321);
    m.P = kCodeAt;
    m.IR0 = 1;
    EXPECT_EQ(TracedStep(&m), 0);
    EXPECT_EQ(m.P, 0x4321);
    EXPECT_EQ(trace.Text(),
              "*****************************************\n"
              "*** Non Maskable Interrup Processing. ***\n"
              "*****************************************\n");
}

// Listing only: the instruction is listed and stepped over, not executed.
TEST_F(TracedStepTest, ListingOnlyStepsOverTheInstruction) {
    const struct {
        Bytes code;
        uint32_t cycles;
    } cases[] = {
        {{0x8E, 0x05}, 8},              // BCH +5: not taken
        {{0xBE, 0x12, 0x34}, 19},       // SJP: not called, nothing pushed
        {{0xFD, 0x5E}, 11},             // STX P: P not loaded from X
        {{0xAE, 0x46, 0x00}, 12},       // STA (ab): nothing stored
        {{0xFD, 0x4C}, 8},              // OFF: the CPU stays on
    };
    for (const auto& c : cases) {
        Fresh();
        m.Desassemble = 1;
        m.A = 0x77;
        Load(kCodeAt, c.code);
        m.P = kCodeAt;
        const uint16_t s = m.S;
        EXPECT_EQ(TracedStep(&m), static_cast<int>(c.cycles));
        EXPECT_EQ(m.P, kCodeAt + c.code.size());
        EXPECT_EQ(m.S, s);
        EXPECT_EQ(m.ME0[0x4600], 0);
        EXPECT_EQ(m.OFF, 0);
    }
    EXPECT_NE(trace.Text().find("0x4000 : 8E05           BCH +0x05 \"0x4007\"\t\n"), std::string::npos);
}

}  // namespace
