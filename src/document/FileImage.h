// Flat byte images of the document's records, as the timetable and subject files hold them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "document/Records.h"

namespace kumo {

class ImageWriter {
 public:
  template <class T>
  void Put(const T& record) {
    PutRecords(&record, 1);
  }
  template <class T>
  void PutRecords(const T* first, int count) {
    static_assert(IsRawRecord<T>);
    bytes_.append(reinterpret_cast<const char*>(first), sizeof(T) * count);
  }
  void PutU16(std::uint16_t value);
  void PutU32(std::uint32_t value);
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

class ImageReader {
 public:
  // path names the file in the message for a file that ends early.
  ImageReader(std::string bytes, std::string path);

  // Fills the records from the next bytes, or leaves them alone and returns false when the
  // image ends before all of them.
  template <class T>
  bool TryGetRecords(T* first, int count) {
    static_assert(IsRawRecord<T>);
    std::size_t size = sizeof(T) * static_cast<std::size_t>(count);
    if (bytes_.size() - pos_ < size) return false;
    std::memcpy(static_cast<void*>(first), bytes_.data() + pos_, size);
    pos_ += size;
    return true;
  }
  template <class T>
  bool TryGet(T& record) {
    return TryGetRecords(&record, 1);
  }
  // As TryGetRecords, but a file that ends early throws FileError.
  template <class T>
  void GetRecords(T* first, int count) {
    if (!TryGetRecords(first, count)) FailEarlyEnd();
  }
  template <class T>
  void Get(T& record) {
    GetRecords(&record, 1);
  }
  // Throws the FileError of a file that ends early.
  [[noreturn]] void FailEarlyEnd() const;
  std::size_t Remaining() const { return bytes_.size() - pos_; }
  std::size_t Offset() const { return pos_; }
  // The bytes read since offset from.
  std::string_view ReadSince(std::size_t from) const {
    return std::string_view(bytes_).substr(from, pos_ - from);
  }
  // The bytes not read yet.
  std::string_view Rest() const { return std::string_view(bytes_).substr(pos_); }

 private:
  std::string bytes_;
  std::string path_;
  std::size_t pos_ = 0;
};

}  // namespace kumo
