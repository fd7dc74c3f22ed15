#include <gtest/gtest.h>

#include <cstring>

#include "machine/machine.h"

TEST(Record, FreshRecordIsZero) {
    auto machine = NewMachine();
    const auto* bytes = reinterpret_cast<const unsigned char*>(&machine->record);
    for (size_t i = 0; i < sizeof(LH5801); ++i) ASSERT_EQ(bytes[i], 0) << "offset " << i;
}
