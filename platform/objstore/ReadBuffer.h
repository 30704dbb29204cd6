// The block a read returns: the CEPROPVAL array, then the strings and BLOBs its entries
// point to, each starting on an 8-byte boundary.
#pragma once

#include <vector>

#include "Record.h"

namespace ce::objstore {

struct ReadItem {
    CEPROPID propid;
    const Property* property;  // null: the record lacks it (CEDB_PROPNOTFOUND)
};

DWORD readSize(const std::vector<ReadItem>& items);
// Lays the items out in `buffer`, which holds at least readSize(items) bytes.
void fillRead(BYTE* buffer, const std::vector<ReadItem>& items);
// Makes `*buffer` hold `bytes`, from `heap` or the local heap; false when it cannot.
bool growReadBuffer(LPBYTE* buffer, DWORD bytes, HANDLE heap);

}  // namespace ce::objstore
