// Enumerates the volume's databases through CeFindFirstDatabaseEx and reads their information.
#include "DatabaseList.h"

#include "cewchar.h"
#include "winbase.h"

namespace cedb {

std::optional<std::vector<CEOID>> databaseOids() {
    std::vector<CEOID> oids;
    HANDLE enumeration = CeFindFirstDatabaseEx(nullptr, 0);
    if (enumeration == INVALID_HANDLE_VALUE) return std::nullopt;
    while (CEOID oid = CeFindNextDatabaseEx(enumeration, nullptr)) oids.push_back(oid);
    bool ended = GetLastError() == ERROR_NO_MORE_ITEMS;
    CloseHandle(enumeration);
    if (!ended) return std::nullopt;
    return oids;
}

std::optional<CEOID> databaseNamed(const std::u16string& name) {
    auto oids = databaseOids();
    if (!oids) return std::nullopt;
    for (CEOID oid : *oids) {
        auto info = databaseInfo(oid);
        if (!info && !isGone()) return std::nullopt;
        if (info && !_wcsicmp(info->szDbaseName, name.c_str())) return oid;
    }
    return CEOID{0};
}

bool isGone() {
    return GetLastError() == ERROR_INVALID_HANDLE;
}

std::optional<CEDBASEINFOEX> databaseInfo(CEOID oid) {
    CEOIDINFOEX info{};
    info.wVersion = CEOIDINFOEX_VERSION;
    if (!CeOidGetInfoEx2(nullptr, oid, &info) || info.wObjType != OBJTYPE_DATABASE) return std::nullopt;
    return info.infDatabase;
}

std::vector<SORTORDERSPEC> databaseSortOrders(CEOID oid) {
    CEOIDINFO info{};
    if (!CeOidGetInfo(oid, &info) || info.wObjType != OBJTYPE_DATABASE) return {};
    const CEDBASEINFO& database = info.infDatabase;
    return {database.rgSortSpecs, database.rgSortSpecs + database.wNumSortOrder};
}

}  // namespace cedb
