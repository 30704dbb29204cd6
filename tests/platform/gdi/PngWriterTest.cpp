// Writing surfaces as PNG files: the pixels read back through libpng, and a clear failure
// that leaves no file behind.
#include <png.h>
#include <sys/stat.h>

#include "gwe/gdi/PngWriter.h"
#include "support/ScratchFolder.h"
#include "platform/gdi/GdiTestSupport.h"

namespace gditest {
namespace {

std::vector<ce::gdi::Pixel> readPng(const std::string& path, int& width, int& height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) return {};
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    std::vector<ce::gdi::Pixel> pixels;
    for (size_t i = 0; i + 2 < bytes.size(); i += 3)
        pixels.push_back((ce::gdi::Pixel{bytes[i]} << 16) | (ce::gdi::Pixel{bytes[i + 1]} << 8) | bytes[i + 2]);
    return pixels;
}

TEST(PngWriter, PixelsReadBackExactly) {
    test_support::ScratchFolder folder("png");
    ce::gdi::Surface surface(3, 2, 0xFFFFFF);
    surface.setPixel(0, 0, 0xFF0000);
    surface.setPixel(2, 1, 0x123456);
    std::string error;
    ASSERT_TRUE(ce::gdi::writePng(surface, folder.file("out.png"), error)) << error;
    int width = 0, height = 0;
    std::vector<ce::gdi::Pixel> pixels = readPng(folder.file("out.png"), width, height);
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 2);
    EXPECT_EQ(pixels, surface.pixels());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);  // no temporary left
}

TEST(PngWriter, APictureIsAsReadableAsAnyFileTheUserWrites) {
    test_support::ScratchFolder folder("png");
    mode_t old = umask(022);
    std::string error;
    bool written = ce::gdi::writePng(ce::gdi::Surface(1, 1), folder.file("shot.png"), error);
    umask(old);
    ASSERT_TRUE(written) << error;
    auto permissions = std::filesystem::status(folder.file("shot.png")).permissions();
    EXPECT_EQ(permissions, std::filesystem::perms(0644));
}

TEST(PngWriter, AFolderThatDoesNotExistGivesAOneLineReason) {
    test_support::ScratchFolder folder("png");
    std::string error;
    std::string path = folder.file("missing/out.png");
    EXPECT_FALSE(ce::gdi::writePng(ce::gdi::Surface(1, 1), path, error));
    EXPECT_NE(error.find(path), std::string::npos);
    EXPECT_EQ(error.find('\n'), std::string::npos);
}

}  // namespace
}  // namespace gditest
