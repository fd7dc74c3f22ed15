// The emulator program's logic through a recording Ui: start-up, every menu
// command, machine change, Hard Reset, the state file and quitting, with the
// model libraries and the bundled image beside the test program.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <thread>

#include "app/emulator.h"
#include "app/menu.h"
#include "app/texts.h"
#include "machine/memory.h"
#include "models/tables.h"
#include "tests/app/recording_ui.h"
#include "tests/common/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

using Ids = std::vector<int>;

// A folder of its own for the state file, removed afterwards.
class EmulatorTest : public ::testing::Test {
protected:
    std::string StatePath() const { return (dir_ / "Zelkora.mem").string(); }

    std::unique_ptr<Emulator> Started(RecordingUi& ui) {
        auto emulator = std::make_unique<Emulator>(ui, EmulatorOptions{StatePath()});
        EXPECT_TRUE(emulator->Start());
        return emulator;
    }

    ScratchFolder folder_;
    const fs::path& dir_ = folder_.dir();
};

// Waits for a condition of the running machine, polling as the window does.
bool WaitFor(Emulator& emulator, const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        emulator.Poll();
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

// Centre of a key of the ZelkorA skin.
void Click(Emulator& emulator, int key) {
    const EntryTable& e = ZelkorATables().entries[key];
    emulator.MousePress(e.x + e.width / 2, e.y + e.height / 2);
    emulator.KeyRelease();
}

// Switches the machine on at maximum speed.
void PowerOn(Emulator& emulator) {
    emulator.Command(kCmdMaxFrequency);
    Click(emulator, 10);
    ASSERT_TRUE(emulator.IsOn());
}

Message Warning(const std::string& text) {
    return {kCaptionWarning, text, MessageButtons::OkCancel, MessageIcon::Warning, true};
}

void ExpectMessages(const std::vector<Message>& got, const std::vector<Message>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(got[i].caption, want[i].caption);
        EXPECT_EQ(got[i].text, want[i].text);
        EXPECT_EQ(got[i].buttons, want[i].buttons);
        EXPECT_EQ(got[i].icon, want[i].icon);
        EXPECT_EQ(got[i].owned, want[i].owned);
    }
}

TEST_F(EmulatorTest, FirstStartWithoutStateFile) {
    RecordingUi ui;
    auto emulator = Started(ui);
    const LH5801* m = emulator->record();
    EXPECT_EQ(ui.title, kTitleOff);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.timerStarted);
    EXPECT_EQ(ui.CheckedIn(252, 262), Ids{258});
    EXPECT_EQ(ui.CheckedIn(269, 282), Ids{272});
    EXPECT_EQ(ui.CheckedIn(264, 268), (Ids{266, 267}));
    for (int id = 300; id <= 309; ++id) EXPECT_FALSE(ui.IsEnabled(id)) << id;
    EXPECT_EQ(m->Machine, kMachinePC1500A);
    EXPECT_EQ(m->Module, kModuleCE161);
    EXPECT_EQ(m->FrequenceMax, 0u);
    EXPECT_EQ(m->PixelSize, 82u);
    EXPECT_EQ(m->ToucheLue, -1);
    EXPECT_EQ(m->Version, kRecordSize);
    EXPECT_EQ(m->Skin[1].x, ZelkorATables().entries[1].x);
    EXPECT_NE(m->TempCycle[13], 0u);
    EXPECT_FALSE(emulator->IsOn());
}

