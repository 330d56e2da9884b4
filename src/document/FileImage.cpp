#include "document/FileImage.h"

#include <array>
#include <utility>

#include "platform/sys/FileError.h"
#include "platform/sys/SysFile.h"

namespace kumo {

void ImageWriter::PutU16(std::uint16_t value) {
  std::array<Byte, 2> le{static_cast<Byte>(value & 0xFF), static_cast<Byte>(value >> 8)};
  Put(le);
}

ImageReader::ImageReader(std::string bytes, std::string path)
    : bytes_(std::move(bytes)), path_(std::move(path)) {}

void ImageReader::FailEarlyEnd() const {
  throw FileError(EarlyEndMessage(path_));
}

}  // namespace kumo
