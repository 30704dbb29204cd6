// "Appointments Database" (sorted by start), "Tasks Database" (by due date and by subject)
// and "\Categories Database" (no sort order): a few months of a busy calendar.
#include "SampleBuilder.h"

namespace ce::objstore::samples {

namespace {

constexpr CEPROPID c_subject = 0x0037001F;
constexpr CEPROPID c_location = 0x4208001F;
constexpr CEPROPID c_start = 0x420D0040;
constexpr CEPROPID c_duration = 0x42130003;
constexpr CEPROPID c_durationUnit = 0x42150003;  // 1 days, 2 minutes
constexpr CEPROPID c_busyStatus = 0x000F0003;    // 0 free, 1 tentative, 2 busy, 3 out of office
constexpr CEPROPID c_sensitivity = 0x00040003;
constexpr CEPROPID c_reminderMinutes = 0x45010003;
constexpr CEPROPID c_reminderSet = 0x4503000B;

constexpr CEPROPID c_taskImportance = 0x00170003;  // 0 low, 1 normal, 2 high
constexpr CEPROPID c_taskStart = 0x81040040;
constexpr CEPROPID c_taskDue = 0x81050040;
constexpr CEPROPID c_taskComplete = 0x810F000B;

constexpr CEPROPID c_categoryId = 0x00010013;
constexpr CEPROPID c_categoryName = 0x0002001F;

const char16_t* const c_subjects[] = {
    u"Project review", u"Lunch with Anna", u"Dentist", u"Call the bank", u"Budget meeting",
    u"Customer visit", u"Interview", u"Gym", u"Pick up the kids", u"Quarterly planning",
    u"1:1 with Peter", u"Flight to Boston", u"Car service", u"Dinner", u"Training",
};
const char16_t* const c_locations[] = {
    u"Room 4/1210", u"Café Central", u"Dr. Weber's office", u"Building 25", u"Online",
    u"Airport", u"Fitness First", u"", u"",
};
const char16_t* const c_holidays[] = {u"New Year's Day", u"Company offsite", u"Vacation", u"Trade show"};

const char16_t* const c_tasks[] = {
    u"Send the report", u"Renew passport", u"Book hotel", u"Expense claims", u"Call plumber",
    u"Prepare slides", u"Order toner", u"Review contract", u"Buy birthday present", u"Update CV",
    u"Back up the handheld", u"Pay invoices",
};

const char16_t* const c_categories[] = {
    u"Business", u"Personal", u"Holiday", u"Gifts", u"Ideas", u"Key Customer", u"Miscellaneous", u"Birthdays",
};

bool addAppointment(SampleDatabase& database, const char16_t* subject, const char16_t* location, ULONGLONG start,
                    LONG minutes, SampleRandom& random) {
    SampleRecord record;
    record.text(c_subject, subject);
    if (*location) record.text(c_location, location);
    record.time(c_start, start).number(c_duration, minutes).number(c_durationUnit, 2);
    record.number(c_busyStatus, random.chance(80) ? 2 : 1).number(c_sensitivity, 0);
    bool reminder = random.chance(70);
    record.flag(c_reminderSet, reminder);
    if (reminder) record.number(c_reminderMinutes, 15);
    return database.add(record);
}

bool addAllDay(SampleDatabase& database, const char16_t* subject, int day, LONG days) {
    SampleRecord record;
    record.text(c_subject, subject).time(c_start, sampleTime(day, 0));
    record.number(c_duration, days).number(c_durationUnit, 1).number(c_busyStatus, 3).number(c_sensitivity, 0);
    record.flag(c_reminderSet, false);
    return database.add(record);
}

bool createAppointments() {
    SampleDatabase database(u"Appointments Database", 0x19, {{c_start, 0}});
    SampleRandom random(0xCA1E7DA5);
    bool ok = true;
    // The weekly team meeting: the same subject, place and time, again and again.
    for (int week = -8; week <= 12 && ok; ++week)
        ok = addAppointment(database, u"Team meeting", u"Room 4/1210", sampleTime(week * 7, 9 * 60 + 30), 60, random);
    for (int i = 0; i < 120 && ok; ++i) {
        int day = -40 + static_cast<int>(random.below(110));
        int minutes = 7 * 60 + 30 * static_cast<int>(random.below(22));
        LONG length = 30 * static_cast<LONG>(1 + random.below(4));
        ok = addAppointment(database, random.pick(c_subjects), random.pick(c_locations), sampleTime(day, minutes),
                            length, random);
    }
    for (int i = 0; i < 4 && ok; ++i) ok = addAllDay(database, c_holidays[i], -4 + 21 * i, i == 2 ? 5 : 1);
    return ok && database.ok();
}

bool createTasks() {
    SampleDatabase database(u"Tasks Database", 0x1A, {{c_taskDue, 0}, {c_subject, CEDB_SORT_CASEINSENSITIVE}});
    SampleRandom random(0x7A5C5EED);
    for (int i = 0; i < 48; ++i) {
        SampleRecord record;
        record.text(c_subject, random.pick(c_tasks)).number(c_taskImportance, static_cast<LONG>(random.below(3)));
        int start = -30 + static_cast<int>(random.below(60));
        record.time(c_taskStart, sampleTime(start, 0));
        // Some tasks have no due date: they go after the dated ones.
        if (random.chance(70)) record.time(c_taskDue, sampleTime(start + static_cast<int>(random.below(21)), 0));
        record.flag(c_taskComplete, start < 0 && random.chance(50));
        if (!database.add(record)) return false;
    }
    return database.ok();
}

bool createCategories() {
    SampleDatabase database(u"\\Categories Database", 0x1B, {});
    DWORD id = 1;
    for (const char16_t* name : c_categories) {
        SampleRecord record;
        record.number(c_categoryId, static_cast<LONG>(id++)).text(c_categoryName, name);
        if (!database.add(record)) return false;
    }
    return database.ok();
}

}  // namespace

bool createCalendar() {
    return createAppointments() && createTasks() && createCategories();
}

}  // namespace ce::objstore::samples
