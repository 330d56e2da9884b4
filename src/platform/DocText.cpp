#include "platform/DocText.h"

#include <QLineEdit>
#include <QValidator>

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

void LimitToDocBytes(QLineEdit& edit, std::size_t maxBytes) {
  edit.setValidator(new DocBytesValidator(maxBytes, &edit));
}

}  // namespace kumo
