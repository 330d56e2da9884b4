#include "base/SysFile.h"

#include <cerrno>
#include <filesystem>
#include <random>

#include "base/FileError.h"
#include "base/SysIo.h"
#include "base/SystemCalls.h"

namespace kumo {
namespace {

bool IsSeparator(char c) {
  return c == '/' || c == Separator;
}

}  // namespace

void FailNotRegular(const char* what, const std::string& path) {
  throw FileError("\"" + path + "\" を" + what + "。\n通常のファイルではありません。");
}

void FailTooLarge(const std::string& path, unsigned long long size, std::size_t maxBytes) {
  throw FileError("\"" + path + "\" を読み込めません。\nファイルが大きすぎます（" +
                  std::to_string(size) + " バイト、読み込めるのは " + std::to_string(maxBytes) +
                  " バイトまで）。");
}

std::string SaveTempName(const std::string& folder, const std::string& name, int k) {
  // Appended piece by piece: GCC 12's -Wrestrict misreads the operator+ chain when optimising.
  std::string temp = folder.empty() ? std::string() : folder + Separator;
  temp += '.';
  temp += name.substr(0, 200);
  temp += ".kumo-save";
  if (k != 0) {
    temp += '-';
    temp += std::to_string(k);
  }
  return temp;
}

std::string EarlyEndMessage(const std::string& path) {
  return "\"" + path + "\" を読み込めません。\nファイルが途中で終わっています。";
}

ScratchFile::ScratchFile(std::string_view ending) {
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(ec);
  if (ec) FailFile("作成できません", "一時フォルダ", ErrnoOf(ec));
  std::random_device random;
  // An exclusive create, so that no other process's file is ever taken over.
  int err = EEXIST;
  for (int attempt = 0; attempt < 100 && err == EEXIST; ++attempt) {
    const std::string path =
        Utf8Of(folder / ("kumo-" + std::to_string(random()) + std::string(ending)));
    if (CreateNewFile(path, err)) {
      path_ = path;
      return;
    }
  }
  FailFile("作成できません", Utf8Of(folder), err);
}

ScratchFile::~ScratchFile() {
  std::error_code ec;
  std::filesystem::remove(PathOf(path_), ec);
}

std::string ProgramDirectory() {
  std::string dir = ExecutableDirectory();
  if (dir.empty()) dir = CurrentDirectory();
  if (!IsSeparator(dir.back())) dir += Separator;
  return dir;
}

std::string InstalledDataDirectory(const std::string& programDir) {
  return AbsolutePath(programDir + "../share/kumo") + Separator;
}

std::string ShippedFile(const std::string& programDir, const std::string& relative) {
  const auto exists = [](const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(PathOf(path), ec);
  };
  const std::string inBuildTree = programDir + relative;
  const std::string installed = InstalledDataDirectory(programDir) + relative;
  return exists(inBuildTree) || !exists(installed) ? inBuildTree : installed;
}

std::string AbsolutePath(const std::string& path) {
  return Utf8Of(std::filesystem::absolute(PathOf(path)).lexically_normal());
}

std::string CurrentDirectory() {
  std::error_code ec;
  std::string dir = Utf8Of(std::filesystem::current_path(ec));
  return ec ? std::string(".") : dir;
}

void SetCurrentDirectory(const std::string& dir) {
  if (dir.empty()) return;
  std::error_code ec;
  std::filesystem::current_path(PathOf(dir), ec);
  if (ec) FailFile("開けません", dir, ErrnoOf(ec));
}

std::string DirectoryOf(const std::string& path) {
  std::size_t cut = path.find_last_of(Separator == '/' ? "/" : "/\\");
  if (cut == std::string::npos) return {};
  return cut == 0 ? path.substr(0, 1) : path.substr(0, cut);
}

std::string FileNameOf(const std::string& path) {
  std::size_t cut = path.find_last_of(Separator == '/' ? "/" : "/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace kumo
