// The current local time as a FILETIME, from the platform's local calendar time.
#include "core/LocalFileTime.h"

namespace Nevo {

void getLocalFileTime(FILETIME* fileTime) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    SystemTimeToFileTime(&now, fileTime);
}

}  // namespace Nevo
