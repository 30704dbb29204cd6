// "pmailMsgs": message headers of the Inbox, Sent and Deleted folders and a few unsent
// drafts, newest first; the message flags are kept as a BLOB, as the mail store does.
#include <string>

#include "SampleBuilder.h"

namespace ce::objstore::samples {

namespace {

constexpr CEPROPID c_subject = 0x0037001F;
constexpr CEPROPID c_senderName = 0x0C1A001F;
constexpr CEPROPID c_senderAddress = 0x0C1F001F;
constexpr CEPROPID c_displayTo = 0x0E04001F;
constexpr CEPROPID c_received = 0x0E060040;
constexpr CEPROPID c_flags = 0x0E070041;
constexpr CEPROPID c_size = 0x0E080013;
constexpr CEPROPID c_folder = 0x81010012;

constexpr BYTE c_flagRead = 0x01;
constexpr BYTE c_flagUnsent = 0x08;
constexpr BYTE c_flagAttachment = 0x10;
constexpr WORD c_inbox = 1, c_outbox = 2, c_sent = 3, c_deleted = 4;

const char16_t* const c_senders[] = {
    u"Anna Smith", u"Peter Weber", u"Woodgrove Bank", u"Maria Garcia", u"IT Helpdesk",
    u"Laura Müller", u"Margie's Travel", u"David Novak", u"Newsletter", u"Sam Taylor",
};
const char16_t* const c_addresses[] = {
    u"anna.smith@contoso.com", u"peter.weber@fabrikam.com", u"service@woodgrovebank.com",
    u"maria.garcia@litwareinc.com", u"helpdesk@contoso.com", u"laura.muller@proseware.com",
    u"bookings@margiestravel.com", u"david.novak@treyresearch.net", u"news@fourthcoffee.com",
    u"sam.taylor@tailspintoys.com",
};
const char16_t* const c_subjects[] = {
    u"Project status", u"Lunch on Friday?", u"Your statement is ready", u"Budget 2026",
    u"Password expires soon", u"Photos from the weekend", u"Your booking confirmation", u"Meeting notes",
    u"This week's offers", u"Contract draft",
};

WORD folderFor(SampleRandom& random) {
    DWORD roll = random.below(100);
    return roll < 70 ? c_inbox : roll < 88 ? c_sent : roll < 95 ? c_deleted : c_outbox;
}

bool addMessage(SampleDatabase& database, SampleRandom& random, int index) {
    DWORD who = random.below(10);
    WORD folder = folderFor(random);
    std::u16string subject = c_subjects[random.below(10)];
    if (random.chance(35)) subject = u"RE: " + subject;
    BYTE flags = folder == c_outbox ? c_flagUnsent : random.chance(85) ? c_flagRead : 0;
    if (random.chance(15)) flags |= c_flagAttachment;
    SampleRecord record;
    record.text(c_subject, subject).text(c_senderName, c_senders[who]).text(c_senderAddress, c_addresses[who]);
    record.text(c_displayTo, folder == c_inbox ? u"me@example.com" : c_senders[(who + 3) % 10]);
    // Unsent drafts have no delivery time yet: they sort after the delivered messages.
    if (folder != c_outbox) record.time(c_received, sampleTime(-index / 2, static_cast<int>(random.below(1440))));
    record.blob(c_flags, {flags, 0, 0, 0});
    record.number(c_size, static_cast<LONG>(800 + random.below(40000)));
    record.number(c_folder, folder);
    return database.add(record);
}

}  // namespace

bool createMessages() {
    SampleDatabase database(u"pmailMsgs", 0, {{c_received, CEDB_SORT_DESCENDING}, {c_senderName, CEDB_SORT_CASEINSENSITIVE}});
    SampleRandom random(0x3A11B0C5);
    for (int i = 0; i < 160; ++i)
        if (!addMessage(database, random, i)) return false;
    return database.ok();
}

}  // namespace ce::objstore::samples
