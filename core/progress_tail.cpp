// The tail's items, walked with every size checked against the record's end: a tail written
// by a damaged or foreign program yields nothing rather than bytes from outside the record.
#include "progress_tail.h"

#include <cstring>

#include "game_state.h"

namespace {

constexpr char kTag[4] = {'C', 'W', 'X', '1'};
constexpr int kItemHead = 3;  // kind, size low byte, size high byte

}  // namespace

void BeginProgressTail(ProgressTailWriter* writer, unsigned char* record)
{
    writer->record = record;
    writer->at = 0;
}

bool PutProgressTailItem(ProgressTailWriter* writer, int kind, const void* bytes, int size)
{
    const int start = writer->at ? writer->at : kProgressTailOffset + int(sizeof kTag);
    // One byte stays free for the closing kind 0.
    if (kind <= 0 || kind > 255 || size < 0 || start + kItemHead + size + 1 > kProgressRecordSize)
        return false;
    if (!writer->at)
        std::memcpy(writer->record + kProgressTailOffset, kTag, sizeof kTag);
    unsigned char* item = writer->record + start;
    item[0] = static_cast<unsigned char>(kind);
    item[1] = static_cast<unsigned char>(size & 0xFF);
    item[2] = static_cast<unsigned char>(size >> 8);
    std::memcpy(item + kItemHead, bytes, size_t(size));
    writer->at = start + kItemHead + size;
    writer->record[writer->at] = kTailEnd;
    return true;
}

const unsigned char* FindProgressTailItem(const unsigned char* record, int kind, int* size)
{
    if (std::memcmp(record + kProgressTailOffset, kTag, sizeof kTag) != 0)
        return nullptr;
    int at = kProgressTailOffset + int(sizeof kTag);
    while (at + kItemHead <= kProgressRecordSize && record[at] != kTailEnd) {
        const int itemSize = record[at + 1] | (record[at + 2] << 8);
        if (at + kItemHead + itemSize > kProgressRecordSize)
            return nullptr;
        if (record[at] == kind) {
            *size = itemSize;
            return record + at + kItemHead;
        }
        at += kItemHead + itemSize;
    }
    return nullptr;
}
