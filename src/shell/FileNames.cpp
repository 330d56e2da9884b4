#include "shell/FileNames.h"

#include <algorithm>
#include <climits>
#include <string_view>

namespace kumo {

namespace {

#if defined(_WIN32)
// MAX_PATH less the closing null, in UTF-16 units.
constexpr std::size_t MaxPathUnits = 259;
#elif defined(PATH_MAX)
constexpr std::size_t MaxPathUnits = PATH_MAX - 1;
#else
constexpr std::size_t MaxPathUnits = 4095;
#endif

// The length in the units the system counts paths in: UTF-16 on Windows, bytes elsewhere.
std::size_t PathUnits(const std::string& path) {
#if defined(_WIN32)
  std::size_t units = 0;
  for (char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) != 0x80) units += byte >= 0xF0 ? 2 : 1;  // four bytes: a surrogate pair
  }
  return units;
#else
  return path.size();
#endif
}

bool RefusedInPath(char c) {
#if defined(_WIN32)
  return static_cast<unsigned char>(c) < 0x20 ||
         std::string_view("<>\"|?*").find(c) != std::string_view::npos;
#else
  return c == '\0';
#endif
}

// Where the extension's dot stands, or npos when the file name has none.
std::string::size_type ExtensionDot(const std::string& path) {
  const auto nameStart = path.find_last_of("/\\");
  const auto dot = path.rfind('.');
  if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart)) {
    return std::string::npos;
  }
  return dot;
}

}  // namespace

std::string BareName(const std::string& path) {
  const auto nameStart = path.find_last_of("/\\");
  const auto from = nameStart == std::string::npos ? 0 : nameStart + 1;
  const auto dot = ExtensionDot(path);
  return path.substr(from, dot == std::string::npos ? std::string::npos : dot - from);
}

std::string WithExtension(const std::string& path, const std::string& ext) {
  return path.substr(0, ExtensionDot(path)) + ext;
}

bool CanBePath(const std::string& path) {
  return !path.empty() && PathUnits(path) <= MaxPathUnits &&
         std::none_of(path.begin(), path.end(), RefusedInPath);
}

}  // namespace kumo
