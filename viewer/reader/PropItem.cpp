#include "reader/PropItem.h"

#include <cstdint>

#include "core/FixedFormat.h"
#include "reader/PropertyText.h"
#include "records/Template.h"
#include "resources/ActiveApp.h"
#include "resources/ResourceIds.h"

namespace Orvane {

void PropItem::addFields(Nevo::Template* shape) {
    shape->addField(Nevo::TemplateField::Raw, TagPropid, nullptr);
    shape->addField(Nevo::TemplateField::String, TagTypeName, nullptr);
    shape->addField(Nevo::TemplateField::String, TagValueText, nullptr);
}

PropItem::PropItem(Nevo::Template* shape, const CEPROPVAL* value, int indexed) : TextItem(shape), m_indexed(0) {
    if (value) formatProperty(value);
    m_indexed = indexed;
}

void PropItem::formatProperty(const CEPROPVAL* value) {
    Nevo::Template* shape = getTemplate();
    shape->setItemData(this, TagPropid, reinterpret_cast<const void*>(static_cast<uintptr_t>(value->propid)));
    shape->setItemData(this, TagTypeName, typeName(TypeFromPropID(value->propid)));
    WCHAR text[c_valueCapacity];
    formatValue(*value, text, c_valueCapacity);
    shape->setItemData(this, TagValueText, text);
}

CEPROPID PropItem::getPropid() const {
    return static_cast<CEPROPID>(reinterpret_cast<uintptr_t>(getItemData(TagPropid)));
}

const WCHAR* PropItem::stringField(DWORD tag) const {
    auto text = static_cast<const WCHAR*>(getItemData(tag));
    return text ? text : u"";
}

const WCHAR* PropItem::getTypeName() const {
    return stringField(TagTypeName);
}

const WCHAR* PropItem::getValueText() const {
    return stringField(TagValueText);
}

int PropItem::getLine1Text(LPWSTR buffer, int capacity) {
    return Nevo::printFixed(buffer, capacity, u"Prop id 0x%x (%s) %s", getPropid(), getTypeName(),
                      m_indexed ? activeString(IDS_INDEXED) : u"");
}

int PropItem::getLine2Text(LPWSTR buffer, int capacity) {
    return Nevo::printFixed(buffer, capacity, u"%s", getValueText());
}

}  // namespace Orvane
