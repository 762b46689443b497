// The progress record's tail: the items' bytes where a reader of the layout skips them, what
// does not fit, and damaged tails that must yield nothing from outside the record.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game_state.h"
#include "progress_tail.h"

namespace {

// Exactly one record, so that a read past its end is one past the buffer.
using Record = std::vector<unsigned char>;

constexpr int kFirstItem = kProgressTailOffset + 4;                      // past the tag
constexpr int kLargestFirst = kProgressRecordSize - kFirstItem - 3 - 1;  // and the closing 0

std::string Found(const Record& record, int kind)
{
    int size = -1;
    const unsigned char* at = FindProgressTailItem(record.data(), kind, &size);
    return at ? std::string(reinterpret_cast<const char*>(at), size_t(size)) : "none";
}

bool Zero(const Record& record, int from, int to = kProgressRecordSize)
{
    for (int i = from; i < to; ++i)
        if (record[size_t(i)])
            return false;
    return true;
}

// The items go after the layout's bytes, closed by a kind 0 even in a buffer that held
// something else.
TEST(ProgressTail, ItemsComeBackByKindAfterTheTagAndTheLayout)
{
    Record record(kProgressRecordSize, 0);
    std::memset(&record[kFirstItem], 0xEE, size_t(kProgressRecordSize - kFirstItem));
    ProgressTailWriter writer;
    BeginProgressTail(&writer, record.data());
    EXPECT_TRUE(Zero(record, 0, kFirstItem));  // no item, no tag
    EXPECT_EQ(Found(record, kTailTimer), "none");

    const std::string pencil(600, '\x5A');  // a size past one byte
    ASSERT_TRUE(PutProgressTailItem(&writer, kTailTimer, "\x2C\x01\0\0", 4));
    ASSERT_TRUE(PutProgressTailItem(&writer, kTailToggles, "", 0));
    ASSERT_TRUE(PutProgressTailItem(&writer, kTailTimer, "late", 4));
    ASSERT_TRUE(PutProgressTailItem(&writer, kTailPencil, pencil.data(), int(pencil.size())));

    EXPECT_TRUE(Zero(record, 0, kProgressTailOffset));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(&record[kProgressTailOffset]), 11),
              std::string("CWX1\x05\x04\0\x2C\x01\0\0", 11));
    EXPECT_EQ(Found(record, kTailTimer), std::string("\x2C\x01\0\0", 4));  // the first
    EXPECT_EQ(Found(record, kTailToggles), "");
    EXPECT_EQ(Found(record, kTailPencil), pencil);
    EXPECT_EQ(Found(record, kTailGiven), "none");
    EXPECT_EQ(record[size_t(writer.at)], kTailEnd);
    EXPECT_EQ(writer.at, kFirstItem + 3 * 4 + 4 + 4 + int(pencil.size()));
}

// An item that does not fit is not written, not even the tag; the closing 0 always fits.
TEST(ProgressTail, WhatDoesNotFitOrIsNoKindIsRefusedWhole)
{
    Record record(kProgressRecordSize, 0);
    ProgressTailWriter writer;
    BeginProgressTail(&writer, record.data());
    const std::string big(kLargestFirst + 1, 'B');
    EXPECT_FALSE(PutProgressTailItem(&writer, kTailRebus, big.data(), kLargestFirst + 1));
    EXPECT_FALSE(PutProgressTailItem(&writer, kTailEnd, "x", 1));
    EXPECT_FALSE(PutProgressTailItem(&writer, 256, "x", 1));
    EXPECT_FALSE(PutProgressTailItem(&writer, kTailRebus, "x", -1));
    EXPECT_TRUE(Zero(record, 0));

    ASSERT_TRUE(PutProgressTailItem(&writer, kTailRebus, big.data(), kLargestFirst));
    EXPECT_FALSE(PutProgressTailItem(&writer, kTailToggles, "", 0));
    EXPECT_EQ(record.back(), kTailEnd);
    EXPECT_EQ(Found(record, kTailRebus), big.substr(0, size_t(kLargestFirst)));
}

TEST(ProgressTail, DamagedTailsYieldNothing)
{
    Record record(kProgressRecordSize, 0);
    ProgressTailWriter writer;
    BeginProgressTail(&writer, record.data());
    ASSERT_TRUE(PutProgressTailItem(&writer, kTailToggles, "\x03", 1));
    const int timer = writer.at;
    ASSERT_TRUE(PutProgressTailItem(&writer, kTailTimer, "\x2C\x01\0\0", 4));
    ASSERT_TRUE(PutProgressTailItem(&writer, kTailUnlockKey, "\x01\x02", 2));

    Record untagged = record;
    untagged[kProgressTailOffset + 3] = '2';
    EXPECT_EQ(Found(untagged, kTailToggles), "none");

    Record overlong = record;  // the timer's size runs past the record's end
    overlong[size_t(timer + 2)] = 0xFF;
    EXPECT_EQ(Found(overlong, kTailToggles), "\x03");
    EXPECT_EQ(Found(overlong, kTailTimer), "none");
    EXPECT_EQ(Found(overlong, kTailUnlockKey), "none");

    // Items up to the very last byte with no closing kind: the walk ends at the record's end.
    Record full(kProgressRecordSize, 0);
    std::memcpy(&full[kProgressTailOffset], "CWX1", 4);
    full[kFirstItem] = kTailRebus;
    full[kFirstItem + 1] = (kLargestFirst + 1) & 0xFF;
    full[kFirstItem + 2] = (kLargestFirst + 1) >> 8;
    EXPECT_EQ(Found(full, kTailRebus).size(), size_t(kLargestFirst + 1));
    EXPECT_EQ(Found(full, kTailTimer), "none");
}

}  // namespace
