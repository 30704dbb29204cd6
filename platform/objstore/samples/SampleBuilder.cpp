// The sample databases' building blocks: the generator, record assembly and writing.
#include "SampleBuilder.h"

#include <algorithm>

#include "winbase.h"

namespace ce::objstore::samples {

DWORD SampleRandom::next() {
    m_state = m_state * 1664525u + 1013904223u;
    // The low bits of an LCG cycle quickly; the high ones are the useful part.
    return m_state >> 8;
}

ULONGLONG sampleTime(int days, int minutes) {
    auto offset = static_cast<LONGLONG>(days) * static_cast<LONGLONG>(c_ticksPerDay) +
                  static_cast<LONGLONG>(minutes) * static_cast<LONGLONG>(c_ticksPerMinute);
    return c_sampleToday + static_cast<ULONGLONG>(offset);
}

CEPROPVAL& SampleRecord::add(CEPROPID propid) {
    CEPROPVAL value{};
    value.propid = propid;
    m_values.push_back(value);
    return m_values.back();
}

SampleRecord& SampleRecord::text(CEPROPID propid, std::u16string value) {
    m_texts.push_back(std::move(value));
    add(propid).val.lpwstr = m_texts.back().data();
    return *this;
}

SampleRecord& SampleRecord::number(CEPROPID propid, LONG value) {
    CEPROPVAL& added = add(propid);
    switch (TypeFromPropID(propid)) {
    case CEVT_I2: added.val.iVal = static_cast<SHORT>(value); break;
    case CEVT_UI2: added.val.uiVal = static_cast<USHORT>(value); break;
    case CEVT_UI4: added.val.ulVal = static_cast<ULONG>(value); break;
    default: added.val.lVal = value; break;
    }
    return *this;
}

SampleRecord& SampleRecord::flag(CEPROPID propid, bool value) {
    add(propid).val.boolVal = value ? TRUE : FALSE;
    return *this;
}

SampleRecord& SampleRecord::time(CEPROPID propid, ULONGLONG ticks) {
    add(propid).val.filetime = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    return *this;
}

SampleRecord& SampleRecord::blob(CEPROPID propid, std::vector<BYTE> bytes) {
    m_blobs.push_back(std::move(bytes));
    add(propid).val.blob = {static_cast<DWORD>(m_blobs.back().size()), m_blobs.back().data()};
    return *this;
}

SampleDatabase::SampleDatabase(const WCHAR* name, DWORD type, std::vector<SORTORDERSPEC> sortOrders) {
    CEDBASEINFO info{};
    info.dwFlags = CEDB_VALIDNAME | CEDB_VALIDTYPE | CEDB_VALIDSORTSPEC;
    std::copy(name, name + std::char_traits<WCHAR>::length(name), info.szDbaseName);
    info.dwDbaseType = type;
    info.wNumSortOrder = static_cast<WORD>(sortOrders.size());
    std::copy(sortOrders.begin(), sortOrders.end(), info.rgSortSpecs);
    CEOID oid = CeCreateDatabaseEx(nullptr, &info);
    if (oid) m_handle = CeOpenDatabaseEx(nullptr, &oid, nullptr, 0, 0, nullptr);
    m_ok = m_handle != INVALID_HANDLE_VALUE;
}

SampleDatabase::~SampleDatabase() {
    if (m_handle != INVALID_HANDLE_VALUE) CloseHandle(m_handle);
}

bool SampleDatabase::add(const SampleRecord& record) {
    if (!m_ok) return false;
    std::vector<CEPROPVAL> values = record.values();
    m_ok = CeWriteRecordProps(m_handle, 0, static_cast<WORD>(values.size()), values.data()) != 0;
    return m_ok;
}

}  // namespace ce::objstore::samples
