#include "output/KumoEnv.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/Cp932.h"
#include "document/KumoHead.h"
#include "editing/WindowCommands.h"
#include "output/KumoPrn.h"
#include "platform/Canvas.h"
#include "platform/DocText.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/RadioGroup.h"
#include "platform/StringGrid.h"

namespace kumo {
namespace {

constexpr int MaxFontNameBytes = 30;
constexpr int HelpContexts[] = {311, 312, 313};

QVBoxLayout* AddGroup(QVBoxLayout* layout, const QString& caption) {
  auto* group = new QGroupBox(caption);
  layout->addWidget(group);
  return new QVBoxLayout(group);
}

QVBoxLayout* AddPage(QTabWidget* tabs, const QString& caption) {
  auto* page = new QWidget;
  tabs->addTab(page, caption);
  return new QVBoxLayout(page);
}

QLineEdit* AddEdit(QVBoxLayout* layout, const char* name, const QString& caption) {
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(caption));
  auto* edit = new QLineEdit;
  edit->setObjectName(name);
  row->addWidget(edit);
  layout->addLayout(row);
  return edit;
}

QPushButton* AddButton(QLayout* layout, const char* name, const QString& caption,
                       const QString& hint) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  button->setToolTip(hint);
  layout->addWidget(button);
  return button;
}

}  // namespace

TdlgEnvironment::TdlgEnvironment(TKumData& doc, Options& options, Platform& platform,
                                 WindowCommands& windows)
    : QDialog(nullptr), doc_(doc), options_(options), platform_(platform), windows_(windows) {
  setObjectName("dlgEnvironment");
  setWindowTitle(QStringLiteral("環境設定"));
  setFont(GothicFont(12));
  tnbEnv_ = new QTabWidget(this);
  tnbEnv_->setObjectName("tnbEnv");
  BuildEditPage();
  BuildViewPage();
  BuildPrintPage();
  connect(tnbEnv_, &QTabWidget::currentChanged, this, [this] { SetHelpContext(); });

  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tnbEnv_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  SetHelpContext();
}

QCheckBox* TdlgEnvironment::AddCheck(QVBoxLayout* layout, const char* name, const QString& caption,
                                     bool& option) {
  auto* box = new QCheckBox(caption);
  box->setObjectName(name);
  box->setChecked(option);
  connect(box, &QCheckBox::toggled, this, [&option](bool on) { option = on; });
  layout->addWidget(box);
  checks_.emplace_back(box, &option);
  return box;
}

RadioGroup* TdlgEnvironment::AddRadio(QVBoxLayout* layout, const char* name, const QString& caption,
                                      const QStringList& items, int columns, int& option) {
  auto* group = new RadioGroup(caption, items, columns, nullptr);
  group->setObjectName(name);
  group->SetItemIndex(option);
  group->OnChanged([&option](int index) { option = index; });
  layout->addWidget(group);
  radios_.emplace_back(group, &option);
  return group;
}

void TdlgEnvironment::BuildEditPage() {
  Options& o = options_;
  QVBoxLayout* page = AddPage(tnbEnv_, QStringLiteral("編集"));
  cbxAutoLocate_ =
      AddCheck(page, "cbxAutoLocate", QStringLiteral("駒の重なり時のカーソル移動"), o.AutoLocate);
  cbxAutoExchange_ =
      AddCheck(page, "cbxAutoExchange", QStringLiteral("駒の重なり時の自動交換"), o.AutoExchange);
  connect(cbxAutoExchange_, &QCheckBox::clicked, this, [this] { cbxAutoExchangeClick(); });
  AddCheck(page, "cbxSelfTeaching", QStringLiteral("自習編集設定"), o.SelfTeaching);
  AddCheck(page, "cbxOnStackView", QStringLiteral("スタック上にある駒の斜体表示"), o.OnStackView);
  AddCheck(page, "cbxCountedView", QStringLiteral("時間数に数える教科記号の太字表示"),
           o.CountedView);
  AddCheck(page, "cbxASDFKeys", QStringLiteral("ＡＳＤＦキーを使う"), o.ASDFKeys);
  AddCheck(page, "cbxTenKeys", QStringLiteral("テンキーを使う"), o.TenKeys);
  AddCheck(page, "cbxShowPlaces", QStringLiteral("置ける時限を色で表示する"), o.ShowPlaces);
  AddCheck(page, "cbxMarkClashes", QStringLiteral("重なった駒に印を付ける"), o.MarkClashes);
  AddCheck(page, "cbxDragPieces", QStringLiteral("ドラッグで駒を動かす"), o.DragPieces);
  QVBoxLayout* bars = AddGroup(page, QStringLiteral("ｽｸﾛｰﾙﾊﾞｰの表示"));
  for (QCheckBox* box :
       {AddCheck(bars, "cbxVertical", QStringLiteral("垂直"), o.ScrollVertical),
        AddCheck(bars, "cbxHorizontal", QStringLiteral("水平"), o.ScrollHorizontal)}) {
    connect(box, &QCheckBox::clicked, this, [this] { ApplyScrollBars(); });
  }
  page->addStretch();
}

