// The binary add and what is built on it (ADC, SBC, ADI, SBI, INC, DEC,
// ADR), compare, and the decimal adjust of DCA and DCS, in every operand form.
#include <gtest/gtest.h>

#include "tests/cpu/forms.h"

namespace {

const FourteenForms kAdc{0x02, 0x82, 0x12, 0x92, 0x22, 0xA2, 0x03, 0x13, 0x23, 0xA3};
const FourteenForms kSbc{0x00, 0x80, 0x10, 0x90, 0x20, 0xA0, 0x01, 0x11, 0x21, 0xA1};
const FourteenForms kCpa{0x06, 0x86, 0x16, 0x96, 0x26, 0xA6, 0x07, 0x17, 0x27, 0xA7};

// A op M with carry in c gives result and the flags "C Z H V".
struct AddCase {
    uint8_t a, m;
    uint16_t c;
    uint8_t result;
    const char* flags;
};

// V is the carry into bit 7 exclusive-or the carry into bit 6.
constexpr AddCase kAdcCases[] = {
    {0x4B, 0x35, 1, 0x81, "C0 Z0 H1 V0"}, {0x20, 0x20, 0, 0x40, "C0 Z0 H0 V1"},
    {0x7F, 0x01, 0, 0x80, "C0 Z0 H1 V0"}, {0xFF, 0x01, 0, 0x00, "C1 Z1 H1 V0"},
    {0x80, 0x80, 0, 0x00, "C1 Z1 H0 V0"}, {0xFF, 0xFF, 1, 0xFF, "C1 Z0 H1 V0"},
    {0x40, 0x40, 0, 0x80, "C0 Z0 H0 V1"}, {0x00, 0x00, 0, 0x00, "C0 Z1 H0 V0"},
};

// C = 1 in means no borrow in, C = 1 out no borrow out.
constexpr AddCase kSbcCases[] = {
    {0x05, 0x03, 1, 0x02, "C1 Z0 H1 V0"}, {0x05, 0x03, 0, 0x01, "C1 Z0 H1 V0"},
    {0x03, 0x05, 1, 0xFE, "C0 Z0 H0 V0"}, {0x10, 0x10, 1, 0x00, "C1 Z1 H1 V0"},
    {0x80, 0x01, 1, 0x7F, "C1 Z0 H0 V0"},
};

// The flags are the binary add's; a decimal 00 may leave Z at 0.
constexpr AddCase kDcaCases[] = {
    {0x25, 0x38, 0, 0x63, "C0 Z0 H1 V1"}, {0x99, 0x01, 0, 0x00, "C1 Z1 H1 V0"},
    {0x58, 0x47, 1, 0x06, "C1 Z0 H1 V0"}, {0x50, 0x50, 0, 0x00, "C1 Z0 H0 V0"},
    {0x09, 0x09, 0, 0x18, "C0 Z0 H1 V0"}, {0x15, 0x27, 0, 0x42, "C0 Z0 H1 V0"},
    {0x12, 0x34, 0, 0x46, "C0 Z0 H0 V0"},
};

constexpr AddCase kDcsCases[] = {
    {0x42, 0x15, 1, 0x27, "C1 Z0 H0 V1"}, {0x00, 0x01, 1, 0x99, "C0 Z0 H0 V0"},
    {0x50, 0x50, 1, 0x00, "C1 Z1 H1 V0"}, {0x30, 0x01, 1, 0x29, "C1 Z0 H0 V0"},
    {0x42, 0x15, 0, 0x26, "C1 Z0 H0 V1"},
};

class AluTest : public FormTest {
protected:
    // Runs every case in every form: A and C from the case, M at the form's site.
    template <size_t N>
    void RunCases(const std::vector<Form>& forms, const AddCase (&cases)[N]) {
        for (const Form& f : forms) {
            for (const AddCase* c = cases; c != cases + N; ++c) {
                SCOPED_TRACE(testing::Message() << std::hex << "A=" << int(c->a) << " M=" << int(c->m)
                                                << " C=" << c->c);
                Fresh();
                m.A = c->a;
                m.C = c->c;
                RunForm(f, c->m);
                EXPECT_EQ(m.A, c->result);
                EXPECT_EQ(FlagText(m), c->flags);
            }
        }
    }
};

TEST_F(AluTest, AdcInEveryForm) { RunCases(kAdc.All(), kAdcCases); }

TEST_F(AluTest, SbcInEveryForm) { RunCases(kSbc.All(), kSbcCases); }

TEST_F(AluTest, AdiAndSbiOnTheAccumulatorUseTheCarry) {
    RunCases(std::vector<Form>{{0xB3, Site::Imm}}, kAdcCases);
    RunCases(std::vector<Form>{{0xB1, Site::Imm}}, kSbcCases);
}

TEST_F(AluTest, DcaInEveryForm) {
    RunCases((std::vector<Form>{{0x8C, Site::X}, {0x9C, Site::Y}, {0xAC, Site::U},
                                 {FD(0x8C), Site::IoX}, {FD(0x9C), Site::IoY}, {FD(0xAC), Site::IoU}}),
              kDcaCases);
}

TEST_F(AluTest, DcsInEveryForm) {
    RunCases((std::vector<Form>{{0x0C, Site::X}, {0x1C, Site::Y}, {0x2C, Site::U},
                                 {FD(0x0C), Site::IoX}, {FD(0x1C), Site::IoY}, {FD(0x2C), Site::IoU}}),
              kDcsCases);
}

// ADI to memory adds without the carry and writes the sum back.
TEST_F(AluTest, AdiToMemoryIgnoresTheCarryAndWritesBack) {
    struct Case {
        uint8_t m, i, result;
        const char* flags;
    };
    constexpr Case cases[] = {
        {0xF0, 0x20, 0x10, "C1 Z0 H0 V0"}, {0x0F, 0x01, 0x10, "C0 Z0 H1 V0"}, {0x00, 0x00, 0x00, "C0 Z1 H0 V0"}};
    for (const Form& f : MemoryForms(0x4F, 0x5F, 0x6F, 0xEF)) {
        for (const Case& c : cases) {
            Fresh();
            m.C = 1;
            m.A = 0x77;
            RunForm(f, c.m, c.i);
            EXPECT_EQ(OperandNow(f.site), c.result);
            EXPECT_EQ(FlagText(m), c.flags);
            EXPECT_EQ(m.A, 0x77);
        }
    }
}

struct CompareCase {
    uint8_t x, y;
    const char* flags;  // H and V stay 1
};

constexpr CompareCase kCompareCases[] = {
    {0x10, 0x05, "C1 Z0 H1 V1"}, {0x10, 0x10, "C1 Z1 H1 V1"}, {0x05, 0x10, "C0 Z0 H1 V1"},
    {0x00, 0xFF, "C0 Z0 H1 V1"}, {0xFF, 0x00, "C1 Z0 H1 V1"},
};

TEST_F(AluTest, CpaComparesAWithMInEveryForm) {
    std::vector<Form> forms = kCpa.All();
    forms.push_back({0xB7, Site::Imm});  // CPI A,i
    for (const Form& f : forms) {
        for (const CompareCase& c : kCompareCases) {
            SCOPED_TRACE(testing::Message() << std::hex << int(c.x) << " vs " << int(c.y));
            Fresh();
            SetFlags(m, 0, 0, 1, 1);
            m.A = c.x;
            RunForm(f, c.y);
            EXPECT_EQ(FlagText(m), c.flags);
            EXPECT_EQ(m.A, c.x);
        }
    }
}

TEST_F(AluTest, CpiComparesARegisterByteWithTheImmediate) {
    const std::vector<Form> forms = {{0x4C, Site::XH}, {0x4E, Site::XL}, {0x5C, Site::YH},
                                     {0x5E, Site::YL}, {0x6C, Site::UH}, {0x6E, Site::UL}};
    for (const Form& f : forms) {
        for (const CompareCase& c : kCompareCases) {
            Fresh();
            SetFlags(m, 0, 0, 1, 1);
            RunForm(f, c.x, c.y);
            EXPECT_EQ(FlagText(m), c.flags);
            EXPECT_EQ(OperandNow(f.site), c.x);
        }
    }
}

TEST_F(AluTest, CinComparesAWithTheByteAtXAndAdvancesX) {
    m.A = 0x10;
    m.X = 0x4400;
    m.ME0[0x4400] = 0x10;
    EXPECT_EQ(Run({0xF7}), 7u);
    EXPECT_EQ(FlagText(m), "C1 Z1 H0 V0");
    EXPECT_EQ(m.X, 0x4401);
    m.X = 0xFFFF;
    m.ME0[0xFFFF] = 0x20;
    Run({0xF7});
    EXPECT_EQ(FlagText(m), "C0 Z0 H0 V0");
    EXPECT_EQ(m.X, 0x0000);
}

struct IncDecCase {
    uint8_t v, result;
    const char* flags;
};

const std::vector<Form> kIncForms = {{0xDD, Site::A},       {0x40, Site::XL},       {0x50, Site::YL},
                                     {0x60, Site::UL},      {FD(0x40), Site::XH},   {FD(0x50), Site::YH},
                                     {FD(0x60), Site::UH}};
const std::vector<Form> kDecForms = {{0xDF, Site::A},       {0x42, Site::XL},       {0x52, Site::YL},
                                     {0x62, Site::UL},      {FD(0x42), Site::XH},   {FD(0x52), Site::YH},
                                     {FD(0x62), Site::UH}};

class IncDecTest : public FormTest {
protected:
    // X, Y and U started as A5A5; only the byte at `site` may differ now.
    void ExpectOnlyTheByteChanged(Site site, uint8_t value) {
        const auto with = [](bool high, uint8_t v) {
            return static_cast<uint16_t>(high ? (v << 8 | 0xA5) : (0xA500 | v));
        };
        EXPECT_EQ(m.X, site == Site::XL ? with(false, value) : site == Site::XH ? with(true, value) : 0xA5A5);
        EXPECT_EQ(m.Y, site == Site::YL ? with(false, value) : site == Site::YH ? with(true, value) : 0xA5A5);
        EXPECT_EQ(m.U, site == Site::UL ? with(false, value) : site == Site::UH ? with(true, value) : 0xA5A5);
    }

