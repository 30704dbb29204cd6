// Several cedb programs writing one volume at once: each waits its turn for the lock, none is
// told the volume is foreign, and every record a put acknowledged is there afterwards.
#include <set>

#include "CedbRun.h"

namespace cedb_test {
namespace {

using ConcurrentPuts = CedbTest;

TEST_F(ConcurrentPuts, EightProgramsPuttingAtOnceAllSucceedAndEveryRecordIsKept) {
    constexpr int c_writers = 8, c_puts = 50;
    ASSERT_EQ(cedb({"create", "shared"}).code, 0);
    // Writer w puts the values w*1000+1 ... w*1000+50; its OIDs go to out.w, anything
    // else it hears to err.w.
    std::string script = "cd '" + file("") + "' && for w in $(seq " + std::to_string(c_writers) +
                         "); do (for i in $(seq " + std::to_string(c_puts) + "); do '" + CEDB_PROGRAM +
                         "' --store test.vol put shared 0x00010003=$((w * 1000 + i)) >>out.$w 2>>err.$w"
                         " || echo \"put $i exited $?\" >>err.$w; done) & done; wait";
    ASSERT_EQ(std::system(script.c_str()), 0);

    std::set<std::string> oids;
    for (int w = 1; w <= c_writers; ++w) {
        EXPECT_EQ(read("err." + std::to_string(w)), "") << "writer " << w;
        std::istringstream out(read("out." + std::to_string(w)));
        for (std::string line; std::getline(out, line);) oids.insert(line);
    }
    EXPECT_EQ(oids.size(), size_t{c_writers * c_puts});

    Outcome shown = cedb({"show", "shared"});
    ASSERT_EQ(shown.code, 0) << shown.err;
    for (const std::string& oid : oids) EXPECT_NE(shown.out.find("record " + oid + "\n"), std::string::npos) << oid;
    for (int w = 1; w <= c_writers; ++w)
        for (int i = 1; i <= c_puts; ++i)
            EXPECT_NE(shown.out.find(" I4 " + std::to_string(w * 1000 + i) + "\n"), std::string::npos) << w << ' ' << i;
}

}  // namespace
}  // namespace cedb_test
