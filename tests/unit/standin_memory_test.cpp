#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "host/tsxapi/host_memory.h"

using standin::HostMemory;
using FreeResult = HostMemory::FreeResult;

TEST(StandinMemory, CountsBlocksUntilFreed) {
    HostMemory memory;
    EXPECT_EQ(0, memory.Outstanding());
    void* a = memory.Allocate(16);
    void* b = memory.AllocateZeroed(3, 4);
    ASSERT_NE(nullptr, a);
    ASSERT_NE(nullptr, b);
    EXPECT_EQ(2, memory.Outstanding());
    EXPECT_TRUE(memory.Owns(a));
    EXPECT_EQ(FreeResult::Freed, memory.Free(a));
    EXPECT_EQ(1, memory.Outstanding());
    EXPECT_FALSE(memory.Owns(a));
    EXPECT_EQ(FreeResult::Freed, memory.Free(b));
    EXPECT_EQ(0, memory.Outstanding());
}

TEST(StandinMemory, CallocZeroes) {
    HostMemory memory;
    auto* block = static_cast<unsigned char*>(memory.AllocateZeroed(10, 4));
    ASSERT_NE(nullptr, block);
    for (int i = 0; i < 40; ++i) EXPECT_EQ(0, block[i]);
    memory.Free(block);
}

TEST(StandinMemory, ZeroSizeGivesABlock) {
    HostMemory memory;
    void* a = memory.Allocate(0);
    void* b = memory.AllocateZeroed(0, 4);
    EXPECT_NE(nullptr, a);
    EXPECT_NE(nullptr, b);
    EXPECT_EQ(2, memory.Outstanding());
}

TEST(StandinMemory, BadSizesGiveNothing) {
    HostMemory memory;
    EXPECT_EQ(nullptr, memory.Allocate(-1));
    EXPECT_EQ(nullptr, memory.AllocateZeroed(-1, 4));
    EXPECT_EQ(nullptr, memory.AllocateZeroed(4, -1));
    EXPECT_EQ(nullptr, memory.AllocateZeroed(INT_MAX, 4));
    EXPECT_EQ(0, memory.Outstanding());
}

TEST(StandinMemory, UnknownAndNullPointersAreIgnored) {
    HostMemory memory;
    int local = 0;
    void* a = memory.Allocate(8);
    EXPECT_EQ(FreeResult::Unknown, memory.Free(&local));
    EXPECT_EQ(FreeResult::Null, memory.Free(nullptr));
    EXPECT_EQ(1, memory.Outstanding());
    EXPECT_EQ(FreeResult::Freed, memory.Free(a));
    // A second free of the same block is unknown now, not a double free.
    EXPECT_EQ(FreeResult::Unknown, memory.Free(a));
    EXPECT_EQ(0, memory.Outstanding());
}

TEST(StandinMemory, FailingGivesNothingUntilCleared) {
    HostMemory memory;
    memory.SetFailing(true);
    EXPECT_EQ(nullptr, memory.Allocate(8));
    EXPECT_EQ(nullptr, memory.AllocateZeroed(2, 4));
    EXPECT_EQ(0, memory.Outstanding());
    memory.SetFailing(false);
    void* a = memory.Allocate(8);
    EXPECT_NE(nullptr, a);
    memory.Free(a);
}

TEST(StandinMemory, RecountForgetsTheCountButStillFrees) {
    HostMemory memory;
    void* old = memory.Allocate(8);
    std::memset(old, 0xAB, 8);
    memory.Recount();
    EXPECT_EQ(0, memory.Outstanding());
    EXPECT_TRUE(memory.Owns(old));
    void* fresh = memory.Allocate(8);
    EXPECT_EQ(1, memory.Outstanding());
    EXPECT_EQ(FreeResult::Freed, memory.Free(old));
    EXPECT_EQ(1, memory.Outstanding());
    EXPECT_EQ(FreeResult::Freed, memory.Free(fresh));
    EXPECT_EQ(0, memory.Outstanding());
}
