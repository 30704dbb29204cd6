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

// The default volume is made with the sample databases on first use: programs starting
// together on a fresh home all see it whole, never empty between its making and its filling.
// Each round makes three volumes of samples (about 2 s each under the sanitizers): five rounds
// keep the test well inside its time on a loaded machine.
TEST_F(ConcurrentPuts, ProgramsFirstUsingTheDefaultVolumeTogetherAllSeeItsSampleDatabases) {
    for (int round = 1; round <= 5; ++round) {
        std::string home = file("home" + std::to_string(round));
        std::string script = "cd '" + file("") + "' && for p in 1 2 3; do env -u CE_STORE XDG_DATA_HOME='" + home +
                             "' '" + CEDB_PROGRAM + "' list | wc -l > listed." + std::to_string(round) +
                             ".$p & done; wait";
        ASSERT_EQ(std::system(script.c_str()), 0);
        for (int p = 1; p <= 3; ++p)
            EXPECT_EQ(read("listed." + std::to_string(round) + "." + std::to_string(p)), "8\n")
                << "round " << round << ", program " << p;
    }
}

}  // namespace
}  // namespace cedb_test
