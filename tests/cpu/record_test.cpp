#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "machine/machine.h"
#include "tests/cpu/run.h"

// In this test program every allocation comes back filled with A5, never
// zero as fresh pages are: a record that is not zeroed on purpose shows.
void* operator new(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p) throw std::bad_alloc();
    std::memset(p, 0xA5, size);
    return p;
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

TEST(Record, FreshRecordIsZero) {
    auto machine = NewMachine();
    const auto* bytes = reinterpret_cast<const unsigned char*>(&machine->record);
    for (size_t i = 0; i < sizeof(LH5801); ++i) ASSERT_EQ(bytes[i], 0) << "offset " << i;
}

// A program that keeps the stack, memory, the timer and its interrupt busy.
void LoadBusyProgram(LH5801& m) {
    const Bytes main = {
        0xB5, 0xFF,        // 4000 LDI A,FF
        0xFD, 0xCE,        // 4002 AM0
        0xFD, 0x81,        // 4004 SIE
        0x4F, 0x01,        // 4006 ADI (X),01
        0x44,              // 4008 INC X
        0xBE, 0x41, 0x00,  // 4009 SJP 4100
        0x9E, 0x08,        // 400C BCH -08 (to 4006)
    };
    const Bytes routine = {0xFD, 0xC8, 0xDD, 0xFD, 0x8A, 0x9A};        // PSH A, INC A, POP A, RTN
    const Bytes timer = {0x54, 0xB5, 0x80, 0xFD, 0xCE, 0x8A};          // INC Y, LDI A,80, AM0, RTI
    std::memcpy(&m.ME0[0x4000], main.data(), main.size());
    std::memcpy(&m.ME0[0x4100], routine.data(), routine.size());
    std::memcpy(&m.ME0[0x4200], timer.data(), timer.size());
    m.ME0[0xFFFA] = 0x42;
    m.ME0[0xFFFB] = 0x00;
    m.Machine = kMachinePC1500A;
    m.Module = kModuleCE161;
    m.P = 0x4000;
    m.S = 0x47FF;
    m.X = 0x4400;
}

// Everything the machine is lives in the record: a running machine written
// out as an image and read into a fresh record goes on exactly as the
// original does.
TEST(Record, StateImageRoundTripsAndRunsOnTheSame) {
    auto original = NewMachine(), restored = NewMachine();
    LH5801& a = original->record;
    LoadBusyProgram(a);
    std::strcpy(a.MO, "texte");
    a.Dots[3][7] = 1;
    ASSERT_EQ(RunSteps(&a, 1000), 1000u);
    ASSERT_NE(a.Y, 0) << "the timer interrupt ran";

    std::FILE* image = std::tmpfile();
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(std::fwrite(&a, sizeof a, 1, image), 1u);
    std::rewind(image);
    ASSERT_EQ(std::fread(&restored->record, sizeof a, 1, image), 1u);
    std::fclose(image);
    LH5801& b = restored->record;
    ASSERT_EQ(std::memcmp(&a, &b, sizeof a), 0);

    RunSteps(&a, 5000);
    RunSteps(&b, 5000);
    b.liCurrent = a.liCurrent;  // host counter readings
    b.liLast = a.liLast;
    EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0);
}

}  // namespace
