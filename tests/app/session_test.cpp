// The start sequences the window and the command line share, on the real
// model libraries beside the test program.
#include <gtest/gtest.h>

#include "app/session.h"
#include "machine/machine.h"
#include "machine/memory.h"
#include "models/tables.h"

namespace {

class Session : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(BindModelLibrary("ZelkorA", &library, &error)) << error;
        ASSERT_TRUE(FirstStart(m, library));
    }
    void TearDown() override { ReleaseModelLibrary(m, &library); }

    std::unique_ptr<Machine> machine = NewMachine();
    LH5801* m = &machine->record;
    ModelLibrary library;
};

TEST_F(Session, FirstStartLeavesTheDefaultsAndAReadySkin) {
    EXPECT_EQ(m->PixelSize, static_cast<uint32_t>(kSkinDotsSmall));
    EXPECT_EQ(m->Machine, kMachinePC1500A);
    EXPECT_EQ(m->Module, kModuleCE161);
    EXPECT_EQ(m->FrequenceMax, 0u);
    EXPECT_EQ(m->Version, sizeof(LH5801));
    EXPECT_EQ(m->Running, 0u);
    EXPECT_EQ(m->P, m->ME0[0xFFFE] << 8 | m->ME0[0xFFFF]) << "P from the ROM's reset vector";
    EXPECT_GT(m->TempCycle[1], 0u);
    EXPECT_EQ(m->LcdOriginX, ZelkorATables().lcdOriginX) << "the library's skin";
    EXPECT_NE(m->Skin[kSkinPowerDot].imageA, 0u);
    EXPECT_EQ(m->ToucheLue, -1) << "key latch cleared";
}

// A machine change swaps library, ROM and skin but leaves the CPU and memory
// for the reset the user is asked to make.
TEST_F(Session, MachineChangeSwapsLibraryAndSkinButNotTheCpu) {
    m->P = 0x4123;
    m->ME0[0x4000] = 0x5A;
    m->Module = kModuleFirstSoftware + 2;
    std::string error;
    ASSERT_TRUE(ChangeMachine(m, &library, KavroTables(), 262, &error)) << error;
    EXPECT_EQ(library.name, "Kavro");
    EXPECT_EQ(m->Machine, kMachinePC2);
    EXPECT_EQ(m->LcdOriginX, KavroTables().lcdOriginX);
    EXPECT_EQ(m->P, 0x4123);
    EXPECT_EQ(m->ME0[0x4000], 0x5A);
    EXPECT_EQ(m->Module, kModuleFirstSoftware + 2);
}

TEST_F(Session, MachineChangeToAMissingLibraryKeepsTheBoundOne) {
    ModelTables missing = ZelkorTables();
    missing.library = "NoSuchModel";
    std::string error;
    EXPECT_FALSE(ChangeMachine(m, &library, missing, 252, &error));
    EXPECT_EQ(error.rfind("Erreur de chargement de la DLL (NoSuchModel.DLL)", 0), 0u) << error;
    EXPECT_EQ(library.name, "ZelkorA");
    EXPECT_NE(library.uneTouche, nullptr);
    EXPECT_EQ(m->Machine, kMachinePC1500A);
}

TEST_F(Session, HardResetRestoresTheDefaultsAtMaximumSpeed) {
    m->Machine = kMachinePC2;
    m->Module = kModuleNone;
    m->FrequenceMax = 0;
    m->ME0[0x4000] = 0x5A;
    m->P = 0x4123;
    m->Dots[1][0] = 1;
    HardResetMachine(m);
    EXPECT_EQ(m->Machine, kMachinePC1500A);
    EXPECT_EQ(m->Module, kModuleCE161);
    EXPECT_EQ(m->FrequenceMax, 1u);
    EXPECT_EQ(m->ME0[0x4000], 0xFF) << "memory initialised";
    EXPECT_EQ(m->P, m->ME0[0xFFFE] << 8 | m->ME0[0xFFFF]);
    EXPECT_EQ(m->Dots[1][0], 0u) << "display model cleared";
    EXPECT_EQ(m->LcdOriginX, ZelkorATables().lcdOriginX) << "the skin stays";
}

}  // namespace
