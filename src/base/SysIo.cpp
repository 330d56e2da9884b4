#include "base/SysIo.h"

#include <cerrno>
#include <cstring>

#include "base/FileError.h"

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

}  // namespace kumo