void TdlgEnvironment::BuildViewPage() {
  Options& o = options_;
  // Two columns, so that the dialog fits on a small screen.
  auto* columns = new QHBoxLayout;
  AddPage(tnbEnv_, QStringLiteral("表示"))->addLayout(columns);
  auto* page = new QVBoxLayout;
  auto* right = new QVBoxLayout;
  columns->addLayout(page);
  columns->addLayout(right);
  rgpViewClassType_ =
      AddRadio(page, "rgpViewClassType", QStringLiteral("クラス表示形式"),
               {QStringLiteral("１,２,３…"), QStringLiteral("①,②,③…"), QStringLiteral("Ａ,Ｂ,Ｃ…")},
               1, o.ViewClassType);
  rgpViewClassType_->OnClick([this] { rgpViewClassTypeClick(); });

  QVBoxLayout* teachers = AddGroup(page, QStringLiteral("教師一覧"));
  rgpViewTeachers_ =
      AddRadio(teachers, "rgpViewTeachers", QStringLiteral("表示グループ"),
               {QStringLiteral("教科別"), QStringLiteral("学年別")}, 1, o.TeachersGroup);
  rgpViewTeachers_->OnClick([this] { rgpViewTeachersClick(); });
  lblSubject_ = new QLabel(QStringLiteral("教科"));
  lblSubject_->setObjectName("lblSubject");
  teachers->addWidget(lblSubject_);
  lbxSubject_ = new QListWidget;
  lbxSubject_->setObjectName("lbxSubject");
  for (int k = 0; k <= MaxSubject; ++k) {
    lbxSubject_->addItem(FromDocText(doc_.SubjectNames1()[k].View()));
  }
  lbxSubject_->setCurrentRow(o.TeachersSubject);
  connect(lbxSubject_, &QListWidget::currentRowChanged, this,
          [this](int row) { options_.TeachersSubject = row; });
  teachers->addWidget(lbxSubject_);
  rgpGrade_ = AddRadio(teachers, "rgpGrade", QStringLiteral("学年"),
                       {QStringLiteral("１年"), QStringLiteral("２年"), QStringLiteral("３年")}, 1,
                       o.TeachersGrade);

  QVBoxLayout* classes = AddGroup(right, QStringLiteral("クラス一覧"));
  const char* gradeNames[] = {"cbxGrade1", "cbxGrade2", "cbxGrade3"};
  const QString gradeCaptions[] = {QStringLiteral("１年"), QStringLiteral("２年"),
                                   QStringLiteral("３年")};
  for (int g = 0; g < 3; ++g) AddCheck(classes, gradeNames[g], gradeCaptions[g], o.ClassesGrade[g]);
  AddCheck(right, "cbxShowChanges", QStringLiteral("保存後に変えた時限を枠で囲む"), o.ShowChanges);

  auto* colorGroup = new QGroupBox(QStringLiteral("色設定"));
  auto* colors = new QGridLayout(colorGroup);
  const char* colorNames[] = {"btnColorGrade1",  "btnColorGrade2",    "btnColorGrade3",
                              "btnColorSubject", "btnColorSigniture", "btnColorCursor"};
  const QString colorCaptions[] = {QStringLiteral("１年"), QStringLiteral("２年"),
                                   QStringLiteral("３年"), QStringLiteral("教科"),
                                   QStringLiteral("記号"), QStringLiteral("カーソル")};
  for (int b = 0; b < 6; ++b) {
    colorButtons_[b] = new QPushButton(colorCaptions[b]);
    colorButtons_[b]->setObjectName(colorNames[b]);
    colors->addWidget(colorButtons_[b], b / 3, b % 3);
    connect(colorButtons_[b], &QPushButton::clicked, this, [this, b] { btnColorClick(b); });
  }
  // Told apart by every kind of colour vision, and dark enough to read on the tints.
  auto* safe = new QPushButton(QStringLiteral("色覚に配慮した配色(&U)"));
  safe->setObjectName("btnSafeColors");
  colors->addWidget(safe, 2, 0, 1, 3);
  connect(safe, &QPushButton::clicked, this, [this] { btnSafeColorsClick(); });
  AddCheck(right, "cbxGradeLabels", QStringLiteral("クラスを学年付きで表示する"), o.GradeLabels);
  right->addWidget(colorGroup);
  right->addStretch();
}