TEST_F(EmulatorTest, EveryMenuCommand) {
    const std::string unsupported = kTextFunctionUnsupported;
    struct Case {
        Ids ids;
        std::vector<Message> messages;
        std::function<void(const RecordingUi&, const LH5801&)> check;
    };
    const Case cases[] = {
        {{201, 202, 203}, {Warning(kTextNotReady)},
         [](const RecordingUi& ui, const LH5801& m) {
             EXPECT_EQ(m.CE150, 1u);
             EXPECT_TRUE(ui.CheckedIn(201, 203).empty());
         }},
        {{204, 205}, {Warning(kTextEquipmentUnsupported)}, [](const RecordingUi&, const LH5801& m) { EXPECT_EQ(m.CE150, 0u); }},
        {{269, 270, 271, 272, 273}, {},
         [](const RecordingUi& ui, const LH5801& m) { EXPECT_EQ(ui.CheckedIn(269, 282), Ids{static_cast<int>(m.Module)}); }},
        {{274, 276, 282}, {Warning(kTextModuleNotImplemented)},
         [](const RecordingUi& ui, const LH5801& m) { EXPECT_EQ(ui.CheckedIn(269, 282), Ids{static_cast<int>(m.Module)}); }},
        {{265}, {},
         [](const RecordingUi& ui, const LH5801& m) {
             EXPECT_EQ(m.FrequenceMax, 1u);
             EXPECT_EQ(ui.CheckedIn(265, 266), Ids{265});
         }},
        {{266}, {},
         [](const RecordingUi& ui, const LH5801& m) {
             EXPECT_EQ(m.FrequenceMax, 0u);
             EXPECT_EQ(ui.CheckedIn(265, 266), Ids{266});
         }},
        {{268}, {},
         [](const RecordingUi& ui, const LH5801& m) {
             EXPECT_EQ(m.PixelSize, 83u);
             EXPECT_EQ(ui.CheckedIn(267, 268), Ids{268});
         }},
        {{267}, {},
         [](const RecordingUi& ui, const LH5801& m) {
             EXPECT_EQ(m.PixelSize, 82u);
             EXPECT_EQ(ui.CheckedIn(267, 268), Ids{267});
         }},
        {{100, 101}, {Warning(kTextNotImplemented)}, nullptr},
        {{300, 301, 302, 303, 304, 305, 306, 307, 308, 309, 400}, {Warning(kTextFunctionUnsupported)}, nullptr},
        {{263}, {}, [](const RecordingUi& ui, const LH5801&) { EXPECT_EQ(ui.dialogs, Ids{1100}); }},
        {{401}, {}, [](const RecordingUi& ui, const LH5801&) { EXPECT_EQ(ui.dialogs, Ids{1000}); }},
        {{999, 0, 251}, {}, nullptr},
    };
    for (const Case& c : cases)
        for (int id : c.ids) {
            SCOPED_TRACE(id);
            RecordingUi ui;
            auto emulator = Started(ui);
            emulator->Command(id);
            ExpectMessages(ui.messages, c.messages);
            if (c.check) c.check(ui, *emulator->record());
            EXPECT_FALSE(ui.quit);
        }
}

TEST_F(EmulatorTest, DebugModeTogglesItsMarkAndTheDebugItems) {
    RecordingUi ui;
    auto emulator = Started(ui);
    emulator->Command(kCmdDebugMode);
    EXPECT_TRUE(ui.IsMenuItemChecked(264));
    for (int id = 300; id <= 309; ++id) EXPECT_TRUE(ui.IsEnabled(id)) << id;
    emulator->Command(kCmdDebugMode);
    EXPECT_FALSE(ui.IsMenuItemChecked(264));
    for (int id = 300; id <= 309; ++id) EXPECT_FALSE(ui.IsEnabled(id)) << id;
    EXPECT_TRUE(ui.messages.empty());
}

// Power-on with "Mode débug" checked runs the debug run: the trace from the
// start box to the end box once the CPU has executed OFF.
TEST_F(EmulatorTest, DebugModeAtPowerOnWritesTheTrace) {
    RecordingUi ui;
    const std::string trace = (dir_ / "traces").string();
    auto emulator = std::make_unique<Emulator>(ui, EmulatorOptions{StatePath(), "ZelkorA", trace});
    ASSERT_TRUE(emulator->Start());
    LH5801* m = emulator->record();
    m->ME0[0xC000] = 0x38;  // NOP, then OFF, at the reset vector
    m->ME0[0xC001] = 0xFD;
    m->ME0[0xC002] = 0x4C;
    m->ME0[0xFFFE] = 0xC0;
    m->ME0[0xFFFF] = 0x00;
    emulator->Command(kCmdDebugMode);
    Click(*emulator, 10);
    ASSERT_TRUE(WaitFor(*emulator, [&] { return ui.title == kTitleOff; }));
    std::ifstream file(trace, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text.rfind("+--------------------+\n|  Début du thread.  |\n", 0), 0u);
    EXPECT_NE(text.find("Trace         : 1\n"), std::string::npos);
    EXPECT_NE(text.find("0xC000 : 38             NOP\t"), std::string::npos);
    const size_t end = text.find("|   Fin du thread.   |\n");
    ASSERT_NE(end, std::string::npos);
    EXPECT_GT(end, text.find("0xC001 : FD4C           OFF\t"));
    EXPECT_TRUE(ui.messages.empty());
}

