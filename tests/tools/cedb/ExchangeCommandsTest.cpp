// import and export: exact round trips, and refused input that leaves the volume untouched.
#include "CedbRun.h"

namespace cedb_test {
namespace {

using ExchangeRoundTrip = CedbTest;

TEST_F(ExchangeRoundTrip, SampleVolumeExportsImportsAndExportsAgainIdentically) {
    ASSERT_EQ(cedb({"init", "--sample"}, "sample.vol").code, 0);
    Outcome first = cedb({"export"}, "sample.vol");
    ASSERT_EQ(first.code, 0) << first.err;
    ASSERT_EQ(cedb({"init"}, "copy.vol").code, 0);
    Outcome imported = cedb({"import", write("sample.json", first.out)}, "copy.vol");
    ASSERT_EQ(imported.code, 0) << imported.err;
    EXPECT_EQ(cedb({"export"}, "copy.vol").out, first.out);
}

TEST_F(ExchangeRoundTrip, SampleDatabasesAreTheSameEveryTime) {
    ASSERT_EQ(cedb({"init", "--sample"}, "one.vol").code, 0);
    ASSERT_EQ(cedb({"init", "--sample"}, "two.vol").code, 0);
    EXPECT_EQ(cedb({"export"}, "one.vol").out, cedb({"export"}, "two.vol").out);
}

TEST_F(ExchangeRoundTrip, EveryTypeAndEdgeValueKeepsItsExactValue) {
    const std::string document =
        "{\"databases\": [\n"
        "  {\"name\": \"Edges\", \"type\": 4294967295, \"sortOrders\": [{\"prop\": \"0x00010002\", \"descending\": "
        "true, \"caseInsensitive\": false, \"unknownFirst\": true}], \"records\": [\n"
        "    [{\"prop\": \"0x00010002\", \"value\": -32768}, {\"prop\": \"0x00020012\", \"value\": 65535}, "
        "{\"prop\": \"0x00030003\", \"value\": -2147483648}, {\"prop\": \"0x00040013\", \"value\": 4294967295}],\n"
        "    [{\"prop\": \"0x00050005\", \"value\": 0.1}, {\"prop\": \"0x00060005\", \"value\": -0.0}, "
        "{\"prop\": \"0x00070005\", \"value\": \"NaN\"}, {\"prop\": \"0x0008000b\", \"value\": false}],\n"
        "    [{\"prop\": \"0x00090040\", \"value\": \"1601-01-01T00:00:00\"}, {\"prop\": \"0x000a0040\", \"value\": "
        "\"2024-02-29T23:59:59.9999999\"}, {\"prop\": \"0x000b0040\", \"value\": 18446744073709551615}],\n"
        "    [{\"prop\": \"0x000c001f\", \"value\": \"Ünïcode é\\t\\\"q\\\" 😀\"}, {\"prop\": "
        "\"0x000d0041\", \"value\": \"00ff10\"}, {\"prop\": \"0x000e0041\", \"value\": \"\"}],\n"
        "    []\n"
        "  ]}\n"
        "]}\n";
    ASSERT_EQ(cedb({"init"}).code, 0);
    Outcome imported = cedb({"import", write("edges.json", document)});
    ASSERT_EQ(imported.code, 0) << imported.err;
    Outcome exported = cedb({"export", "Edges"});
    EXPECT_EQ(exported.out, document);
}

// Each bad document holds a good database first: refusing the second must not leave the first.
struct BadInput {
    const char* what;
    std::string secondDatabase;
    std::string error;
};

std::string badDocument(const std::string& second) {
    return "{\"databases\": [{\"name\": \"Good\", \"records\": [[{\"prop\": \"0x0001001f\", \"value\": \"kept?\"}]]}, " +
           second + "]}";
}

std::string records(const std::string& properties) {
    return "{\"name\": \"Bad\", \"records\": [[{\"prop\": \"0x00010003\", \"value\": 1}], [" + properties + "]]}";
}

std::string longText(size_t count, char c) {
    return std::string(count, c);
}

class ExchangeRefusal : public CedbTest, public ::testing::WithParamInterface<BadInput> {};

TEST_P(ExchangeRefusal, ImportIsRefusedWithOneLineNamingThePlaceAndNothingIsWritten) {
    ASSERT_EQ(cedb({"init"}).code, 0);
    ASSERT_EQ(cedb({"create", "Existing"}).code, 0);
    std::string before = cedb({"list"}).out;
    Outcome outcome = cedb({"import", write("bad.json", badDocument(GetParam().secondDatabase))});
    EXPECT_EQ(outcome.code, 2);
    EXPECT_NE(outcome.err.find(GetParam().error), std::string::npos) << outcome.err;
    EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
    EXPECT_EQ(cedb({"list"}).out, before);
}

std::vector<BadInput> badInputs() {
    return {
        BadInput{"MalformedJson", "{\"name\": ", "malformed JSON"},
        BadInput{"WrongValueType", records("{\"prop\": \"0x00020003\", \"value\": \"12\"}"),
                 "databases[1].records[1][0]: \"12\" is not an integer for I4"},
        BadInput{"OutOfRange", records("{\"prop\": \"0x00020003\", \"value\": 1}, {\"prop\": \"0x00030002\", \"value\": 70000}"),
                 "databases[1].records[1][1]: 70000 is out of range for I2"},
        BadInput{"NegativeUnsigned", records("{\"prop\": \"0x00030013\", \"value\": -1}"), "-1 is out of range for UI4"},
        BadInput{"BoolAsNumber", records("{\"prop\": \"0x0003000b\", \"value\": 1}"), "1 is not true or false"},
        BadInput{"ImpossibleDate", records("{\"prop\": \"0x00030040\", \"value\": \"2025-02-29T00:00:00\"}"),
                 "is not a FILETIME"},
        BadInput{"OddBlob", records("{\"prop\": \"0x00030041\", \"value\": \"abc\"}"), "is not a hex string"},
        BadInput{"UnknownTypeCode", records("{\"prop\": \"0x00030099\", \"value\": 1}"),
                 "databases[1].records[1][0]: unknown type 0x99 in property 0x00030099"},
        BadInput{"UnknownMember", "{\"name\": \"Bad\", \"sortorders\": []}", "databases[1]: unknown member \"sortorders\""},
        BadInput{"NameTooLong", "{\"name\": \"" + longText(32, 'n') + "\"}", "databases[1].name: \"nnnn"},
        BadInput{"NameAlreadyPresent", "{\"name\": \"EXISTING\"}", "databases[1].name: \"EXISTING\" is already in the volume"},
        BadInput{"NameTwiceInTheFile", "{\"name\": \"good\"}", "databases[1].name: \"good\" is given twice"},
        BadInput{"FiveSortOrders",
                 "{\"name\": \"Bad\", \"sortOrders\": [{\"prop\": \"0x00010003\"}, {\"prop\": \"0x00020003\"}, {\"prop\": "
                 "\"0x00030003\"}, {\"prop\": \"0x00040003\"}, {\"prop\": \"0x00050003\"}]}",
                 "databases[1].sortOrders: 5 sort orders, more than the 4"},
        BadInput{"BlobSortKey", "{\"name\": \"Bad\", \"sortOrders\": [{\"prop\": \"0x00010041\"}]}",
                 "databases[1].sortOrders[0]: a BLOB property (0x00010041) cannot be a sort key"},
        BadInput{"PropertyOverLimit", records("{\"prop\": \"0x0003001f\", \"value\": \"" + longText(32736, 'x') + "\"}"),
                 "databases[1].records[1][0]: a string of 32736 characters, more than the 32734"},
        BadInput{"NumberOverflow", records("{\"prop\": \"0x00030005\", \"value\": 1e999}"),
                 "the number 1e999 is too large"},
        BadInput{"DeepNesting", std::string(200000, '[') + std::string(200000, ']'),
                 "malformed JSON: nested deeper than 64 levels"},
        BadInput{"RecordOverLimit",
                 records("{\"prop\": \"0x00030041\", \"value\": \"" + longText(130000, 'a') + "\"}, {\"prop\": "
                         "\"0x00040041\", \"value\": \"" + longText(130000, 'b') + "\"}, {\"prop\": \"0x00050041\", "
                         "\"value\": \"" + longText(4000, 'c') + "\"}"),
                 "databases[1].records[1]: 132032 bytes, more than the 131072"}};
}

INSTANTIATE_TEST_SUITE_P(EachKindOfBadInput, ExchangeRefusal, ::testing::ValuesIn(badInputs()),
    [](const auto& info) { return info.param.what; });

TEST_F(ExchangeRefusal, AFileThatCannotBeReadIsRefusedWithTheReason) {
    ASSERT_EQ(cedb({"init"}).code, 0);
    std::filesystem::create_directory(file("folder.json"));
    Outcome folder = cedb({"import", file("folder.json")});
    EXPECT_EQ(folder.code, 2);
    EXPECT_EQ(folder.err, "cedb: " + file("folder.json") + " is a folder, not a JSON file\n");
    Outcome missing = cedb({"import", file("missing.json")});
    EXPECT_EQ(missing.code, 2);
    EXPECT_EQ(missing.err, "cedb: cannot read " + file("missing.json") + ": No such file or directory\n");
}

TEST_F(ExchangeRefusal, ExportOfAnUnknownDatabaseIsRefused) {
    ASSERT_EQ(cedb({"init"}).code, 0);
    Outcome outcome = cedb({"export", "Nowhere"});
    EXPECT_EQ(outcome.code, 2);
    EXPECT_EQ(outcome.out, "");
}

}  // namespace
}  // namespace cedb_test
