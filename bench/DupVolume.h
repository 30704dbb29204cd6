// The object store side of the duplicate finder benchmark: a new volume with the databases of
// a fresh handheld, the largest of them also copied without its sort order on the searched
// property, and synthetic databases with many distinct values, each sorted and unsorted.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "windbase.h"

// One search the benchmark times: the same records once with a sort order on the property
// (the finder compares neighbours) and once without (it compares with every value seen).
struct DupCase {
    std::string label;  // the database's name, or "synthetic-<count>"
    CEPROPID propid = 0;
    CEOID sorted = 0;
    CEOID unsorted = 0;
    std::uint32_t records = 0;
};

class DupVolume {
public:
    static constexpr CEPROPID c_syntheticProp = PROP_TAG(CEVT_LPWSTR, 6);

    // Makes `path` a new current volume holding the sample databases and, per count, a
    // synthetic pair of that many records with a quarter as many distinct values. The sample
    // case comes first; empty on failure.
    static std::vector<DupCase> create(const std::string& path, const std::vector<std::uint32_t>& syntheticCounts);

    // The database with the most records on the current volume; 0 when there is none.
    static CEOID largestDatabase();
    // The first string property the database has a sort order on; 0 when there is none.
    static CEPROPID sortedStringProperty(CEOID database);
    // A new database `name` holding every record of `source`, with its sort orders except
    // the one on `propid`; 0 on failure.
    static CEOID copyWithout(CEOID source, CEPROPID propid, const WCHAR* name);
    // `count` records whose c_syntheticProp takes `distinct` values (count a multiple of it),
    // each value as often, a repeat far from its first occurrence; sorted on it when `sorted`.
    static CEOID createSynthetic(const WCHAR* name, std::uint32_t count, std::uint32_t distinct, bool sorted);
    // The value of `propid` of every record that has it, in the default order.
    static std::vector<std::u16string> values(CEOID database, CEPROPID propid);

private:
    static bool addSampleCase(std::vector<DupCase>& cases);
    static bool addSyntheticCase(std::uint32_t count, std::vector<DupCase>& cases);
};
