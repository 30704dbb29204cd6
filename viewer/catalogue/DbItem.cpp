#include "catalogue/DbItem.h"

#include <cstdint>

#include "core/FixedFormat.h"
#include "reader/PropertyText.h"
#include "records/Template.h"

namespace Orvane {

namespace {

const void* asSlot(DWORD number) {
    return reinterpret_cast<const void*>(static_cast<uintptr_t>(number));
}

void addCatalogueFields(Nevo::Template* shape) {
    using Field = Nevo::TemplateField;
    shape->addField(Field::Number, DbItem::TagOid, nullptr);
    shape->addField(Field::String, DbItem::TagName, nullptr);
    shape->addField(Field::Number, DbItem::TagType, nullptr);
    shape->addField(Field::Number, DbItem::TagSortOrders, nullptr);
    shape->addField(Field::Number, DbItem::TagRecords, nullptr);
    shape->addField(Field::Number, DbItem::TagSize, nullptr);
    shape->addField(Field::FileTime, DbItem::TagModified, nullptr);
}

}  // namespace

DbItem::DbItem(Nevo::Template* shape, CEOID oid) : TextItem(shape) {
    if (shape->fieldCount() == 0) addCatalogueFields(shape);
    setItemData(TagOid, asSlot(oid));
    // The extended information: its count is 32 bits, where CEDBASEINFO keeps only the low 16.
    CEOIDINFOEX info{};
    bool known = CeOidGetInfoEx2(nullptr, oid, &info) && info.wObjType == OBJTYPE_DATABASE;
    if (!known) info = CEOIDINFOEX{};
    const CEDBASEINFOEX& database = info.infDatabase;
    setItemData(TagName, known ? database.szDbaseName : u"UNKNOWN");
    setItemData(TagType, asSlot(database.dwDbaseType));
    setItemData(TagSortOrders, asSlot(database.wNumSortOrder));
    setItemData(TagRecords, asSlot(database.dwNumRecords));
    setItemData(TagSize, asSlot(database.dwSize));
    setItemData(TagModified, &database.ftLastModified);
}

DWORD DbItem::number(DWORD tag) const {
    return static_cast<DWORD>(reinterpret_cast<uintptr_t>(getItemData(tag)));
}

CEOID DbItem::getOid() const {
    return number(TagOid);
}

const WCHAR* DbItem::getName() const {
    auto name = static_cast<const WCHAR*>(getItemData(TagName));
    return name ? name : u"";
}

int DbItem::getLine1Text(LPWSTR buffer, int capacity) {
    return Nevo::printFixed(buffer, capacity, u"%s", getName());
}

int DbItem::getLine2Text(LPWSTR buffer, int capacity) {
    FILETIME modified{};
    if (auto stored = static_cast<const FILETIME*>(getItemData(TagModified))) modified = *stored;
    WCHAR date[64];
    formatFileTime(modified, date, 64);
    return Nevo::printFixed(buffer, capacity, u"Type: 0x%lx, %d sorts, %lu recs\r\n%ld bytes, modified %s",
                      static_cast<LONG>(number(TagType)), static_cast<int>(number(TagSortOrders) & 0xFFFF),
                      static_cast<ULONG>(number(TagRecords)), static_cast<LONG>(number(TagSize)), date);
}

}  // namespace Orvane
