#include "document/StepBlock.h"

#include <cstdint>
#include <cstring>

#include "document/FileImage.h"

namespace kumo {
namespace {

// 2: the check sum covers the bytes the records go with as well.
constexpr Byte Version = 2;

// FNV-1a over the version, the count, the records and the covered bytes.
std::uint32_t CheckSum(std::string_view body, std::string_view covered) {
  std::uint32_t h = 2166136261u;
  for (std::string_view bytes : {body, covered}) {
    for (char c : bytes) {
      h ^= static_cast<Byte>(c);
      h *= 16777619u;
    }
  }
  return h;
}

std::uint32_t ReadU32(std::string_view bytes) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<Byte>(bytes[i]);
  return v;
}

}  // namespace

std::string StepBlock(const StepRecord* records, int count, std::string_view covered) {
  ImageWriter body;
  body.Put(Version);
  body.PutU16(static_cast<std::uint16_t>(count));
  body.PutRecords(records, count);
  ImageWriter out;
  out.PutRecords(StepBlockMagic.data(), static_cast<int>(StepBlockMagic.size()));
  out.PutRecords(body.Bytes().data(), static_cast<int>(body.Bytes().size()));
  out.PutU32(CheckSum(body.Bytes(), covered));
  return out.Bytes();
}

StepBlockRead ReadStepBlock(std::string_view rest, int count, std::string_view covered,
                            StepRecord* out) {
  if (rest.substr(0, StepBlockMagic.size()) != StepBlockMagic) return StepBlockRead::Absent;
  if (rest.size() != StepBlockSize(count)) return StepBlockRead::Damaged;
  const std::string_view body =
      rest.substr(StepBlockMagic.size(), rest.size() - StepBlockMagic.size() - 4);
  const int stored = static_cast<Byte>(body[1]) | (static_cast<Byte>(body[2]) << 8);
  if (static_cast<Byte>(body[0]) != Version || stored != count ||
      ReadU32(rest.substr(rest.size() - 4)) != CheckSum(body, covered)) {
    return StepBlockRead::Damaged;
  }
  std::memcpy(static_cast<void*>(out), body.data() + 3, sizeof(StepRecord) * count);
  return StepBlockRead::Taken;
}

}  // namespace kumo
