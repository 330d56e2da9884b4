#include "editing/KumoMic.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "document/FullWidth.h"
#include "document/KumoHead.h"
#include "document/Options.h"
#include "document/PeriodName.h"
#include "editing/WindowCommands.h"
#include "platform/DialogButtons.h"
#include "platform/DocText.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"

namespace kumo {
namespace {

constexpr int HelpContext = 511;
constexpr int CircledLabels = 1;

struct StateBox {
  const char* Name;
  const char* Caption;
};
constexpr std::array<StateBox, 6> StateBoxes{{{"cbxState1", "ロックされている"},
                                              {"cbxState2", "リンクしている"},
                                              {"cbxState3", "連続授業"},
                                              {"cbxState4", "ティーム授業"},
                                              {"cbxState5", "その他の注意"},
                                              {"cbxState6", "時間数に数える"}}};
constexpr std::size_t CountedBox = 5;

// １年２組: the class by its label, or by its number when the labels are circled.
QString ClassName(const TKumData& doc, const PeriodCell& piece, int viewClassType) {
  const std::string classText = viewClassType == CircledLabels
                                    ? ToFullWidth(std::to_string(piece.Item))
                                    : std::string(doc.ClassLabels()[piece.Item].View());
  return FromDocText(ToFullWidth(std::to_string(piece.Kind))) + QStringLiteral("年") +
         FromDocText(classText) + QStringLiteral("組");
}

QString SubjectName(const TKumData& doc, const PeriodCell& piece, const TeacherLine& line) {
  if (piece.IsClass()) {
    return FromDocText(piece.LessonSubject != 0 ? doc.SubjectNames4()[piece.LessonSubject].View()
                                                : doc.SubjectNames2()[line.Subject].View());
  }
  if (piece.Kind == KindSubject) return FromDocText(doc.SubjectNames4()[piece.Item].View());
  if (piece.Kind == KindSymbol) return FromDocText(doc.Symbols()[piece.Item].View());
  return {};
}

}  // namespace

TdlgMicro::TdlgMicro(TKumData& doc, Options& options, Platform& platform, TableCommands& table)
    : QDialog(nullptr), doc_(doc), options_(options), platform_(platform), table_(table) {
  setObjectName("dlgMicro");
  setWindowTitle(QStringLiteral("授業詳細"));
  setFont(GothicFont(12));
  auto* layout = new QVBoxLayout(this);
  // Close-set, as the dialog was designed: four lines of large type above the check boxes.
  layout->setContentsMargins(8, 4, 8, 8);
  layout->setSpacing(0);
  auto addLabel = [&](const char* name) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setFont(GothicFont(24));
    // Empty or not, each keeps its line, so that the dialog does not change its size.
    label->setMinimumHeight(label->fontMetrics().height());
    layout->addWidget(label);
    return label;
  };
  lblPeriod_ = addLabel("lblPeriod");
  lblTeacher_ = addLabel("lblTeacher");
  lblClass_ = addLabel("lblClass");
  lblSubject_ = addLabel("lblSubject");
  auto* states = new QGroupBox(QStringLiteral("属性"), this);
  states->setObjectName("grbStates");
  auto* grid = new QGridLayout(states);
  grid->setVerticalSpacing(0);
  for (std::size_t k = 0; k < StateBoxes.size(); ++k) {
    cbxStates_[k] = new QCheckBox(QString::fromUtf8(StateBoxes[k].Caption), states);
    cbxStates_[k]->setObjectName(StateBoxes[k].Name);
    grid->addWidget(cbxStates_[k], static_cast<int>(k % 3), static_cast<int>(k / 3));
  }
  layout->addWidget(states);

  layout->addWidget(MakeDialogButtons(*this, HelpContext));
  FixDesignedSize(*this, {317, 240});
}

std::uint8_t TdlgMicro::CheckedFlags() const {
  std::uint8_t flags = 0;
  for (std::size_t k = 0; k < cbxStates_.size(); ++k) {
    if (cbxStates_[k]->isChecked()) flags |= static_cast<std::uint8_t>(1U << k);
  }
  return flags;
}

void TdlgMicro::RunForCell() {
  TKumData& doc = doc_;
  if (!doc.CursorOnLine()) return;
  const TeacherLine& line = doc.Line(doc.CurLine());
  const PeriodCell& cell = doc.CursorCell();
  lblPeriod_->setText(FromDocText(LongPeriodName(doc.CurPeriod())));
  lblTeacher_->setText(FromDocText(line.Name.View()) + QStringLiteral("先生"));
  lblClass_->setText(cell.IsClass() ? ClassName(doc, cell, options_.ViewClassType) : QString());
  lblSubject_->setText(SubjectName(doc, cell, line));
  // An empty cell's leftover flags are nobody's.
  for (std::size_t k = 0; k < cbxStates_.size(); ++k) {
    cbxStates_[k]->setChecked(cell.Has(static_cast<PieceFlag>(1U << k)));
  }
  // A lesson always counts as a lesson hour.
  cbxStates_[CountedBox]->setEnabled(!cell.IsClass());
  if (platform_.ExecDialog(*this) != QDialog::Accepted) return;
  doc.SetFlags(CheckedFlags());
}

void TdlgMicro::RunForRange() {
  lblPeriod_->setText(QStringLiteral("選択範囲"));
  lblTeacher_->setText(QStringLiteral("属性設定"));
  lblClass_->clear();
  lblSubject_->clear();
  for (QCheckBox* box : cbxStates_) box->setChecked(false);
  if (platform_.ExecDialog(*this) != QDialog::Accepted) return;
  doc_.AddFlags(table_.SelectedCells(), CheckedFlags());
}

}  // namespace kumo
