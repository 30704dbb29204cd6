// PNG output through libpng: the image goes to a temporary file in the same folder, which is
// renamed over the target only once complete.
#include "gwe/gdi/PngWriter.h"

#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace ce::gdi {

namespace {

struct PngFailure {
    char message[200];
};

void onPngError(png_structp png, png_const_charp message) {
    auto* failure = static_cast<PngFailure*>(png_get_error_ptr(png));
    std::snprintf(failure->message, sizeof failure->message, "%s", message);
    png_longjmp(png, 1);
}

void onPngWarning(png_structp, png_const_charp) {}

// No C++ object with a destructor lives in this frame: libpng reports errors by longjmp.
bool encode(FILE* file, const Surface& surface, png_bytep* rows, PngFailure& failure) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &failure, onPngError, onPngWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(surface.width()), static_cast<png_uint_32>(surface.height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_rows(png, info, rows);
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

std::vector<png_byte> rgbRows(const Surface& surface) {
    std::vector<png_byte> bytes;
    bytes.reserve(surface.pixels().size() * 3);
    for (Pixel pixel : surface.pixels()) {
        bytes.push_back(static_cast<png_byte>(pixel >> 16));
        bytes.push_back(static_cast<png_byte>(pixel >> 8));
        bytes.push_back(static_cast<png_byte>(pixel));
    }
    return bytes;
}

}  // namespace

bool writePng(const Surface& surface, const std::string& path, std::string& error) {
    if (surface.width() <= 0 || surface.height() <= 0) {
        error = "cannot write " + path + ": the image is empty";
        return false;
    }
    std::string temporary = path + ".XXXXXX";
    int fd = mkstemp(temporary.data());
    if (fd < 0) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    // mkstemp makes the file private; a picture is as readable as any file the user writes.
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    FILE* file = fdopen(fd, "wb");
    std::vector<png_byte> bytes = rgbRows(surface);
    std::vector<png_bytep> rows;
    for (int y = 0; y < surface.height(); ++y) rows.push_back(bytes.data() + static_cast<size_t>(y) * surface.width() * 3);
    PngFailure failure{};
    bool written = file && encode(file, surface, rows.data(), failure);
    int savedErrno = errno;
    bool closed = file ? std::fclose(file) == 0 : ::close(fd) == 0;
    if (written && closed && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    if (written && closed) savedErrno = errno;
    std::remove(temporary.c_str());
    error = "cannot write " + path + ": " + (failure.message[0] ? failure.message : std::strerror(savedErrno));
    return false;
}

}  // namespace ce::gdi
