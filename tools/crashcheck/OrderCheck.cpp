#include "OrderCheck.h"

#include <algorithm>
#include <cstring>

#include "winbase.h"

namespace crashcheck {

namespace {

template <class T>
T as(const Bytes& bytes) {
    T value{};
    std::memcpy(&value, bytes.data(), std::min(bytes.size(), sizeof(T)));
    return value;
}

template <class T>
int threeWay(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

std::u16string textOf(const Bytes& bytes, bool fold) {
    std::u16string text(bytes.size() / 2, u'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * 2);
    while (!text.empty() && text.back() == 0) text.pop_back();
    if (fold)
        for (char16_t& c : text)
            if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    return text;
}

int compareValues(const Bytes& a, const Bytes& b, const SORTORDERSPEC& sort) {
    switch (TypeFromPropID(sort.propid)) {
    case CEVT_I2: return threeWay(as<SHORT>(a), as<SHORT>(b));
    case CEVT_I4: return threeWay(as<LONG>(a), as<LONG>(b));
    case CEVT_UI2: return threeWay(as<USHORT>(a), as<USHORT>(b));
    case CEVT_UI4: return threeWay(as<ULONG>(a), as<ULONG>(b));
    case CEVT_BOOL: return threeWay(as<BOOL>(a) != 0, as<BOOL>(b) != 0);
    case CEVT_R8: return threeWay(as<double>(a), as<double>(b));
    case CEVT_FILETIME: return threeWay(as<std::uint64_t>(a), as<std::uint64_t>(b));
    case CEVT_LPWSTR: {
        bool fold = sort.dwFlags & CEDB_SORT_CASEINSENSITIVE;
        int order = textOf(a, fold).compare(textOf(b, fold));
        return threeWay(order, 0);
    }
    }
    return 0;
}

std::vector<CEOID> walk(CEOID oid, CEPROPID propid, std::string& problem) {
    std::vector<CEOID> order;
    HANDLE handle = CeOpenDatabaseEx(nullptr, &oid, nullptr, propid, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        problem = "CeOpenDatabaseEx failed with error " + std::to_string(GetLastError());
        return order;
    }
    for (DWORD seek = CEDB_SEEK_BEGINNING, step = 0;; seek = CEDB_SEEK_CURRENT, step = 1) {
        DWORD index = 0xFFFFFFFF;
        CEOID record = CeSeekDatabase(handle, seek, step, &index);
        if (!record) {
            if (GetLastError() != ERROR_NO_MORE_ITEMS) problem = "a seek failed with error " + std::to_string(GetLastError());
            break;
        }
        if (index != order.size()) {
            problem = "record " + std::to_string(record) + " says index " + std::to_string(index) + " at " +
                      std::to_string(order.size());
            break;
        }
        order.push_back(record);
    }
    CloseHandle(handle);
    return order;
}

}  // namespace

std::vector<CEOID> expectedOrder(const DatabaseImage& database, const SORTORDERSPEC& sort) {
    std::vector<CEOID> order;
    for (const auto& [oid, properties] : database.records) order.push_back(oid);
    if (!sort.propid) return order;
    int missingSide = (sort.dwFlags & CEDB_SORT_UNKNOWNFIRST) ? -1 : 1;
    int direction = (sort.dwFlags & CEDB_SORT_DESCENDING) ? -1 : 1;
    auto before = [&](CEOID a, CEOID b) {
        const Properties& x = database.records.at(a);
        const Properties& y = database.records.at(b);
        auto xv = x.find(sort.propid), yv = y.find(sort.propid);
        bool xHas = xv != x.end(), yHas = yv != y.end();
        if (xHas != yHas) return (xHas ? -missingSide : missingSide) < 0;
        if (xHas)
            if (int byValue = direction * compareValues(xv->second, yv->second, sort)) return byValue < 0;
        return a < b;
    };
    std::stable_sort(order.begin(), order.end(), before);
    return order;
}

std::string checkOrders(CEOID oid, const DatabaseImage& database) {
    std::vector<SORTORDERSPEC> sorts = database.shape.sortOrders;
    sorts.push_back({0, 0});
    for (const SORTORDERSPEC& sort : sorts) {
        std::string problem;
        std::vector<CEOID> walked = walk(oid, sort.propid, problem);
        std::string which = "database " + std::to_string(oid) + "'s order by " + std::to_string(sort.propid >> 16) +
                            "/" + std::to_string(TypeFromPropID(sort.propid)) + " flags " + std::to_string(sort.dwFlags);
        if (!problem.empty()) return which + ": " + problem;
        std::vector<CEOID> expected = expectedOrder(database, sort);
        if (walked != expected) {
            size_t at = 0;
            while (at < walked.size() && at < expected.size() && walked[at] == expected[at]) ++at;
            return which + " differs at index " + std::to_string(at) + " (walked " + std::to_string(walked.size()) +
                   " records, " + std::to_string(expected.size()) + " there)";
        }
    }
    return {};
}

}  // namespace crashcheck
