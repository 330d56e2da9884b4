#include "platform/DocText.h"

#include <QLineEdit>
#include <QValidator>
#include <string>
#include <unordered_map>

#include "base/Cp932.h"

namespace kumo {
namespace {

class DocBytesValidator : public QValidator {
 public:
  DocBytesValidator(std::size_t maxBytes, QObject* parent)
      : QValidator(parent), maxBytes_(maxBytes) {}
  State validate(QString& input, int&) const override {
    const std::string utf8 = input.toStdString();
    return CutToCp932Bytes(utf8, maxBytes_).size() == utf8.size() ? Acceptable : Invalid;
  }

 private:
  std::size_t maxBytes_;
};

}  // namespace

// The grids and the prints ask for the same few short labels (１, 数, ×, 学活 …) over and over
// as they fill their cells and draw their pages; decoding each anew costs more than the rest.
QString FromDocText(std::string_view cp932) {
  constexpr std::size_t ShortText = 8;
  if (cp932.size() > ShortText) return QString::fromStdString(Cp932ToUtf8(cp932));
  thread_local std::unordered_map<std::string, QString> decoded;
  const auto [at, added] = decoded.try_emplace(std::string(cp932));
  if (added) at->second = QString::fromStdString(Cp932ToUtf8(cp932));
  return at->second;
}

std::optional<std::string> ToDocText(const QString& text, std::string_view original,
                                     QString* refused) {
  if (text == FromDocText(original)) return std::string(original);
  std::string bad;
  std::optional<std::string> bytes = Utf8ToCp932(text.toStdString(), &bad);
  if (!bytes && refused) *refused = QString::fromStdString(bad);
  return bytes;
}

void LimitToDocBytes(QLineEdit& edit, std::size_t maxBytes) {
  edit.setValidator(new DocBytesValidator(maxBytes, &edit));
}

}  // namespace kumo
