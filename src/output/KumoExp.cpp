#include "output/KumoExp.h"
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/SysFile.h"
#include "document/Changes.h"
#include "document/Export.h"
#include "document/KumoHead.h"
#include "document/Options.h"
#include "editing/WindowCommands.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/RadioGroup.h"

namespace kumo {
namespace {

constexpr int HelpContext = 411;
const char* const ExportFilter = "テキスト|*.txt|Excel ブック|*.xlsx|全て|*.*";

std::string FormatOf(const std::string& path) {
  return IsWorkbookName(path) ? "Excel ブック" : "テキスト形式のファイル";
}

}  // namespace

TdlgExport::TdlgExport(TKumData& doc, TClassLines& classes, Options& options, Platform& platform,
                       MainCommands& main, TableCommands& table, WindowCommands& windows,
                       const std::string& documentsDir)
    : QDialog(nullptr),
      doc_(doc),
      classes_(classes),
      options_(options),
      platform_(platform),
      main_(main),
      table_(table),
      windows_(windows),
      documentsDir_(documentsDir) {
  setObjectName("dlgExport");
  setWindowTitle(QStringLiteral("ファイルエクスポート"));
  setFont(GothicFont(13));
  setProperty("HelpContext", HelpContext);

  rgpExport_ = new RadioGroup(QStringLiteral("形式の選択"),
                              {QStringLiteral("教師時間割"), QStringLiteral("クラス時間割"),
                               QStringLiteral("変更のお知らせ")},
                              3, nullptr);
  rgpExport_->setObjectName("rgpExport");
  rgpExport_->SetItemIndex(0);

  auto* fileGroup = new QGroupBox(QStringLiteral("ファイル名"));
  auto* fileRow = new QHBoxLayout(fileGroup);
  edtFileName_ = new QLineEdit;
  edtFileName_->setObjectName("edtFileName");
  edtFileName_->setMinimumWidth(260);
  auto* btnRefer = new QPushButton(QStringLiteral("参照..."));
  btnRefer->setObjectName("btnRefer");
  connect(btnRefer, &QPushButton::clicked, this, [this] { btnReferClick(); });
  connect(edtFileName_, &QLineEdit::textChanged, this, [this] { ShowFormat(); });
  fileRow->addWidget(edtFileName_);
  fileRow->addWidget(btnRefer);

  auto* btnEnvironment = new QPushButton(QStringLiteral("環境設定..."));
  btnEnvironment->setObjectName("btnEnvironment");
  connect(btnEnvironment, &QPushButton::clicked, this, [this] { btnEnvironmentClick(); });
  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(btnEnvironment);
  bottom->addStretch();
  bottom->addWidget(buttons);

  lblFormat_ = new QLabel;
  lblFormat_->setObjectName("lblFormat");
  ShowFormat();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblFormat_);
  layout->addWidget(rgpExport_);
  layout->addWidget(fileGroup);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TdlgExport::RunExportDialog() {
  for (;;) {
    if (platform_.ExecDialog(*this) != QDialog::Accepted) return;
    // A name of spaces alone is no name either; any other name is taken as typed.
    if (!edtFileName_->text().trimmed().isEmpty()) break;
    platform_.MessageBox(BoxType::Error, Buttons::OkCancel, "ファイル名を指定してください");
  }
  constexpr const char* Names[] = {"教師時間割", "クラス時間割", "変更のお知らせ"};
  const int kind = std::clamp(rgpExport_->ItemIndex(), 0, 2);
  // Notices of no change would be an empty file: the user is told instead.
  if (static_cast<ExportKind>(kind) == ExportKind::Notices && FindNotices(doc_).empty()) {
    platform_.MessageBox(BoxType::Warning, Buttons::OkCancel,
                         "変わったところがないので、変更のお知らせはありません");
    return;
  }
  const std::string path = AbsolutePath(edtFileName_->text().toStdString());
  WriteExport(doc_, classes_, options_, static_cast<ExportKind>(kind), path);
  table_.Tell(std::string(Names[kind]) + "を" + FormatOf(path) + "「" + FileNameOf(path) +
              "」にエクスポートしました（" + DirectoryOf(path) + "）");
}

void TdlgExport::ChooseNotices() {
  rgpExport_->SetItemIndex(static_cast<int>(ExportKind::Notices));
}

// The file's format, by the name as it stands.
void TdlgExport::ShowFormat() {
  lblFormat_->setText(QString::fromStdString(FormatOf(edtFileName_->text().toStdString())) +
                      QStringLiteral("にエクスポートします"));
}

// The field takes whatever the save dialog ends with: after a cancel, the name it held before.
void TdlgExport::btnReferClick() {
  const FileDialogRequest request{ExportFilter, "txt", referName_, InitialDir(), "エクスポート"};
  if (auto chosen = platform_.SaveFileDialog(this, request)) referName_ = *chosen;
  edtFileName_->setText(QString::fromStdString(referName_));
}

void TdlgExport::btnEnvironmentClick() {
  windows_.OpenEnvironment(EnvironmentPage::Print);
}

std::string TdlgExport::InitialDir() const {
  const bool open = main_.TimetableOpen();
  if (open && doc_.FileName() != NewTableName) return DirectoryOf(doc_.FileName());
  return documentsDir_;
}

}  // namespace kumo
