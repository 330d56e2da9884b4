#include "base/SysFile.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "base/InPlaceSave.h"
#include "base/SysIo.h"
#include "base/SystemCalls.h"

namespace kumo {
namespace {

// Paths are UTF-8 in the program and UTF-16 at the system's boundary.
std::wstring Wide(const std::string& utf8) {
  const int n =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}

// The system's error as the errno value whose words the user is given.
int ErrnoOfCode(DWORD code) {
  switch (code) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_FILE_TOO_LARGE:
      return EFBIG;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return EACCES;
    case ERROR_WRITE_PROTECT:
      return EROFS;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
      return ENOENT;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_FILENAME_EXCED_RANGE:
      return ENAMETOOLONG;
    case ERROR_TOO_MANY_OPEN_FILES:
      return EMFILE;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return ENOMEM;
    default:
      return EIO;
  }
}

int LastErrno() {
  return ErrnoOfCode(GetLastError());
}

constexpr DWORD NotAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE;
constexpr int TempNameTries = 100;

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() { Close(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool Valid() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return h_; }
  bool Close() {
    const bool ok = !Valid() || CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
    return ok;
  }

 private:
  HANDLE h_;
};

bool WriteAll(HANDLE h, std::string_view bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 30));
    DWORD written = 0;
    if (!WriteFile(h, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

bool SetLength(HANDLE h, std::size_t size) {
  LARGE_INTEGER at{};
  at.QuadPart = static_cast<LONGLONG>(size);
  return SetFilePointerEx(h, at, nullptr, FILE_BEGIN) && SetEndOfFile(h);
}

}  // namespace

const char Separator = '\\';

std::string ReadFileBytes(const std::string& path, std::size_t maxBytes) {
  const std::wstring wide = Wide(path);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & NotAFile)) {
    FailNotRegular("読み込めません", path);
  }
  Handle file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) FailFile("開けません", path, LastErrno());
  if (GetFileType(file.Get()) != FILE_TYPE_DISK) FailNotRegular("読み込めません", path);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) FailFile("読み込めません", path, LastErrno());
  const auto length = static_cast<unsigned long long>(size.QuadPart);
  if (length > maxBytes) FailTooLarge(path, length, maxBytes);
  // As long as the file is, and one byte more, which tells a file that grew since.
  std::string bytes(static_cast<std::size_t>(length) + 1, '\0');
  std::size_t done = 0;
  for (;;) {
    if (done == bytes.size()) {
      if (bytes.size() > maxBytes) break;
      bytes.resize(std::min(bytes.size() * 2, maxBytes + 1));
    }
    DWORD n = 0;
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 30));
    if (!ReadFile(file.Get(), bytes.data() + done, chunk, &n, nullptr)) {
      FailFile("読み込めません", path, LastErrno());
    }
    if (n == 0) break;
    done += n;
  }
  if (done > maxBytes) FailTooLarge(path, done, maxBytes);
  bytes.resize(done);
  return bytes;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::wstring target = Wide(path);
  const DWORD attributes = GetFileAttributesW(target.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & NotAFile)) FailNotRegular("書き込めません", path);
  // A save does nothing a plain write could not: a write-protected file stays as it is.
  if (exists && (attributes & FILE_ATTRIBUTE_READONLY)) FailFile("書き込めません", path, EACCES);
  const std::string dir = DirectoryOf(path);
  std::wstring temp;
  HANDLE created = INVALID_HANDLE_VALUE;
  DWORD createErr = ERROR_FILE_EXISTS;
  for (int k = 0;
       created == INVALID_HANDLE_VALUE && createErr == ERROR_FILE_EXISTS && k <= TempNameTries;
       ++k) {
    temp = Wide(SaveTempName(dir, FileNameOf(path), k));
    created = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_WRITE_THROUGH, nullptr);
    if (created == INVALID_HANDLE_VALUE) createErr = GetLastError();
  }
  Handle file(created);
  if (!file.Valid()) {
    // A shared folder may let the user change a file but not create one beside it.
    if (createErr == ERROR_ACCESS_DENIED && exists) return RewriteInPlace(path, path, bytes);
    FailFile("書き込めません", path, ErrnoOfCode(createErr));
  }
  const bool written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
  const int writeErr = LastErrno();
  if (!file.Close() || !written) {
    const int err = written ? LastErrno() : writeErr;
    DeleteFileW(temp.c_str());
    FailFile("書き込めません", path, err);
  }
  SetFileAttributesW(temp.c_str(), exists ? attributes : FILE_ATTRIBUTE_NORMAL);
  // ReplaceFileW keeps what the old file had beyond its bytes (its security, its streams); a new
  // file, or a volume without that support, is moved into place.
  const bool replaced =
      (exists && ReplaceFileW(target.c_str(), temp.c_str(), nullptr,
                              REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) ||
      MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!replaced) {
    const int err = LastErrno();
    DeleteFileW(temp.c_str());
    FailFile("置き換えられません", path, err);
  }
}

std::string ExecutableDirectory() {
  std::wstring exe(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, exe.data(), static_cast<DWORD>(exe.size()));
    if (n == 0) return {};
    if (n < exe.size()) {
      exe.resize(n);
      return DirectoryOf(Utf8Of(std::filesystem::path(exe)));
    }
    exe.resize(exe.size() * 2);
  }
}

bool CreateNewFile(const std::string& path, int& err) {
  Handle file(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.Valid()) return true;
  err = LastErrno();
  return false;
}

std::string UserDataDirectory() {
  const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
  return (local != nullptr ? Utf8Of(std::filesystem::path(local)) : CurrentDirectory()) + Separator;
}

int RewriteFileBytes(const std::string& path, std::string_view bytes, bool& untouched) {
  untouched = true;
  Handle file(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_FLAG_WRITE_THROUGH, nullptr));
  if (!file.Valid()) return LastErrno();
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) return LastErrno();
  const auto oldSize = static_cast<std::size_t>(size.QuadPart);
  // Grown to the new length first, so that a full disk fails before a byte has changed.
  if (bytes.size() > oldSize && !SetLength(file.Get(), bytes.size())) {
    const int err = LastErrno();
    SetLength(file.Get(), oldSize);
    return err;
  }
  untouched = false;
  LARGE_INTEGER start{};
  if (!SetFilePointerEx(file.Get(), start, nullptr, FILE_BEGIN) || !WriteAll(file.Get(), bytes) ||
      !SetEndOfFile(file.Get()) || !FlushFileBuffers(file.Get())) {
    return LastErrno();
  }
  return file.Close() ? 0 : LastErrno();
}

int ErrnoOf(const std::error_code& ec) {
  return ec.category() == std::system_category() ? ErrnoOfCode(static_cast<DWORD>(ec.value()))
                                                 : ec.value();
}

}  // namespace kumo
