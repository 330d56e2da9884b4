// The document's CP932 texts in the windows, and back.
#pragma once

#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

class QLineEdit;

namespace kumo {

QString FromDocText(std::string_view cp932);

// The CP932 bytes for a text the user may have edited. A text that still reads as it was
// shown keeps its original bytes, since some CP932 codes do not survive a decode and re-encode.
// Nothing when a character cannot be held; refused then names it.
std::optional<std::string> ToDocText(const QString& text, std::string_view original,
                                     QString* refused = nullptr);

// The edit takes no more than maxBytes of CP932, so that nothing typed is cut off silently when
// the text goes into a field of the document.
void LimitToDocBytes(QLineEdit& edit, std::size_t maxBytes);

}  // namespace kumo
