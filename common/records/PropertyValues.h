// Between item slots and object store property values: a field's tag is the full propid, and
// a value moves only when the field's type and the propid's type code agree, so a slot is
// never read as an address it does not hold (nor a number as a string).
#pragma once

#include <windbase.h>

#include "records/TemplateField.h"

namespace Nevo {

// The slot value a field of `type` takes from a read property: a string or the address of
// the 8-byte file time inside the property, null when the record lacks it; else the number.
const void* propertyToSlot(TemplateField::Type type, const CEPROPVAL& property);
// Fills `property` for writing the slot; false when it is left out (null string or file time,
// or a type code the field cannot fill).
bool slotToProperty(TemplateField::Type type, CEPROPID propid, const void* slot, CEPROPVAL* property);
// The probe of a seek by value: a wide string address, a FILETIME address, else a number, as
// the propid's type code asks. False when there is nothing to seek with.
bool keyToProperty(CEPROPID propid, const void* key, CEPROPVAL* property);

}  // namespace Nevo
