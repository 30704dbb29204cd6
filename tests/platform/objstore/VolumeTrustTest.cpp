// Companion files that are links, and volumes or companion files of another user: refused,
// and left as they were. (Schemas changed behind our back are tests/tools/crafted's cases.)
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "TempVolume.h"

namespace objstore_test {
namespace {

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

using VolumeTrust = TempVolume;

TEST_F(VolumeTrust, ACompanionFileThatIsALinkIsRefusedAndNotFollowed) {
    createDb(u"shared");
    ce::objstore::closeVolume();
    std::string open = path() + "-open", target = folder() + "/elsewhere";
    std::filesystem::remove(open);
    std::filesystem::create_symlink(target, open);
    EXPECT_FALSE(ce::objstore::openVolume());
    EXPECT_EQ(GetLastError(), DWORD{ERROR_ACCESS_DENIED});
    EXPECT_NE(ce::objstore::lastVolumeError().find("link"), std::string::npos) << ce::objstore::lastVolumeError();
    EXPECT_FALSE(std::filesystem::exists(target));  // a link made to have us create a file elsewhere

    std::ofstream(target) << "kept";
    EXPECT_FALSE(ce::objstore::openVolume());
    EXPECT_EQ(contentOf(target), "kept");
}

TEST_F(VolumeTrust, AVolumeOrCompanionFileOfAnotherUserIsRefused) {
    if (geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    createDb(u"shared");
    ce::objstore::closeVolume();
    const uid_t other = 65534;
    for (const std::string& file : {path(), path() + "-open"}) {
        SCOPED_TRACE(file);
        ASSERT_EQ(chown(file.c_str(), other, other), 0);
        EXPECT_FALSE(ce::objstore::openVolume());
        EXPECT_EQ(GetLastError(), DWORD{ERROR_ACCESS_DENIED});
        EXPECT_NE(ce::objstore::lastVolumeError().find("belongs to another user"), std::string::npos)
            << ce::objstore::lastVolumeError();
        ASSERT_EQ(chown(file.c_str(), 0, 0), 0);
    }
    EXPECT_TRUE(ce::objstore::openVolume());
}

}  // namespace
}  // namespace objstore_test