void TdlgEnvironment::BuildPrintPage() {
  Options& o = options_;
  QVBoxLayout* page = AddPage(tnbEnv_, QStringLiteral("印刷"));
  edtTitle_ = AddEdit(page, "edtTitle", QStringLiteral("タイトル："));
  edtComment_ = AddEdit(page, "edtComment", QStringLiteral("コメント："));
  rgpTeachers_ = AddRadio(page, "rgpTeachers", QStringLiteral("一覧"),
                          {QStringLiteral("1②"), QStringLiteral(" ②"), QStringLiteral("1-2")}, 1,
                          o.TeachersKind);
  rgpTeachers_->OnClick([this] { rgpTeachersClick(); });
  QVBoxLayout* classes = AddGroup(page, QStringLiteral("クラス"));
  AddCheck(classes, "cbxSmall", QStringLiteral("小"), o.ClassSmall);
  AddCheck(classes, "cbxLarge", QStringLiteral("大"), o.ClassLarge);
  AddRadio(page, "rgpPaperSize", QStringLiteral("用紙サイズ"),
           {QStringLiteral("Ａ４"), QStringLiteral("Ｂ４"), QStringLiteral("Ａ３")}, 1,
           o.PaperSize);

  auto* fontRow = new QHBoxLayout;
  QPushButton* setFont = AddButton(fontRow, "btnSetFont", QStringLiteral("フォント設定(&F)"),
                                   QStringLiteral("印刷用フォントの設定"));
  connect(setFont, &QPushButton::clicked, this, [this] { btnSetFontClick(); });
  edtFont_ = new QLineEdit;
  edtFont_->setObjectName("edtFont");
  edtFont_->setReadOnly(true);
  fontRow->addWidget(edtFont_);
  page->addLayout(fontRow);
  auto* printerRow = new QHBoxLayout;
  QPushButton* setPrinter =
      AddButton(printerRow, "btnSetPrinter", QStringLiteral("プリンター設定(&P)"),
                QStringLiteral("プリンターの設定"));
  connect(setPrinter, &QPushButton::clicked, this, [this] { btnSetPrinterClick(); });
  page->addLayout(printerRow);

  AddCheck(page, "cbxColor", QStringLiteral("カラー印刷"), o.Color);
  AddRadio(page, "rgpClassLetters", QStringLiteral("クラス字数"),
           {QStringLiteral("１字"), QStringLiteral("２字"), QStringLiteral("４字")}, 2,
           o.ClassLetters);
  AddCheck(page, "cbxCountedPrint", QStringLiteral("時間数に数える教科記号の下線印刷"),
           o.CountedPrint);
  page->addStretch();
}

void TdlgEnvironment::LoadFromOptions() {
  for (auto [box, option] : checks_) box->setChecked(*option);
  for (auto [group, option] : radios_) group->SetItemIndex(*option);
  int subject = options_.TeachersSubject;
  lbxSubject_->setCurrentRow(subject >= 0 && subject < lbxSubject_->count() ? subject : -1);
  cbxAutoExchangeClick();
  rgpViewClassTypeClick();
  rgpViewTeachersClick();
  rgpTeachersClick();
  ApplyScrollBars();
}

void TdlgEnvironment::cbxAutoExchangeClick() {
  if (cbxAutoExchange_->isChecked()) cbxAutoLocate_->setChecked(true);
  cbxAutoLocate_->setEnabled(!cbxAutoExchange_->isChecked());
}

// The sample items show a class as the display type writes it.
void TdlgEnvironment::rgpViewClassTypeClick() {
  bool letters = rgpViewClassType_->ItemIndex() == 2;
  rgpTeachers_->SetItemText(0, letters ? QStringLiteral("1Ｂ") : QStringLiteral("1②"));
  rgpTeachers_->SetItemText(1, letters ? QStringLiteral(" Ｂ") : QStringLiteral(" ②"));
  rgpTeachers_->SetItemText(2, letters ? QStringLiteral("1-B") : QStringLiteral("1-2"));
}

void TdlgEnvironment::rgpViewTeachersClick() {
  int group = rgpViewTeachers_->ItemIndex();
  if (group != 0 && group != 1) return;
  lbxSubject_->setEnabled(group == 0);
  lblSubject_->setEnabled(group == 0);
  rgpGrade_->setEnabled(group == 1);
}

