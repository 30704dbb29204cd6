// Template: fields kept in a pooled sequence in the order added.
#include "records/Template.h"

#include "app/Globals.h"
#include "core/HeapCtrl.h"
#include "core/Sequence.h"
#include "records/ListItem.h"

namespace Nevo {

Template::Template(App* app) : m_fields(Sequence::makeSequence()), m_app(app) {}

Template::~Template() {
    while (void* field = m_fields->pop()) delete static_cast<TemplateField*>(field);
    m_fields->free();
}

int Template::fieldCount() const {
    return m_fields->size();
}

void Template::addField(TemplateField* field) {
    m_fields->insertLast(field);
}

void Template::addField(TemplateField::Type type, DWORD tag, const WCHAR* caption) {
    addField(new TemplateField(type, tag, caption));
}

int Template::indexOf(DWORD tag) const {
    int index = -1;
    getField(tag, &index);
    return index;
}

TemplateField* Template::getField(DWORD tag, int* index) const {
    int i = 0;
    for (Position* p = m_fields->first(); p; p = m_fields->after(p), ++i) {
        auto* field = static_cast<TemplateField*>(p->element());
        if (field->getTag() == tag) {
            if (index) *index = i;
            return field;
        }
    }
    if (index) *index = -1;
    return nullptr;
}

void* Template::getItemData(const ListItem* item, DWORD tag) const {
    int index = -1;
    if (!getField(tag, &index) || !item->getData()) return nullptr;
    return item->getDataField(index);
}

void Template::setItemData(ListItem* item, DWORD tag, const void* value) const {
    int index = -1;
    if (TemplateField* field = getField(tag, &index)) field->setItemField(item, index, value);
}

void Template::freeItem(ListItem* item) const {
    if (!item->getData()) return;
    int i = 0;
    for (Position* p = m_fields->first(); p; p = m_fields->after(p), ++i) {
        static_cast<TemplateField*>(p->element())->freeItemField(item, i);
    }
    HeapCtrl::get(HEAP_ITEMS).free(item->getData());
    item->setData(nullptr);
}

App* Template::getApp() const {
    return m_app ? m_app : Globals::getActiveApp();
}

}  // namespace Nevo
