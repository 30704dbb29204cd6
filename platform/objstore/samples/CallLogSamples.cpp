// "clog.db": the phone's call log, about 3000 calls over a year, newest first. Numbers and
// names repeat: the same few people call again and again; unknown callers have no name.
#include <string>

#include "SampleBuilder.h"

namespace ce::objstore::samples {

namespace {

constexpr CEPROPID c_startTime = 0x00020040;
constexpr CEPROPID c_endTime = 0x00030040;
constexpr CEPROPID c_direction = 0x00040013;  // 0 missed, 1 incoming, 2 outgoing
constexpr CEPROPID c_callFlags = 0x00050013;  // outgoing 1, connected 2, ended 4, roaming 8
constexpr CEPROPID c_number = 0x0006001F;
constexpr CEPROPID c_name = 0x0007001F;
constexpr CEPROPID c_nameType = 0x0008001F;   // w work, h home, m mobile

constexpr int c_callCount = 3000;
constexpr DWORD c_outgoing = 1, c_connected = 2, c_ended = 4, c_roaming = 8;

struct Caller {
    const char16_t* name;
    const char16_t* number;
    const char16_t* type;
};

const Caller c_callers[] = {
    {u"Anna Smith", u"(425) 555-0142", u"w"},     {u"Anna Smith", u"(425) 555-0199", u"m"},
    {u"Home", u"(206) 555-0100", u"h"},           {u"Peter Weber", u"+49 30 555-0187", u"w"},
    {u"Maria Garcia", u"(617) 555-0123", u"m"},   {u"Voice Mail", u"+1 425 555-0001", u"w"},
    {u"David Novak", u"(312) 555-0166", u"w"},    {u"Laura Müller", u"+49 30 555-0112", u"m"},
    {u"Dr. Weber", u"(206) 555-0175", u"w"},      {u"Sam Taylor", u"(425) 555-0133", u"m"},
    {nullptr, u"(800) 555-0199", nullptr},        {nullptr, u"+44 20 555-0148", nullptr},
    {nullptr, u"Unknown", nullptr},
};

bool addCall(SampleDatabase& database, SampleRandom& random, int index) {
    // Favourites dominate: the first callers of the list are picked far more often.
    const Caller& caller = c_callers[random.below(1 + random.below(13))];
    DWORD direction = random.below(10) < 2 ? 0 : 1 + random.below(2);
    DWORD flags = (direction == 2 ? c_outgoing : 0) | (direction ? c_connected : 0) | c_ended;
    if (random.chance(3)) flags |= c_roaming;
    // Calls spread over the last year, about eight a day, in creation order oldest first.
    int minute = (c_callCount - index) * 175 + static_cast<int>(random.below(120));
    ULONGLONG start = sampleTime(0, -minute);
    ULONGLONG seconds = direction ? 5 + random.below(1800) : 0;
    SampleRecord record;
    record.time(c_startTime, start).time(c_endTime, start + seconds * 10'000'000ull);
    record.number(c_direction, static_cast<LONG>(direction)).number(c_callFlags, static_cast<LONG>(flags));
    record.text(c_number, caller.number);
    if (caller.name) record.text(c_name, caller.name).text(c_nameType, caller.type);
    return database.add(record);
}

}  // namespace

bool createCallLog() {
    SampleDatabase database(u"clog.db", 0, {{c_startTime, CEDB_SORT_DESCENDING}, {c_number, 0}});
    SampleRandom random(0xC4115EED);
    for (int i = 0; i < c_callCount; ++i)
        if (!addCall(database, random, i)) return false;
    return database.ok();
}

}  // namespace ce::objstore::samples
