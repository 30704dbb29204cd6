// The receiver of a database's change notifications, as CeDatabase hands them on.
#pragma once

#include <windows.h>
#include <windbase.h>

namespace Nevo {

class DbNotifListener {
public:
    virtual ~DbNotifListener() = default;
    // Called with the platform's notification, before CeDatabase frees it; the result is
    // what handleNotification returns.
    virtual int handleDbNotification(CENOTIFICATION* notification) = 0;
};

}  // namespace Nevo
