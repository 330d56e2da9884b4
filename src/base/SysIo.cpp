#include "base/SysIo.h"

#include <cerrno>
#include <cstring>

#include "base/FileError.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace kumo {

std::string ReasonText(int err) {
  switch (err) {
    case ENOSPC:
      return "ディスクに空きがありません";
#ifdef EDQUOT
    case EDQUOT:
      return "ディスクの使用量の制限を超えています";
#endif
    case EFBIG:
      return "ファイルの大きさの制限を超えています";
    case EACCES:
      return "アクセスが拒否されました";
    case EPERM:
      return "この操作は許可されていません";
    case EROFS:
      return "読み取り専用のドライブです";
    case ENOENT:
      return "ファイルまたはフォルダがありません";
    case ENOTDIR:
      return "フォルダではないものがパスの途中にあります";
    case EISDIR:
      return "フォルダです";
    case ENAMETOOLONG:
      return "ファイル名が長すぎます";
    case ELOOP:
      return "リンクが多すぎます";
    case EEXIST:
      return "同じ名前のファイルがあります";
    case EBUSY:
    case ETXTBSY:
      return "ほかのプログラムが使用中です";
    case EMFILE:
    case ENFILE:
      return "開いているファイルが多すぎます";
    case ENOMEM:
      return "メモリが足りません";
    case EIO:
      return "ディスクの読み書きに失敗しました";
    default:
      return std::strerror(err);
  }
}

void FailFile(const char* what, const std::string& path, int err) {
  throw FileError("\"" + path + "\" を" + what + "。\n" + ReasonText(err) + "。");
}

#ifndef _WIN32
FileSizeSignalIgnored::FileSizeSignalIgnored() {
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  ignored_ = ::sigaction(SIGXFSZ, &ignore, &old_) == 0;
}

FileSizeSignalIgnored::~FileSizeSignalIgnored() {
  if (ignored_) ::sigaction(SIGXFSZ, &old_, nullptr);
}

int WriteAllAt(int fd, std::string_view bytes, long long offset) {
  const FileSizeSignalIgnored quiet;
  for (std::size_t done = 0; done < bytes.size();) {
    ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                         static_cast<off_t>(offset + static_cast<long long>(done)));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n < 0 ? errno : EIO;
    done += static_cast<std::size_t>(n);
  }
  return 0;
}
#endif

}  // namespace kumo
