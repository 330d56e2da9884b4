#include "platform/DocText.h"

#include "platform/sys/Cp932.h"

namespace kumo {

QString FromDocText(std::string_view cp932) {
  return QString::fromStdString(Cp932ToUtf8(cp932));
}

std::optional<std::string> ToDocText(const QString& text, std::string_view original,
                                     QString* refused) {
  if (text == FromDocText(original)) return std::string(original);
  std::string bad;
  std::optional<std::string> bytes = Utf8ToCp932(text.toStdString(), &bad);
  if (!bytes && refused) *refused = QString::fromStdString(bad);
  return bytes;
}

}  // namespace kumo
