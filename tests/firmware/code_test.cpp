// A walk over the bundled system program from every way in (reset, the
// interrupt vectors, every vector word a VEJ or an even VMJ names), along
// every branch and call: each instruction reached must be a defined opcode.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include "cpu/opcodes.h"

namespace {

constexpr uint32_t kRomBase = 0xC000;

class RomWalk {
public:
    explicit RomWalk(std::vector<uint8_t> rom) : rom_(std::move(rom)) {}

    uint8_t Byte(uint32_t a) const { return rom_[(a & 0xFFFF) - kRomBase]; }
    uint16_t Word(uint32_t a) const { return static_cast<uint16_t>(Byte(a) << 8 | Byte(a + 1)); }

    // Follows the code from `start`; the addresses of undefined opcodes
    // reached land in `bad`.
    void From(uint32_t start) {
        std::vector<uint32_t> todo{start};
        while (!todo.empty()) {
            const uint32_t a = todo.back();
            todo.pop_back();
            if (a < kRomBase || a > 0xFFFF || !seen_.insert(a).second) continue;
            const int index = Byte(a) == 0xFD ? kFdPage + Byte(a + 1) : Byte(a);
            const OpcodeFacts f = kOpcodes[index];
            if (!f.defined()) {
                bad.insert(a);
                continue;
            }
            for (uint32_t next : Successors(a, index, f)) todo.push_back(next);
        }
    }

    std::set<uint32_t> bad;
    size_t Reached() const { return seen_.size(); }

private:
    std::vector<uint32_t> Successors(uint32_t a, int index, const OpcodeFacts& f) const {
        const uint32_t after = a + f.length;
        const uint32_t operand = a + static_cast<uint32_t>(OperandOffset(index));
        using enum Mn;
        switch (f.mnemonic) {
            case RTN: case RTI: return {};
            case JMP: return {Word(operand)};
            case SJP: return {Word(operand), after};
            case VEJ: return {Word(0xFF00u + static_cast<uint32_t>(index)), after};
            case VMJ: case VCR: case VCS: case VHR: case VHS: case VZR: case VZS: case VVS:
                return {Word(0xFF00u + Byte(operand)), after};
            case STX:
                if (f.reg == Reg::P) return {};  // the jump to a user program
                break;
            default: break;
        }
        if (f.arg == Arg::Forward) return f.mnemonic == BCH ? std::vector{after + Byte(operand)}
                                                            : std::vector{after + Byte(operand), after};
        if (f.arg == Arg::Backward || f.arg == Arg::LoopBack) {
            const uint32_t back = after - Byte(operand);
            return f.mnemonic == BCH ? std::vector{back} : std::vector{back, after};
        }
        return {after};
    }

    std::vector<uint8_t> rom_;
    std::set<uint32_t> seen_;
};

TEST(SystemCode, EveryInstructionReachedIsDefined) {
    std::ifstream file(BUNDLED_ROM, std::ios::binary);
    std::vector<uint8_t> rom((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_EQ(rom.size(), 16384u);
    RomWalk walk(rom);
    for (uint32_t vector = 0xFF00; vector <= 0xFFFE; vector += 2) walk.From(walk.Word(vector));
    EXPECT_TRUE(walk.bad.empty()) << "undefined opcode at " << std::hex << *walk.bad.begin();
    EXPECT_GT(walk.Reached(), 500u);  // the walk did go through the program
}

}  // namespace
