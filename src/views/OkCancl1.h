// The plain OK/Cancel dialog the table editors are made from: a bevelled body above a row of
// "OK", "キャンセル" and "ヘルプ(&H)".
#pragma once

#include <QDialog>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class QGridLayout;
class QLineEdit;

namespace kumo {

class Platform;

class TOKBottomDlg : public QDialog {
 public:
  TOKBottomDlg(const QString& caption, int helpContext);

  // Runs modally at origin + 48 pixels until Cancel, or until OK with every edit's text
  // representable in the document; then store gets the edits' CP932 texts in the order they
  // were added. originals holds the text each edit starts with; a text still as shown keeps its
  // original bytes.
  bool Run(Platform& platform, QPoint origin, std::initializer_list<std::string_view> originals,
           const std::function<void(const std::vector<std::string>&)>& store);

 protected:
  QGridLayout& Body() { return *body_; }
  // A caption and its edit in the next row of the body; the edit takes at most maxBytes of
  // CP932, so that nothing typed is cut off unseen.
  QLineEdit* AddEdit(const char* labelName, const QString& caption, const char* editName,
                     std::size_t maxBytes);

 private:
  QGridLayout* body_ = nullptr;
  std::vector<QLineEdit*> edits_;
};

}  // namespace kumo
