// Building blocks of the sample databases: a fixed pseudo-random sequence, records assembled
// property by property, and a database that is created, filled and closed.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "windbase.h"

namespace ce::objstore::samples {

// A linear congruential generator with fixed constants: the samples are the same on every
// host and every run.
class SampleRandom {
public:
    explicit SampleRandom(DWORD seed) : m_state(seed) {}
    DWORD next();
    // A number in [0, count).
    DWORD below(DWORD count) { return next() % count; }
    // True about `percent` times in a hundred.
    bool chance(DWORD percent) { return below(100) < percent; }
    template <class T, size_t N>
    const T& pick(const T (&items)[N]) {
        return items[below(static_cast<DWORD>(N))];
    }

private:
    DWORD m_state;
};

// The samples' "today": Monday 2026-01-05 00:00 UTC, as FILETIME ticks.
constexpr ULONGLONG c_sampleToday = 134120448000000000ull;
constexpr ULONGLONG c_ticksPerMinute = 600000000ull;
constexpr ULONGLONG c_ticksPerDay = 1440 * c_ticksPerMinute;
// A moment `days` from the samples' today (negative: before it), `minutes` into that day.
ULONGLONG sampleTime(int days, int minutes);

// One record's values; the strings and BLOBs they point to live as long as the record.
class SampleRecord {
public:
    SampleRecord() = default;
    SampleRecord(const SampleRecord&) = delete;  // the values point into this record
    SampleRecord& operator=(const SampleRecord&) = delete;

    SampleRecord& text(CEPROPID propid, std::u16string value);
    SampleRecord& number(CEPROPID propid, LONG value);  // I2, I4, UI2, UI4
    SampleRecord& flag(CEPROPID propid, bool value);
    SampleRecord& time(CEPROPID propid, ULONGLONG ticks);
    SampleRecord& blob(CEPROPID propid, std::vector<BYTE> bytes);
    std::vector<CEPROPVAL> values() const { return m_values; }

private:
    CEPROPVAL& add(CEPROPID propid);

    std::vector<CEPROPVAL> m_values;
    std::deque<std::u16string> m_texts;
    std::deque<std::vector<BYTE>> m_blobs;
};

// A database created and opened on construction; add() writes a record. A failure is kept:
// ok() says whether every step so far succeeded.
class SampleDatabase {
public:
    SampleDatabase(const WCHAR* name, DWORD type, std::vector<SORTORDERSPEC> sortOrders);
    ~SampleDatabase();
    SampleDatabase(const SampleDatabase&) = delete;
    SampleDatabase& operator=(const SampleDatabase&) = delete;

    bool add(const SampleRecord& record);
    bool ok() const { return m_ok; }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    bool m_ok = false;
};

// The sample sets, one per database family; each returns false on a failed write.
bool createContacts();
bool createCalendar();   // appointments, tasks and categories
bool createMessages();
bool createCallLog();
bool createNotifications();  // the notification queue and registrations

}  // namespace ce::objstore::samples
