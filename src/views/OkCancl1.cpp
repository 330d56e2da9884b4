#include "views/OkCancl1.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/DialogButtons.h"
#include "platform/DocText.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/WindowFrame.h"
#include "platform/WindowKinds.h"

namespace kumo {

TOKBottomDlg::TOKBottomDlg(const QString& caption, int helpContext) : QDialog(nullptr, ToolWindow) {
  setWindowTitle(caption);
  setFont(GothicFont(12));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(4);
  auto* bevel = new QFrame(this);
  bevel->setFrameShape(QFrame::StyledPanel);
  bevel->setFrameShadow(QFrame::Sunken);
  body_ = new QGridLayout(bevel);
  body_->setContentsMargins(6, 4, 6, 4);
  body_->setVerticalSpacing(2);
  layout->addWidget(bevel);

  layout->addWidget(MakeDialogButtons(*this, helpContext));
}

QLineEdit* TOKBottomDlg::AddEdit(const char* labelName, const QString& caption,
                                 const char* editName, std::size_t maxBytes) {
  const int row = body_->rowCount();
  auto* label = new QLabel(caption, this);
  label->setObjectName(labelName);
  auto* edit = new QLineEdit(this);
  edit->setObjectName(editName);
  LimitToDocBytes(*edit, maxBytes);
  label->setBuddy(edit);
  edits_.push_back(edit);
  body_->addWidget(label, row, 0);
  body_->addWidget(edit, row, 1);
  return edit;
}

bool TOKBottomDlg::Run(Platform& platform, QPoint origin,
                       std::initializer_list<std::string_view> originals,
                       const std::function<void(const std::vector<std::string>&)>& store) {
  constexpr int Offset = 48;
  const Bounds outer = OuterBounds(*this);
  PlaceWithinReach(*this, {origin.x() + Offset, origin.y() + Offset, outer.Width, outer.Height});
  const std::vector<std::string_view> shown(originals);  // one for each edit
  for (std::size_t k = 0; k < edits_.size(); ++k) edits_[k]->setText(FromDocText(shown.at(k)));
  edits_.front()->setFocus();
  for (;;) {
    if (platform.ExecDialog(*this) != QDialog::Accepted) return false;
    std::vector<std::string> texts;
    QString refused;
    for (std::size_t k = 0; k < edits_.size(); ++k) {
      std::optional<std::string> text = ToDocText(edits_[k]->text(), shown[k], &refused);
      if (!text) break;
      texts.push_back(std::move(*text));
    }
    if (texts.size() == edits_.size()) {
      store(texts);
      return true;
    }
    platform.MessageBox(BoxType::Error, Buttons::OkCancel,
                        "使えない文字があります：" + refused.toStdString());
  }
}

}  // namespace kumo