    void RunCases(const std::vector<Form>& forms, const std::vector<IncDecCase>& cases) {
        for (const Form& f : forms) {
            for (const IncDecCase& c : cases) {
                SCOPED_TRACE(testing::Message() << std::hex << "v=" << int(c.v));
                Fresh();
                m.X = m.Y = m.U = 0xA5A5;
                RunForm(f, c.v);
                EXPECT_EQ(OperandNow(f.site), c.result);
                EXPECT_EQ(FlagText(m), c.flags);
                ExpectOnlyTheByteChanged(f.site, c.result);
            }
        }
    }
};

TEST_F(IncDecTest, IncOfAByte) {
    RunCases(kIncForms, {{0xFF, 0x00, "C1 Z1 H1 V0"},
                         {0x0F, 0x10, "C0 Z0 H1 V0"},
                         {0x7F, 0x80, "C0 Z0 H1 V0"},
                         {0x3F, 0x40, "C0 Z0 H1 V1"},
                         {0x00, 0x01, "C0 Z0 H0 V0"}});
}

TEST_F(IncDecTest, DecOfAByte) {
    RunCases(kDecForms, {{0x00, 0xFF, "C0 Z0 H0 V0"},
                         {0x40, 0x3F, "C1 Z0 H0 V1"},
                         {0x01, 0x00, "C1 Z1 H1 V0"},
                         {0x10, 0x0F, "C1 Z0 H0 V0"},
                         {0x80, 0x7F, "C1 Z0 H0 V0"}});
}

TEST_F(IncDecTest, IncOfXlLeavesXhAlone) {
    m.X = 0x12FF;
    Run({0x40});
    EXPECT_EQ(m.X, 0x1200);
}

// INC R and DEC R wrap within 16 bits and leave every flag alone.
TEST_F(IncDecTest, SixteenBitIncAndDecLeaveTheFlags) {
    struct Case {
        uint8_t op;
        uint16_t LH5801::*reg;
        uint16_t before, after;
    };
    constexpr Case cases[] = {
        {0x44, &LH5801::X, 0xFFFF, 0x0000}, {0x54, &LH5801::Y, 0x12FF, 0x1300}, {0x64, &LH5801::U, 0x0000, 0x0001},
        {0x46, &LH5801::X, 0x0000, 0xFFFF}, {0x56, &LH5801::Y, 0x1300, 0x12FF}, {0x66, &LH5801::U, 0x0001, 0x0000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.op));
        for (int flags : {0, 1}) {
            Fresh();
            SetFlags(m, flags, flags, flags, flags);
            m.*c.reg = c.before;
            EXPECT_EQ(Run({c.op}), 5u);
            EXPECT_EQ(m.*c.reg, c.after);
            EXPECT_EQ(FlagText(m), flags ? "C1 Z1 H1 V1" : "C0 Z0 H0 V0");
        }
    }
}

