// Change notifications: a CENOTIFICATION from the request's heap, posted to its window.
#pragma once

#include "windbase.h"

namespace ce::objstore {

void postNotification(const CENOTIFYREQUEST& request, UINT type, CEOID oid, CEOID parent);

}  // namespace ce::objstore
