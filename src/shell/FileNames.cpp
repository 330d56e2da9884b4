#include "shell/FileNames.h"

#include <filesystem>

namespace kumo {

namespace {

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

std::string AbsolutePath(const std::string& path) {
  const std::u8string absolute =
      std::filesystem::absolute(std::filesystem::path(std::u8string(path.begin(), path.end())))
          .u8string();
  return {absolute.begin(), absolute.end()};
}

}  // namespace kumo