// "1-2" has room for one digit of class number only.
void TdlgEnvironment::rgpTeachersClick() {
  if (rgpTeachers_->ItemIndex() != 2 || doc_.MaxClassCount() <= 9) return;
  platform_.MessageBox(BoxType::Error, Buttons::OkCancel,
                       "1学年10クラス以上あるときは選択できません");
  rgpTeachers_->SetItemIndex(0);
}

ColorRef& TdlgEnvironment::ColorOption(int button) {
  return button < 5 ? options_.PieceColors[button + 1] : options_.CursorColor;
}

void TdlgEnvironment::SetButtonColor(int button, ColorRef color) {
  QPalette palette = colorButtons_[button]->palette();
  palette.setColor(QPalette::ButtonText, ToQColor(color));
  colorButtons_[button]->setPalette(palette);
}

ColorRef TdlgEnvironment::ButtonColor(int button) const {
  return FromQColor(colorButtons_[button]->palette().color(QPalette::ButtonText));
}

void TdlgEnvironment::btnColorClick(int button) {
  if (std::optional<ColorRef> chosen = platform_.ChooseColor(this, ButtonColor(button))) {
    SetButtonColor(button, *chosen);
  }
}

// The face name is taken at once, whether or not the dialog is then confirmed.
void TdlgEnvironment::btnSafeColorsClick() {
  constexpr ColorRef SafeColors[] = {Rgb(0, 114, 178), Rgb(213, 94, 0), Rgb(0, 140, 100),
                                     Rgb(170, 51, 119), Rgb(0, 0, 0)};
  for (int b = 0; b < 5; ++b) SetButtonColor(b, SafeColors[b]);
}

void TdlgEnvironment::btnSetFontClick() {
  std::optional<QFont> chosen = platform_.ChooseFont(this, edtFont_->font());
  if (!chosen) return;
  edtFont_->setFont(*chosen);
  edtFont_->setText(chosen->family());
  options_.PrintFontName = CutToCp932Bytes(chosen->family().toStdString(), MaxFontNameBytes);
}

void TdlgEnvironment::btnSetPrinterClick() {
  platform_.PrinterSetup(this);
}

void TdlgEnvironment::SetHelpContext() {
  setProperty("HelpContext", HelpContexts[std::max(0, tnbEnv_->currentIndex())]);
}

void TdlgEnvironment::ApplyScrollBars() {
  bool vertical = options_.ScrollVertical;
  bool horizontal = options_.ScrollHorizontal;
  GridScrollBars bars = vertical && horizontal ? GridScrollBars::Both
                        : vertical             ? GridScrollBars::Vertical
                        : horizontal           ? GridScrollBars::Horizontal
                                               : GridScrollBars::None;
  windows_.SetScrollBars(bars);
}

int TdlgEnvironment::RunEnvironmentDialog(int page) {
  if (page >= 0) tnbEnv_->setCurrentIndex(page);
  edtTitle_->setText(FromDocText(doc_.Title().View()));
  edtComment_->setText(FromDocText(doc_.Comment().View()));
  rgpViewClassTypeClick();
  edtFont_->setFont(PrintFont(options_));
  edtFont_->setText(QString::fromStdString(options_.PrintFontName));
  // Colours picked in a cancelled run are gone.
  for (int b = 0; b < 6; ++b) SetButtonColor(b, ColorOption(b));
  SetHelpContext();
  for (;;) {
    int result = platform_.ExecDialog(*this);
    if (result != QDialog::Accepted || ApplyOk()) return result;
  }
}

bool TdlgEnvironment::ApplyOk() {
  QString refused;
  std::optional<std::string> title = ToDocText(edtTitle_->text(), doc_.Title().View(), &refused);
  std::optional<std::string> comment;
  if (title) comment = ToDocText(edtComment_->text(), doc_.Comment().View(), &refused);
  if (!title || !comment) {
    platform_.MessageBox(BoxType::Error, Buttons::OkCancel,
                         (title ? "コメント" : "タイトル") +
                             std::string("に使えない文字があります：") + refused.toStdString());
    return false;
  }
  // The views renew once, when every setting has been taken.
  const TKumData::Batch batch(doc_);
  DeriveOptions(options_);
  doc_.MakeClassLabels();
  for (int b = 0; b < 6; ++b) ColorOption(b) = ButtonColor(b);
  doc_.SetTitle(*title, *comment);
  windows_.ShowTeacher(doc_.CurLine());
  return true;
}

}  // namespace kumo
