// The object store side of the benchmark: a volume holding one database of `count`
// records sorted on an I4 and on an LPWSTR, built once and kept between runs.
#pragma once

#include <cstdint>

#include "BenchRecords.h"
#include "windbase.h"

class StoreVolume {
public:
    static constexpr CEPROPID c_number = PROP_TAG(CEVT_I4, 1);
    static constexpr CEPROPID c_name = PROP_TAG(CEVT_LPWSTR, 2);
    static constexpr CEPROPID c_time = PROP_TAG(CEVT_FILETIME, 3);
    static constexpr WORD c_propCount = 3;
    static constexpr WCHAR c_databaseName[] = u"orvane-bench-v1";
    // The cached file's suffix, named by the volume format, so that builds of another format
    // keep caches of their own.
    static constexpr char c_fileSuffix[] = "v3.vol";

    // Makes the volume of `count` records the current one, building it when the cached file is
    // missing or holds another count. Switching keeps the loaded indexes when the size is the same.
    static bool use(std::uint32_t count);
    // A handle on the benchmark database walking `order`; INVALID_HANDLE_VALUE on failure.
    static HANDLE open(CEPROPID order);
    // The write properties of a record; they point into `record`, which must outlive them.
    static void fillProps(BenchRecord& record, CEPROPVAL (&props)[c_propCount]);
};
