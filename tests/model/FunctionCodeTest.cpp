#include "model/FunctionCode.h"
#include "model/Command.h"
#include "model/MemoryMap.h"

#include <gtest/gtest.h>

using namespace varkel;

// The command's items and mapping are derived from the function table; a
// row added there must come out consistently everywhere.
TEST(FunctionFacts, CommandsFollowTheirRow) {
    for (int index = 0; index < 14; ++index) {
        const FunctionFacts& f = FactsOfIndex(index);
        SCOPED_TRACE(f.code);
        EXPECT_EQ(&FactsOfCode(f.code), &f);
        Command command("c", index);
        if (!f.supported) {
            EXPECT_EQ(command.GetItemCount(), 0);
            continue;
        }
        ASSERT_EQ(command.GetItemCount(), 10);
        EXPECT_EQ(command.GetItem(Command::BitOffsetRow)->GetEnable(), f.HasBitOffset() ? 1 : 0);
        EXPECT_EQ(command.GetItem(Command::DataNumberRow)->GetEnable(), f.single ? 0 : 1);

        command.GetItem(Command::DataNumberRow)->SetValue("3");
        int input = 0, output = 0;
        command.AutoMapStep(input, output);
        std::uint32_t address = 0;
        int offset = 0, bits = 0;
        const int direction = command.GetMapping(address, offset, bits);
        EXPECT_EQ(direction, f.output ? OutputDirection : InputDirection);
        const int count = f.single ? 1 : 3;
        EXPECT_EQ(bits, f.access == FunctionFacts::Word ? 16 * 3 : count);
        // The automatic mapping reserves whole bytes for those bits.
        EXPECT_EQ(f.output ? output : input, (bits + 7) / 8);
    }
}

TEST(FunctionFacts, UnknownIndexAndCode) {
    EXPECT_FALSE(FactsOfIndex(14).supported);
    EXPECT_EQ(FactsOfIndex(-1).code, -1);
    // An unknown code maps like a register write, as the mapping always did.
    EXPECT_EQ(FactsOfCode(99).access, FunctionFacts::Word);
    EXPECT_TRUE(FactsOfCode(99).output);
}