// ADR: flags from adding A to the low byte, then R + A over 16 bits.
TEST_F(AluTest, AdrAddsAToARegister) {
    struct Case {
        uint16_t r;
        uint8_t a;
        uint16_t result;
        const char* flags;
    };
    constexpr Case cases[] = {{0x12F0, 0x20, 0x1310, "C1 Z0 H0 V0"},
                              {0xFFF0, 0x10, 0x0000, "C1 Z1 H0 V0"},
                              {0x1234, 0x00, 0x1234, "C0 Z0 H0 V0"}};
    for (auto [op, reg] : {std::pair{0xCA, &LH5801::X}, {0xDA, &LH5801::Y}, {0xEA, &LH5801::U}}) {
        for (const Case& c : cases) {
            Fresh();
            SetFlags(m, 0, 1, 1, 1);
            m.*reg = c.r;
            m.A = c.a;
            EXPECT_EQ(Run({0xFD, static_cast<uint8_t>(op)}), 11u);
            EXPECT_EQ(m.*reg, c.result);
            EXPECT_EQ(FlagText(m), c.flags);
        }
    }
}

// Like instructions do not all cost the same.
TEST_F(AluTest, IrregularCycleCounts) {
    struct Case {
        Bytes code;
        uint32_t cycles;
    };
    const Case cases[] = {
        {{0x03}, 11},                    // ADC (X)
        {{0x13}, 11},                    // ADC (Y)
        {{0x23}, 7},                     // ADC (U)
        {{0x07}, 7},                     // CPA (X)
        {{0x27}, 6},                     // CPA (U)
        {{0xAF, 0x44, 0x00}, 13},        // BIT (ab)
        {{0xFD, 0xAF, 0x12, 0x34}, 6},   // BIT #(ab)
        {{0xFD, 0xA9, 0x12, 0x34}, 17},  // AND #(ab)
        {{0xD9}, 6},                     // SHL
        {{0xDB}, 6},                     // ROL
        {{0xD5}, 9},                     // SHR
        {{0xD1}, 9},                     // ROR
        {{0xFD, 0xEF, 0x12, 0x34, 0x01}, 23},  // ADI #(ab),i, the longest
    };
    for (const Case& c : cases) {
        Fresh();
        m.X = m.Y = m.U = kDataAt;
        EXPECT_EQ(Run(c.code), c.cycles) << int(c.code[0]) << " " << int(c.code[1 % c.code.size()]);
    }
}

}  // namespace