// A trace that cannot be created is told; the machine runs without it.
TEST_F(EmulatorTest, DebugModeWithoutATraceFileRunsUntraced) {
    RecordingUi ui;
    const std::string trace = (dir_ / "no such folder" / "traces").string();
    auto emulator = std::make_unique<Emulator>(ui, EmulatorOptions{StatePath(), "ZelkorA", trace});
    ASSERT_TRUE(emulator->Start());
    emulator->Command(kCmdDebugMode);
    PowerOn(*emulator);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, kCaptionWarning);
    EXPECT_NE(ui.messages[0].text.find(trace), std::string::npos) << ui.messages[0].text;
    EXPECT_EQ(emulator->record()->Trace, 0u);
    EXPECT_TRUE(emulator->IsOn());
    emulator->Command(kCmdQuit);
}

TEST_F(EmulatorTest, MachineChangeBindsTheOtherLibraryWithoutReset) {
    RecordingUi ui;
    auto emulator = Started(ui);
    LH5801* m = emulator->record();
    m->P = 0x1234;
    m->Module = 276;
    emulator->Command(262);
    ExpectMessages(ui.messages, {{kCaptionInformation, kTextResetNeeded, MessageButtons::Ok, MessageIcon::Information, true}});
    EXPECT_EQ(m->Machine, kMachinePC2);
    EXPECT_EQ(ui.CheckedIn(252, 262), Ids{262});
    EXPECT_EQ(m->Skin[1].x, KavroTables().entries[1].x);
    EXPECT_EQ(m->P, 0x1234);
    EXPECT_EQ(m->Module, 276u);
}

TEST_F(EmulatorTest, LibraryThatCannotBeBoundEndsTheStart) {
    RecordingUi ui;
    Emulator emulator(ui, EmulatorOptions{StatePath(), "NoSuchLibrary"});
    EXPECT_FALSE(emulator.Start());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Stop);
    EXPECT_FALSE(ui.messages[0].owned);
    EXPECT_EQ(ui.messages[0].text.rfind("Erreur de chargement de la DLL NoSuchLibrary.", 0), 0u) << ui.messages[0].text;
}

TEST_F(EmulatorTest, HardResetWhileOff) {
    RecordingUi ui;
    auto emulator = Started(ui);
    LH5801* m = emulator->record();
    emulator->Command(270);
    emulator->Command(kCmdOriginalFrequency);
    m->ToucheLue = 0;
    m->ME0[0x4000] = 0x12;
    emulator->Command(kCmdHardReset);
    ExpectMessages(ui.messages, {Warning(kTextHardReset)});
    EXPECT_EQ(ui.CheckedIn(269, 282), Ids{272});
    EXPECT_EQ(ui.CheckedIn(265, 266), Ids{265});
    EXPECT_EQ(m->Module, kModuleCE161);
    EXPECT_EQ(m->Machine, kMachinePC1500A);
    EXPECT_EQ(m->FrequenceMax, 1u);
    EXPECT_EQ(m->ToucheLue, -1);
    EXPECT_EQ(m->ME0[0x4000], 0xFF);
}

TEST_F(EmulatorTest, RunningMachineRefusesChangesAndTakesHardResetAsARequest) {
    RecordingUi ui;
    auto emulator = Started(ui);
    LH5801* m = emulator->record();
    m->ME0[0x4000] = 0x12;
    emulator->Command(270);
    PowerOn(*emulator);
    EXPECT_EQ(ui.title, kTitleOn);
    for (int id : ConfigurationItems()) EXPECT_FALSE(ui.IsEnabled(id)) << id;
    EXPECT_TRUE(ui.IsEnabled(kCmdHardReset));

    emulator->Command(253);
    ExpectMessages(ui.messages, {Warning(kTextChangeWhenStopped)});
    EXPECT_EQ(ui.CheckedIn(252, 262), Ids{258});

    // The running thread applies the reset; stopping it (at quit) waits for that.
    emulator->Command(kCmdHardReset);
    EXPECT_EQ(ui.CheckedIn(269, 282), Ids{272});
    emulator->Shutdown();
    EXPECT_EQ(m->ME0[0x4000], 0xFF);
    EXPECT_EQ(m->Module, kModuleCE161);
    EXPECT_EQ(m->Machine, kMachinePC1500A);
}

