#include "app/jpeg_image.h"

#include <QFile>
#include <QFileInfo>
#include <csetjmp>
#include <cstdio>
// jpeglib.h needs FILE and size_t declared first.
#include <jerror.h>
#include <jpeglib.h>

namespace dtu {

namespace {

// A file this long is no picture for a 100 x 100 box; it is not read at all.
constexpr qint64 kMaxJpegFileBytes = 16 * 1024 * 1024;

// libjpeg reports fatal errors through error_exit, which must not return: jump
// back into the stage that called it instead of letting the library end the process.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void JumpOnError(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Warnings mean damaged data (a truncated file is padded with grey by the
// library); such a picture is refused. Stray bytes between markers are common
// in harmless files and pass.
void RefuseDamagedData(j_common_ptr cinfo, int msgLevel) {
    if (msgLevel < 0 && cinfo->err->msg_code != JWRN_EXTRANEOUS_DATA) {
        JumpOnError(cinfo);
    }
}

void Silent(j_common_ptr) {}

// Each stage holds only trivially destructible locals, so a jump out of the
// library leaves nothing half-destroyed.
struct Decoder {
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    bool created = false;
};

bool ReadHeader(Decoder& d, const unsigned char* data, std::size_t size) {
    if (setjmp(d.errors.jump) != 0) {
        return false;
    }
    jpeg_create_decompress(&d.cinfo);
    d.created = true;
    jpeg_mem_src(&d.cinfo, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&d.cinfo, TRUE) != JPEG_HEADER_OK) {
        return false;
    }
    if (d.cinfo.image_width == 0 || d.cinfo.image_height == 0 ||
        d.cinfo.image_width > kMaxJpegSide || d.cinfo.image_height > kMaxJpegSide) {
        return false;
    }
    d.cinfo.out_color_space = JCS_RGB;
    return true;
}

bool DecodeRows(Decoder& d, uchar* bits, qsizetype bytesPerLine) {
    if (setjmp(d.errors.jump) != 0) {
        return false;
    }
    jpeg_start_decompress(&d.cinfo);
    if (d.cinfo.output_components != 3) {
        return false;
    }
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        JSAMPROW row = bits + static_cast<qsizetype>(d.cinfo.output_scanline) * bytesPerLine;
        jpeg_read_scanlines(&d.cinfo, &row, 1);
    }
    jpeg_finish_decompress(&d.cinfo);
    return true;
}

}  // namespace

QImage DecodeJpeg(const unsigned char* data, std::size_t size) {
    if (data == nullptr || size == 0) {
        return {};
    }
    Decoder d{};
    d.cinfo.err = jpeg_std_error(&d.errors.base);
    d.errors.base.error_exit = JumpOnError;
    d.errors.base.emit_message = RefuseDamagedData;
    d.errors.base.output_message = Silent;

    QImage image;
    if (ReadHeader(d, data, size)) {
        image = QImage(static_cast<int>(d.cinfo.image_width),
                       static_cast<int>(d.cinfo.image_height), QImage::Format_RGB888);
        if (image.isNull() || !DecodeRows(d, image.bits(), image.bytesPerLine())) {
            image = QImage();
        }
    }
    if (d.created) {
        jpeg_destroy_decompress(&d.cinfo);
    }
    return image;
}

QImage LoadJpegFile(const QString& path) {
    // Only regular files: opening a FIFO or a device could block the window.
    if (!QFileInfo(path).isFile()) {
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxJpegFileBytes) {
        return {};
    }
    const QByteArray bytes = file.read(kMaxJpegFileBytes + 1);
    if (bytes.size() > kMaxJpegFileBytes) {
        return {};
    }
    return DecodeJpeg(reinterpret_cast<const unsigned char*>(bytes.constData()),
                      static_cast<std::size_t>(bytes.size()));
}

}  // namespace dtu
