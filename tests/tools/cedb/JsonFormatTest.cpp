// The JSON form: values checked against their property's type, with the place named.
#include <gtest/gtest.h>

#include "JsonFormat.h"
#include "JsonText.h"

namespace cedb {
namespace {

std::string readError(const std::string& text) {
    Json document;
    std::vector<DatabaseImage> databases;
    std::string error;
    if (parseJson(text, document, error) && fromJson(document, databases, error)) return "";
    return error;
}

std::string property(const std::string& prop, const std::string& value) {
    return R"({"databases": [{"name": "D", "records": [[{"prop": ")" + prop + R"(", "value": )" + value + "}]]}]}";
}

TEST(JsonFormat, ValuesOfTheWrongJsonTypeAreRefusedAtTheirProperty) {
    EXPECT_EQ(readError(property("0x00010002", "1.5")), "databases[0].records[0][0]: 1.5 is not an integer for I2");
    EXPECT_EQ(readError(property("0x0001001f", "5")), "databases[0].records[0][0]: 5 is not a string for LPWSTR");
    EXPECT_EQ(readError(property("0x00010005", "\"1\"")), "databases[0].records[0][0]: \"1\" is not a number for R8");
    EXPECT_EQ(readError(property("0x00010040", "-1")), "databases[0].records[0][0]: -1 is out of range for FILETIME");
    EXPECT_EQ(readError(property("0x00010013", "18446744073709551615")),
              "databases[0].records[0][0]: 18446744073709551615 is out of range for UI4");
}

TEST(JsonFormat, PropertyIdsMustBeHexStringsOfAKnownType) {
    EXPECT_NE(readError(property("4013001f", "\"x\"")).find("is not a property id"), std::string::npos);
    EXPECT_NE(readError(property("0x4013001fff", "\"x\"")).find("is not a property id"), std::string::npos);
    EXPECT_EQ(readError(property("0x40130004", "1")),
              "databases[0].records[0][0]: unknown type 0x4 in property 0x40130004");
}

TEST(JsonFormat, DocumentShapeIsChecked) {
    EXPECT_EQ(readError("[]"), "document: [] is not an object");
    EXPECT_EQ(readError("{}"), "document: no \"databases\"");
    EXPECT_EQ(readError(R"({"databases": [{"type": 1}]})"), "databases[0].name: a database needs a name (a string)");
    EXPECT_EQ(readError(R"({"databases": [{"name": "D", "type": -1}]})"),
              "databases[0].type: -1 is not a database type (0 to 4294967295)");
    EXPECT_EQ(readError(R"({"databases": [{"name": "D", "sortOrders": [{"prop": "0x0001001f", "descending": 1}]}]})"),
              "databases[0].sortOrders[0].descending: 1 is not true or false");
    EXPECT_EQ(readError(R"({"databases": [{"name": "D", "records": [{}]}]})"),
              "databases[0].records[0]: {} is not an array of properties");
    EXPECT_EQ(readError(R"({"databases": [{"name": "D", "records": [[{"prop": "0x0001001f"}]]}]})"),
              "databases[0].records[0][0]: no \"value\"");
}

TEST(JsonFormat, SortOrderFlagsDefaultToFalse) {
    Json document = Json::parse(R"({"databases": [{"name": "D", "sortOrders": [{"prop": "0x0001001f", "unknownFirst": true}]}]})");
    std::vector<DatabaseImage> databases;
    std::string error;
    ASSERT_TRUE(fromJson(document, databases, error)) << error;
    ASSERT_EQ(databases[0].sortOrders.size(), 1u);
    EXPECT_EQ(databases[0].sortOrders[0].dwFlags, DWORD{CEDB_SORT_UNKNOWNFIRST});
    EXPECT_EQ(databases[0].type, 0u);
}

}  // namespace
}  // namespace cedb
