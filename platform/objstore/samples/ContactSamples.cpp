// "Contacts Database": a few hundred address cards, sorted by file-as name and by company,
// with the repeated names and re-synced copies a real handheld collects.
#include <string>

#include "SampleBuilder.h"

namespace ce::objstore::samples {

namespace {

constexpr CEPROPID c_firstName = 0x3A06001F;
constexpr CEPROPID c_lastName = 0x3A11001F;
constexpr CEPROPID c_fileAs = 0x4013001F;
constexpr CEPROPID c_company = 0x3A16001F;
constexpr CEPROPID c_jobTitle = 0x3A17001F;
constexpr CEPROPID c_businessPhone = 0x3A08001F;
constexpr CEPROPID c_mobilePhone = 0x3A1C001F;
constexpr CEPROPID c_homePhone = 0x3A25001F;
constexpr CEPROPID c_email = 0x4083001F;
constexpr CEPROPID c_businessCity = 0x4046001F;
constexpr CEPROPID c_birthday = 0x3A420040;
constexpr CEPROPID c_categories = 0x00160041;

constexpr int c_contactCount = 300;
constexpr int c_resyncedCopies = 12;

const char16_t* const c_firstNames[] = {
    u"Anna",   u"Ben",     u"Carla",  u"David",  u"Emma",   u"Frank",  u"Grace",   u"Henrik", u"Ines",
    u"Jack",   u"Karin",   u"Liam",   u"Maria",  u"Noah",   u"Olivia", u"Paul",    u"Quinn",  u"Rosa",
    u"Sam",    u"Tina",    u"Uwe",    u"Vera",   u"Walter", u"Xenia",  u"Yusuf",   u"Zoe",    u"José",
    u"Åsa",    u"Chloé",   u"Björn",  u"Michael", u"Sarah", u"Thomas", u"Julia",   u"Peter",  u"Laura",
};
const char16_t* const c_lastNames[] = {
    u"Smith",    u"Johnson",  u"Müller",   u"Garcia",  u"Brown",   u"Rossi",  u"Novak",     u"Jensen",
    u"Dubois",   u"Kowalski", u"Nakamura", u"O'Brien", u"Schmidt", u"Taylor", u"Andersson", u"Silva",
    u"Weber",    u"Martin",   u"Lee",      u"Fischer", u"Moreau",  u"Clark",  u"de Vries",  u"van Dijk",
    u"Østergaard", u"Wright", u"Becker",   u"Hughes",  u"Lopez",   u"Young",  u"smith",     u"MacLeod",
};
const char16_t* const c_companies[] = {
    u"Contoso",        u"Fabrikam",        u"Northwind Traders", u"Adventure Works", u"Litware",
    u"Tailspin Toys",  u"Wingtip Toys",    u"Proseware",         u"Woodgrove Bank",  u"Coho Winery",
    u"Lucerne Publishing", u"Margie's Travel", u"Fourth Coffee", u"Blue Yonder Airlines", u"City Power & Light",
    u"Alpine Ski House", u"Trey Research", u"Humongous Insurance",
};
const char16_t* const c_domains[] = {
    u"contoso.com",   u"fabrikam.com",   u"northwindtraders.com", u"adventure-works.com", u"litwareinc.com",
    u"tailspintoys.com", u"wingtiptoys.com", u"proseware.com",   u"woodgrovebank.com",  u"cohowinery.com",
    u"lucernepublishing.com", u"margiestravel.com", u"fourthcoffee.com", u"blueyonderairlines.com",
    u"cpandl.com",    u"alpineskihouse.com", u"treyresearch.net", u"humongousinsurance.com",
};
const char16_t* const c_titles[] = {
    u"Sales Manager", u"Account Executive", u"Engineer", u"Director", u"Buyer", u"Consultant",
    u"Office Manager", u"Developer", u"Accountant", u"Vice President",
};
const char16_t* const c_cities[] = {
    u"Seattle", u"Redmond", u"Boston", u"Chicago", u"London", u"Berlin", u"Paris", u"Oslo", u"Toronto",
};
const char16_t* const c_areaCodes[] = {u"(425)", u"(206)", u"(617)", u"(312)", u"+44 20", u"+49 30"};

std::u16string digits(SampleRandom& random, int count) {
    std::u16string text;
    for (int i = 0; i < count; ++i) text += static_cast<char16_t>(u'0' + random.below(10));
    return text;
}

std::u16string phone(SampleRandom& random) {
    // 555-0100 to 555-0199: the numbers set aside for fiction.
    return std::u16string(random.pick(c_areaCodes)) + u" 555-01" + digits(random, 2);
}

// ASCII letters of a name, lower case: good enough for a sample mailbox name.
std::u16string mailName(const std::u16string& name) {
    std::u16string text;
    for (char16_t c : name) {
        if (c >= u'A' && c <= u'Z') text += static_cast<char16_t>(c - u'A' + u'a');
        else if (c >= u'a' && c <= u'z') text += c;
    }
    return text;
}

struct Contact {
    std::u16string first, last, company, title, city, business, mobile, home, email;
    ULONGLONG birthday = 0;
    BYTE category = 0;
};

Contact makeContact(SampleRandom& random) {
    Contact contact;
    contact.first = random.pick(c_firstNames);
    contact.last = random.pick(c_lastNames);
    DWORD company = random.below(24);  // a quarter have none: they sort after the rest
    if (company < 18) {
        contact.company = c_companies[company];
        contact.title = random.chance(70) ? random.pick(c_titles) : u"";
        contact.business = phone(random);
        contact.email = mailName(contact.first) + u"." + mailName(contact.last) + u"@" + c_domains[company];
    } else if (random.chance(60)) {
        contact.email = mailName(contact.first) + mailName(contact.last) + u"@hotmail.com";
    }
    contact.city = random.chance(50) ? random.pick(c_cities) : u"";
    contact.mobile = random.chance(60) ? phone(random) : u"";
    contact.home = random.chance(30) ? phone(random) : u"";
    if (random.chance(20)) contact.birthday = sampleTime(-static_cast<int>(7000 + random.below(15000)), 0);
    contact.category = random.chance(25) ? static_cast<BYTE>(1 + random.below(8)) : 0;
    return contact;
}

bool addContact(SampleDatabase& database, const Contact& contact) {
    SampleRecord record;
    record.text(c_firstName, contact.first).text(c_lastName, contact.last);
    record.text(c_fileAs, contact.last + u", " + contact.first);
    if (!contact.company.empty()) record.text(c_company, contact.company);
    if (!contact.title.empty()) record.text(c_jobTitle, contact.title);
    if (!contact.business.empty()) record.text(c_businessPhone, contact.business);
    if (!contact.mobile.empty()) record.text(c_mobilePhone, contact.mobile);
    if (!contact.home.empty()) record.text(c_homePhone, contact.home);
    if (!contact.email.empty()) record.text(c_email, contact.email);
    if (!contact.city.empty()) record.text(c_businessCity, contact.city);
    if (contact.birthday) record.time(c_birthday, contact.birthday);
    if (contact.category) record.blob(c_categories, {contact.category, 0, 0, 0});
    return database.add(record);
}

}  // namespace

bool createContacts() {
    SampleDatabase database(u"Contacts Database", 0x18,
                            {{c_fileAs, CEDB_SORT_CASEINSENSITIVE}, {c_company, CEDB_SORT_CASEINSENSITIVE}});
    SampleRandom random(0x0C0A7AC7);
    std::vector<Contact> contacts;
    for (int i = 0; i < c_contactCount; ++i) contacts.push_back(makeContact(random));
    // A desktop sync that went wrong once: some cards came back a second time, unchanged.
    for (int i = 0; i < c_resyncedCopies; ++i) contacts.push_back(contacts[random.below(c_contactCount)]);
    for (const Contact& contact : contacts)
        if (!addContact(database, contact)) return false;
    return database.ok();
}

}  // namespace ce::objstore::samples