TEST_F(EmulatorTest, OffKeyGivesTheConfigurationBackAndTheRunEndWritesTheState) {
    RecordingUi ui;
    auto emulator = Started(ui);
    PowerOn(*emulator);
    // The system program switches off when it sees OFF, held until then.
    const EntryTable& off = ZelkorATables().entries[9];
    emulator->MousePress(off.x + 4, off.y + 4);
    EXPECT_TRUE(ui.IsEnabled(252));
    ASSERT_TRUE(WaitFor(*emulator, [&] { return ui.title == kTitleOff; }));
    emulator->KeyRelease();
    EXPECT_FALSE(emulator->IsOn());
    std::ifstream file(StatePath(), std::ios::binary);
    LH5801 saved;
    ASSERT_TRUE(file.read(reinterpret_cast<char*>(&saved), sizeof saved));
    EXPECT_EQ(saved.Running, 1u);  // written before the run ended
    EXPECT_EQ(saved.OFF, 1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(EmulatorTest, OffInstructionAloneLeavesTheConfigurationGreyed) {
    RecordingUi ui;
    auto emulator = Started(ui);
    LH5801* m = emulator->record();
    m->ME0[0xC000] = 0xFD;  // OFF, at the reset vector
    m->ME0[0xC001] = 0x4C;
    m->ME0[0xFFFE] = 0xC0;
    m->ME0[0xFFFF] = 0x00;
    Click(*emulator, 10);
    ASSERT_TRUE(WaitFor(*emulator, [&] { return ui.title == kTitleOff; }));
    EXPECT_FALSE(ui.IsEnabled(252));
    EXPECT_FALSE(ui.IsEnabled(272));
}

TEST_F(EmulatorTest, QuitWhileRunningStopsTheMachineFirst) {
    RecordingUi ui;
    auto emulator = Started(ui);
    PowerOn(*emulator);
    emulator->Command(kCmdQuit);
    EXPECT_TRUE(ui.quit);
    EXPECT_FALSE(emulator->IsOn());
    EXPECT_EQ(fs::file_size(StatePath()), kRecordSize);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(EmulatorTest, StateFileRoundTripKeepsTheConfiguration) {
    {
        RecordingUi ui;
        auto emulator = Started(ui);
        emulator->Command(254);  // the PC-1500
        emulator->Command(276);
        emulator->Command(kCmdMaxFrequency);
        emulator->Command(kCmdPixels3);
        emulator->record()->ME0[0x4010] = 0x5A;
        emulator->record()->P = 0x4321;
        emulator->Shutdown();
        EXPECT_TRUE(ui.quit);
    }
    RecordingUi ui;
    auto emulator = Started(ui);
    const LH5801* m = emulator->record();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(m->Machine, kMachinePC1500);
    EXPECT_EQ(m->Skin[1].x, ZelkorTables().entries[1].x);  // the PC-1500 library is bound
    EXPECT_EQ(ui.CheckedIn(252, 262), Ids{254});
    EXPECT_EQ(ui.CheckedIn(269, 282), Ids{276});
    EXPECT_EQ(ui.CheckedIn(265, 268), (Ids{265, 268}));
    EXPECT_EQ(m->ME0[0x4010], 0x5A);
    EXPECT_NE(m->P, 0x4321);  // the CPU restarts from its reset vector
    EXPECT_EQ(m->Running, 0u);
}

TEST_F(EmulatorTest, StateFileOfTheWrongSizeIsKeptAsideAndTheDefaultsApply) {
    std::ofstream(StatePath(), std::ios::binary) << std::string(100, 'x');
    RecordingUi ui;
    auto emulator = Started(ui);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, kCaptionWarning);
    EXPECT_NE(ui.messages[0].text.find("100 octets"), std::string::npos) << ui.messages[0].text;
    EXPECT_NE(ui.messages[0].text.find("Zelkora.mem.bad"), std::string::npos) << ui.messages[0].text;
    EXPECT_FALSE(fs::exists(StatePath()));
    EXPECT_EQ(fs::file_size(StatePath() + ".bad"), 100u);
    EXPECT_EQ(emulator->record()->Module, kModuleCE161);
    EXPECT_EQ(emulator->record()->ME0[0x4000], 0xFF);  // memory initialised
}

TEST_F(EmulatorTest, ReadOnlyStateFileStillLoads) {
    {
        RecordingUi ui;
        auto emulator = Started(ui);
        emulator->Command(271);
        emulator->Shutdown();
    }
    fs::permissions(StatePath(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    RecordingUi ui;
    auto emulator = Started(ui);
    EXPECT_EQ(emulator->record()->Module, 271u);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(EmulatorTest, FailedStateWriteIsReportedAndTheQuitGoesOn) {
    RecordingUi ui;
    Emulator emulator(ui, EmulatorOptions{(dir_ / "missing" / "Zelkora.mem").string()});
    ASSERT_TRUE(emulator.Start());
    emulator.Shutdown();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, kCaptionWarning);
    EXPECT_NE(ui.messages[0].text.find("n'a pas pu être écrit"), std::string::npos) << ui.messages[0].text;
    EXPECT_TRUE(ui.quit);
}

}  // namespace
