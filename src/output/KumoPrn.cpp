#include "output/KumoPrn.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/Cp932.h"
#include "base/FileError.h"
#include "document/Changes.h"
#include "document/Options.h"
#include "document/TeacherListText.h"
#include "editing/WindowCommands.h"
#include "platform/DocText.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"

namespace kumo {
namespace {

constexpr int HelpContext = 111;

QCheckBox* AddCheck(QLayout* layout, const char* name, const QString& caption) {
  auto* box = new QCheckBox(caption);
  box->setObjectName(name);
  layout->addWidget(box);
  return box;
}

QPushButton* AddButton(QLayout* layout, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  button->setAutoDefault(false);
  layout->addWidget(button);
  return button;
}

// caption and the document's text, cut to maxBytes in whole characters.
QString CutLabel(const QString& caption, std::string_view text, std::size_t maxBytes) {
  return QString::fromStdString(
      CutToCp932Bytes((caption + FromDocText(text)).toStdString(), maxBytes));
}

}  // namespace

QFont PrintFont(const Options& options) {
  return QFont(QString::fromStdString(options.PrintFontName));
}

TdlgPrintOut::TdlgPrintOut(TKumData& doc, TClassLines& classes, Options& options,
                           Platform& platform, WindowCommands& windows)
    : doc_(doc), classes_(classes), options_(options), platform_(platform), windows_(windows) {
  setObjectName("dlgPrintOut");
  setWindowTitle(QStringLiteral("印刷"));
  setFont(GothicFont(13));
  setProperty("HelpContext", HelpContext);
  auto* layout = new QVBoxLayout(this);
  lblTitle_ = new QLabel;
  lblTitle_->setObjectName("lblTitle");
  lblComment_ = new QLabel;
  lblComment_->setObjectName("lblComment");
  layout->addWidget(lblTitle_);
  layout->addWidget(lblComment_);

  auto* choice = new QGroupBox(QStringLiteral("印刷の選択"));
  auto* choices = new QVBoxLayout(choice);
  cbxPrintTeachers_ = AddCheck(choices, "cbxPrintTeachers", QStringLiteral("教師時間割一覧"));
  cbxPrintClass_ = AddCheck(choices, "cbxPrintClass", QStringLiteral("クラス時間割"));
  connect(cbxPrintClass_, &QCheckBox::clicked, this, [this] { cbxPrintClassClick(); });
  gbxClassTable_ = new QGroupBox(QStringLiteral("クラス時間割"));
  gbxClassTable_->setObjectName("gbxClassTable");
  auto* classRow = new QHBoxLayout(gbxClassTable_);
  cbxClassSpecify_ = AddCheck(classRow, "cbxClassSpecify", QStringLiteral("クラス指定"));
  connect(cbxClassSpecify_, &QCheckBox::clicked, this, [this] { cbxClassSpecifyClick(); });
  cmbClassSpecify_ = new QComboBox;
  cmbClassSpecify_->setObjectName("cmbClassSpecify");
  cmbClassSpecify_->setPlaceholderText(QStringLiteral("1-1"));
  classRow->addWidget(cmbClassSpecify_);
  choices->addWidget(gbxClassTable_);
  cbxPrintNotices_ = AddCheck(choices, "cbxPrintNotices", QStringLiteral("変更のお知らせ"));
  layout->addWidget(choice);

  auto* copies = new QHBoxLayout;
  copies->addWidget(new QLabel(QStringLiteral("部数")));
  speCopies_ = new QSpinBox;
  speCopies_->setObjectName("speCopies");
  // A copy count below one prints nothing, or fails at the printer.
  speCopies_->setRange(1, 999);
  speCopies_->setValue(1);
  copies->addWidget(speCopies_);
  copies->addStretch();
  layout->addLayout(copies);

  auto* tools = new QHBoxLayout;
  connect(AddButton(tools, "btnPrinterSetUp", QStringLiteral("プリンタ設定")),
          &QPushButton::clicked, this, [this] { btnPrinterSetUpClick(); });
  connect(AddButton(tools, "btnEnvironment", QStringLiteral("環境設定")), &QPushButton::clicked,
          this, [this] { btnEnvironmentClick(); });
  connect(AddButton(tools, "btnPreview", QStringLiteral("プレビュー")), &QPushButton::clicked, this,
          [this] { btnPreviewClick(); });
  layout->addLayout(tools);

  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { btnOkClick(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  cbxPrintClassClick();
}

int TdlgPrintOut::RunPrintDialog() {
  FormShow();
  return platform_.ExecDialog(*this);
}

void TdlgPrintOut::ChooseNotices() {
  cbxPrintTeachers_->setChecked(false);
  cbxPrintClass_->setChecked(false);
  cbxPrintClassClick();
  cbxPrintNotices_->setChecked(true);
}

void TdlgPrintOut::FormShow() {
  lblTitle_->setText(CutLabel(QStringLiteral("タイトル："), doc_.Title().View(), 30));
  lblComment_->setText(CutLabel(QStringLiteral("コメント："), doc_.Comment().View(), 50));
  paper_ = options_.PaperSize;
  // A list made for another document would print another class than the one it names.
  if (cbxClassSpecify_->isChecked()) {
    const QString shown = cmbClassSpecify_->currentText();
    cbxClassSpecifyClick();
    const int again = cmbClassSpecify_->findText(shown);
    if (again >= 0) cmbClassSpecify_->setCurrentIndex(again);
  }
}

void TdlgPrintOut::cbxPrintClassClick() {
  const bool on = cbxPrintClass_->isChecked();
  gbxClassTable_->setEnabled(on);
  cbxClassSpecify_->setEnabled(on);
  cmbClassSpecify_->setEnabled(on);
}

void TdlgPrintOut::cbxClassSpecifyClick() {
  cmbClassSpecify_->clear();
  if (!cbxClassSpecify_->isChecked()) return;
  const TClassLines& classes = classes_;
  for (int c = 1; c <= classes.UsedEntries(); ++c) {
    const ClassEntry& entry = classes.Entries[c];
    cmbClassSpecify_->addItem(
        QString::fromStdString(DashedClassName(options_, entry.Grade, entry.ClassNo)));
  }
  cmbClassSpecify_->setCurrentIndex(cmbClassSpecify_->count() > 0 ? 0 : -1);
}

void TdlgPrintOut::btnPrinterSetUpClick() {
  platform_.PrinterSetup(this);
}

void TdlgPrintOut::btnEnvironmentClick() {
  windows_.OpenEnvironment(EnvironmentPage::Print);
  FormShow();
}

PrintInput TdlgPrintOut::Input() const {
  return {doc_, classes_, options_, logicalDpiY(), paper_, QDateTime::currentDateTime()};
}

std::vector<PrintTask> TdlgPrintOut::Tasks() const {
  const PrintInput in = Input();
  std::vector<PrintTask> tasks;
  if (cbxPrintTeachers_->isChecked()) tasks.push_back(TeacherListTask(in, speCopies_->value()));
  if (cbxPrintNotices_->isChecked() && !FindNotices(doc_).empty()) {
    tasks.push_back(NoticesTask(in));
  }
  if (!cbxPrintClass_->isChecked() || classes_.EntryCount == 0) return tasks;
  if (options_.ClassSmall) tasks.push_back(ClassTablesSmallTask(in));
  if (options_.ClassLarge) {
    int only = 0;
    if (cbxClassSpecify_->isChecked()) {
      only = cmbClassSpecify_->currentIndex() + 1;
      // No class chosen: nothing to print.
      if (only < 1 || only > classes_.EntryCount) return tasks;
    }
    tasks.push_back(ClassTablesLargeTask(in, only));
  }
  return tasks;
}

void TdlgPrintOut::btnPreviewClick() {
  const std::vector<PrintTask> tasks = Tasks();
  if (!tasks.empty() && platform_.PrintPreview(this, tasks)) btnOkClick();
}

void TdlgPrintOut::btnOkClick() {
  const std::vector<PrintTask> tasks = Tasks();
  try {
    if (!tasks.empty()) platform_.Print(tasks);
  } catch (const FileError& e) {
    platform_.ErrorBox(e.what());
  }
  accept();
}

PrintTask TeacherListTask(const PrintInput& in, int copies) {
  return {{"教師時間割一覧", static_cast<PaperSize>(in.paper),
           TeacherListLandscape(in.doc.LineCount()) ? PageOrientation::Landscape
                                                    : PageOrientation::Portrait,
           copies},
          [in](PrintJob& job) { PrintTeacherList(in, job); }};
}

PrintTask ClassTablesSmallTask(const PrintInput& in) {
  return {{"クラス時間割（小）", static_cast<PaperSize>(in.paper), PageOrientation::Landscape,
           std::nullopt},
          [in](PrintJob& job) { PrintClassTablesSmall(in, job); }};
}

PrintTask ClassTablesLargeTask(const PrintInput& in, int onlyEntry) {
  return {{"クラス時間割（大）", static_cast<PaperSize>(in.paper), PageOrientation::Portrait,
           std::nullopt},
          [in, onlyEntry](PrintJob& job) { PrintClassTablesLarge(in, job, onlyEntry); }};
}

}  // namespace kumo
