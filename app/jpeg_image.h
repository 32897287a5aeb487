#pragma once

#include <QImage>
#include <QString>
#include <cstddef>

namespace dtu {

// Pictures larger than this on either side are refused before any pixel memory is taken.
inline constexpr unsigned kMaxJpegSide = 4096;

// Decodes a JPEG picture with libjpeg. Anything that is not a whole, valid JPEG of
// at most kMaxJpegSide on each side (bad markers, truncated data, corrupt
// entropy data) gives a null image; the decoder never ends the process.
QImage DecodeJpeg(const unsigned char* data, std::size_t size);

// Reads and decodes the JPEG file `path`; a null image when it is missing,
// unreadable, implausibly large or not decodable.
QImage LoadJpegFile(const QString& path);

}  // namespace dtu
