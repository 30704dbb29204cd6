// "DB_notify_queue" (timed notifications: reminders and alarms) and "DB_notify_register"
// (programs run on system events); neither has a sort order.
#include <string>

#include "SampleBuilder.h"

namespace ce::objstore::samples {

namespace {

constexpr CEPROPID c_actionFlags = 0x00010013;  // PUN_LED 1, VIBRATE 2, DIALOG 4, SOUND 8, REPEAT 16
constexpr CEPROPID c_packetFlags = 0x00020013;  // CNT_EVENT 1, CNT_TIME 2, CNT_PERIOD 3, CNT_CLASSICTIME 4
constexpr CEPROPID c_startTime = 0x00030040;
constexpr CEPROPID c_stopTime = 0x00040040;
constexpr CEPROPID c_application = 0x0005001F;
constexpr CEPROPID c_arguments = 0x0006001F;
constexpr CEPROPID c_dialogTitle = 0x0007001F;
constexpr CEPROPID c_dialogText = 0x0008001F;
constexpr CEPROPID c_sound = 0x0009001F;
constexpr CEPROPID c_expansion = 0x000A0041;

constexpr CEPROPID c_registeredName = PROP_TAG(CEVT_LPWSTR, 1);
constexpr CEPROPID c_registeredArguments = PROP_TAG(CEVT_LPWSTR, 2);
constexpr CEPROPID c_registeredEvent = PROP_TAG(CEVT_UI4, 3);

struct Registration {
    const char16_t* application;
    const char16_t* arguments;
    DWORD event;  // NOTIFICATION_EVENT_*
};

const Registration c_registrations[] = {
    {u"\\Windows\\repllog.exe", u"AppRunAtRs232Detect", 9},
    {u"\\Windows\\repllog.exe", u"AppRunAfterTimeChange", 1},
    {u"\\Windows\\calendar.exe", u"AppRunAfterTimeChange", 1},
    {u"\\Windows\\calendar.exe", u"AppRunAfterTzChange", 12},
    {u"\\Windows\\calendar.exe", u"AppRunAtWakeup", 11},
    {u"\\Windows\\clock.exe", u"AppRunAfterTimeChange", 1},
    {u"\\Windows\\clock.exe", u"AppRunAfterTzChange", 12},
    {u"\\Windows\\tmail.exe", u"AppRunAtNetConnect", 5},
    {u"\\Windows\\poutlook.exe", u"AppRunAfterRestore", 10},
    {u"\\Windows\\connmgr.exe", u"AppRunAtDeviceChange", 7},
};

bool addReminder(SampleDatabase& database, int day, int minutes, const char16_t* subject) {
    SampleRecord record;
    record.number(c_actionFlags, 1 | 4 | 8).number(c_packetFlags, 4);
    record.time(c_startTime, sampleTime(day, minutes - 15)).time(c_stopTime, sampleTime(day, minutes));
    record.text(c_application, u"\\Windows\\calendar.exe").text(c_arguments, u"-remind");
    record.text(c_dialogTitle, u"Reminder").text(c_dialogText, subject);
    record.text(c_sound, u"\\Windows\\Alarm1.wav").blob(c_expansion, {});
    return database.add(record);
}

bool addAlarm(SampleDatabase& database, int day, int minutes) {
    SampleRecord record;
    record.number(c_actionFlags, 2 | 4 | 8 | 16).number(c_packetFlags, 4);
    record.time(c_startTime, sampleTime(day, minutes)).time(c_stopTime, sampleTime(day, minutes));
    record.text(c_application, u"\\Windows\\clock.exe").text(c_arguments, u"AppRunAtTime");
    record.text(c_dialogTitle, u"Alarm").text(c_dialogText, u"Wake up");
    record.text(c_sound, u"\\Windows\\Alarm3.wav").blob(c_expansion, {0x01, 0x00, 0x7F, 0x00});
    return database.add(record);
}

bool createQueue() {
    SampleDatabase database(u"DB_notify_queue", 0, {});
    bool ok = true;
    for (int week = 0; week < 6 && ok; ++week) ok = addReminder(database, week * 7, 9 * 60 + 30, u"Team meeting");
    for (int day = 1; day <= 5 && ok; ++day) ok = addAlarm(database, day, 6 * 60 + 45);
    return ok && addReminder(database, 2, 12 * 60 + 30, u"Lunch with Anna") && database.ok();
}

bool createRegistrations() {
    SampleDatabase database(u"DB_notify_register", 0, {});
    for (const Registration& registration : c_registrations) {
        SampleRecord record;
        record.text(c_registeredName, registration.application).text(c_registeredArguments, registration.arguments);
        record.number(c_registeredEvent, static_cast<LONG>(registration.event));
        if (!database.add(record)) return false;
    }
    return database.ok();
}

}  // namespace

bool createNotifications() {
    return createQueue() && createRegistrations();
}

}  // namespace ce::objstore::samples
