// The ring of three error records.
#include "core/ErrorInfo.h"

#include <cstdarg>

#include "core/FixedFormat.h"

namespace Nevo {

ErrorInfo ErrorInfo::c_allocated[3];
int32_t ErrorInfo::c_i = 0;

ErrorInfo* ErrorInfo::acquire() {
    ErrorInfo* record = &c_allocated[c_i];
    c_i = (c_i + 1) % 3;
    return record;
}

void ErrorInfo::clearRing() {
    for (ErrorInfo& record : c_allocated) record = ErrorInfo();
}

ErrorInfo* ErrorInfo::initialize(DWORD code, const WCHAR* format, ...) {
    va_list args;
    va_start(args, format);
    formatFixed(m_message, c_messageSize, format, args);
    va_end(args);
    m_code = code;
    return this;
}

}  // namespace Nevo
