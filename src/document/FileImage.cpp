#include "document/FileImage.h"

#include <array>
#include <utility>

#include "base/FileError.h"
#include "base/SysFile.h"

namespace kumo {

void ImageWriter::PutU16(std::uint16_t value) {
  std::array<Byte, 2> le{static_cast<Byte>(value & 0xFF), static_cast<Byte>(value >> 8)};
  Put(le);
}

void ImageWriter::PutU32(std::uint32_t value) {
  PutU16(static_cast<std::uint16_t>(value & 0xFFFF));
  PutU16(static_cast<std::uint16_t>(value >> 16));
}

ImageReader::ImageReader(std::string bytes, std::string path)
    : bytes_(std::move(bytes)), path_(std::move(path)) {}

void ImageReader::FailEarlyEnd() const {
  throw FileError(EarlyEndMessage(path_));
}

}  // namespace kumo
