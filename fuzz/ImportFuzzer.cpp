// cedb import's reading of a document, check-only: JSON, the typed values, the store's rules.
// Whatever the reading accepts must export and read back as the same databases.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "ImageCheck.h"
#include "JsonText.h"
#include "ValueText.h"

namespace {

// Every value type the store knows, so that one text is tried as each.
constexpr WORD c_types[] = {CEVT_I2, CEVT_I4, CEVT_R8, CEVT_BOOL, CEVT_UI2, CEVT_UI4, CEVT_LPWSTR, CEVT_FILETIME,
                            CEVT_BLOB};

void readAsValues(const std::string& text) {
    for (WORD type : c_types) {
        cedb::PropertyValue value;
        value.propid = MAKELONG(type, 1);
        std::string error;
        if (cedb::parseValueText(text, value, error)) (void)cedb::valueText(value);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    readAsValues(text);

    cedb::Json document;
    std::vector<cedb::DatabaseImage> databases;
    std::string error;
    if (!cedb::parseJson(text, document, error) || !cedb::fromJson(document, databases, error)) return 0;
    for (size_t i = 0; i < databases.size(); ++i) (void)cedb::checkDatabase(databases[i], "databases");

    cedb::Json exported;
    std::vector<cedb::DatabaseImage> readBack;
    if (!cedb::parseJson(cedb::exportText(cedb::toJson(databases)), exported, error) ||
        !cedb::fromJson(exported, readBack, error) || readBack.size() != databases.size())
        std::abort();
    for (size_t i = 0; i < databases.size(); ++i) {
        const cedb::DatabaseImage& a = databases[i];
        const cedb::DatabaseImage& b = readBack[i];
        if (a.name != b.name || a.type != b.type || a.records != b.records ||
            a.sortOrders.size() != b.sortOrders.size())
            std::abort();
        for (size_t j = 0; j < a.sortOrders.size(); ++j)
            if (a.sortOrders[j].propid != b.sortOrders[j].propid || a.sortOrders[j].dwFlags != b.sortOrders[j].dwFlags)
                std::abort();
    }
    return 0;
}
