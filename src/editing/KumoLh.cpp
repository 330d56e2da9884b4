#include "editing/KumoLh.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "document/KumoHead.h"
#include "editing/WindowCommands.h"
#include "platform/DocText.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/RadioGroup.h"
#include "platform/WindowFrame.h"

namespace kumo {
namespace {

constexpr int HelpContext = 211;
constexpr int NameLength = 6;

QFrame* AddPanel(QWidget* parent, const QRect& place) {
  auto* panel = new QFrame(parent);
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setGeometry(place);
  return panel;
}

QListWidget* AddList(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                     int x, int width) {
  auto* label = new QLabel(caption, parent);
  label->setGeometry(x, 4, width, 14);
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  list->setToolTip(hint);
  list->setGeometry(x, 20, width, 96);
  return list;
}

// The window's questions are asked out of its stay-on-top state, so that the box is not hidden
// behind it; the state comes back when the handler is done.
class OffTop {
 public:
  OffTop(Platform& platform, QWidget& window) : platform_(platform), window_(window) {
    platform_.SetStayOnTop(window_, false);
  }
  ~OffTop() { platform_.SetStayOnTop(window_, true); }
  OffTop(const OffTop&) = delete;
  OffTop& operator=(const OffTop&) = delete;

 private:
  Platform& platform_;
  QWidget& window_;
};

}  // namespace

TfrmLineHead::TfrmLineHead(TKumData& doc, Platform& platform, MainCommands& main)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint),
      doc_(doc),
      platform_(platform),
      main_(main) {
  setObjectName("frmLineHead");
  setWindowTitle(QStringLiteral("行ヘッダ編集"));
  setFont(GothicFont(13));
  setFixedSize(322, 185);
  setProperty("HelpContext", HelpContext);
  BuildControls();
  FillSubjects();
  rgrGrade_->SetItemIndex(0);
  lbxSubject_->setCurrentRow(0);
}

void TfrmLineHead::BuildControls() {
  QFrame* inputs = AddPanel(this, {4, 4, 226, 150});
  rgrGrade_ = new RadioGroup(QStringLiteral("学年"),
                             {QStringLiteral("無し"), QStringLiteral("１年"),
                              QStringLiteral("２年"), QStringLiteral("３年")},
                             1, inputs);
  rgrGrade_->setObjectName("rgrGrade");
  rgrGrade_->setToolTip(QStringLiteral("学年を選択する"));
  rgrGrade_->setGeometry(4, 4, 82, 112);
  lbxSubject_ = AddList(inputs, "lbxSubject", QStringLiteral("教科"),
                        QStringLiteral("教科を選択する"), 90, 70);
  lbxCharge_ = AddList(inputs, "lbxCharge", QStringLiteral("担任"),
                       QStringLiteral("担任クラスを選択する"), 164, 58);
  auto* nameLabel = new QLabel(QStringLiteral("名前"), inputs);
  nameLabel->setGeometry(6, 124, 32, 20);
  edtName_ = new QLineEdit(inputs);
  edtName_->setObjectName("edtName");
  edtName_->setToolTip(QStringLiteral("名前を入力する"));
  edtName_->setMaxLength(NameLength);
  LimitToDocBytes(*edtName_, decltype(TeacherLine::Name)::Capacity);
  edtName_->setGeometry(40, 122, 118, 22);
  edtName_->installEventFilter(this);

  QFrame* actions = AddPanel(this, {234, 4, 84, 114});
  btnAdd_ = AddButton(actions, "btnAdd", QStringLiteral("追加"), QStringLiteral("最後尾に追加"),
                      {4, 4, 76, 24}, &TfrmLineHead::btnAddClick);
  btnInsert_ =
      AddButton(actions, "btnInsert", QStringLiteral("挿入"), QStringLiteral("現在行の前に挿入"),
                {4, 31, 76, 24}, &TfrmLineHead::btnInsertClick);
  btnChange_ =
      AddButton(actions, "btnChange", QStringLiteral("変更"), QStringLiteral("現在行を変更"),
                {4, 58, 76, 24}, &TfrmLineHead::btnChangeClick);
  btnDel_ = AddButton(actions, "btnDel", QStringLiteral("切取"),
                      QStringLiteral("現在行を切り取ってバッファへ"), {4, 85, 76, 24},
                      &TfrmLineHead::btnDelClick);

  btnRenew_ =
      AddButton(this, "btnRenew", QStringLiteral("取込"), QStringLiteral("現在行を取り込む"),
                {234, 124, 40, 26}, &TfrmLineHead::btnRenewClick);
  btnClear_ = AddButton(this, "btnClear", QStringLiteral("ｸﾘｱ"),
                        QStringLiteral("すべて(バッファも)空にする"), {278, 124, 40, 26},
                        &TfrmLineHead::btnClearClick);
  AddButton(this, "btnStackClear", QStringLiteral("ｽﾀｯｸｸﾘｱ"), QStringLiteral("スタックのクリア"),
            {4, 157, 96, 24}, &TfrmLineHead::btnStackClearClick);
  auto* close = AddButton(this, "btnClose", QStringLiteral("閉じる"),
                          QStringLiteral("行ヘッダ編集を閉じる"), {234, 157, 84, 24}, nullptr);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto* help = AddButton(this, "btnHelp", QStringLiteral("?"), QStringLiteral("ヘルプの表示"),
                         {196, 157, 34, 24}, nullptr);
  help->setProperty("HelpContext", HelpContext);
  // Where the keyboard is shows at a glance: every list shows its choice alike otherwise.
  inputs->setStyleSheet(
      QStringLiteral("QListWidget:focus { border: 2px solid palette(highlight); }"
                     "QRadioButton:focus { border: 1px solid palette(highlight); }"));
  // Tab walks the fields as they are read, the grade first, and the lower buttons left to right.
  setTabOrder(btnClear_, findChild<QPushButton*>("btnStackClear"));
  setTabOrder(findChild<QPushButton*>("btnStackClear"), help);
  setTabOrder(help, close);
  // Enter in a field appends the line, as 追加 does.
  for (int k = 0; k < rgrGrade_->Count(); ++k) rgrGrade_->Button(k)->installEventFilter(this);
  lbxSubject_->installEventFilter(this);
  lbxCharge_->installEventFilter(this);
}

QPushButton* TfrmLineHead::AddButton(QWidget* parent, const char* name, const QString& caption,
                                     const QString& hint, const QRect& place,
                                     void (TfrmLineHead::*click)()) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setGeometry(place);
  if (click) connect(button, &QPushButton::clicked, this, [this, click] { (this->*click)(); });
  return button;
}

// The names of the open timetable, which may have come with its own subject table.
void TfrmLineHead::FillSubjects() {
  const int row = lbxSubject_->currentRow();
  lbxSubject_->clear();
  for (const auto& name : doc_.SubjectNames1().Items)
    lbxSubject_->addItem(FromDocText(name.View()));
  lbxSubject_->setCurrentRow(row);
}

void TfrmLineHead::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;  // restored from the task bar, not newly shown
  if (!centred_) {
    centred_ = true;
    CentreOnScreen(*this);
  }
  btnRenewClick();
  FocusGrade();
}

// After a question the box's owner, the main window, would keep the keyboard.
void TfrmLineHead::FocusGrade() {
  activateWindow();
  rgrGrade_->Button(std::max(0, rgrGrade_->ItemIndex()))->setFocus(Qt::TabFocusReason);
}

void TfrmLineHead::btnRenewClick() {
  TKumData& doc = doc_;
  main_.EnableMain(false);
  FillSubjects();
  const int charge = lbxCharge_->currentRow();
  lbxCharge_->clear();
  for (const auto& label : doc.ClassLabels().Items) lbxCharge_->addItem(FromDocText(label.View()));
  lbxCharge_->setCurrentRow(charge);
  ShowState();
  if (BufferFull_) return;
  const TeacherLine line = doc.GetCurrentLine();
  rgrGrade_->SetItemIndex(line.Grade);
  lbxSubject_->setCurrentRow(line.Subject);
  shownName_ = std::string(line.Name.View());
  edtName_->setText(FromDocText(shownName_));
  lbxCharge_->setCurrentRow(line.Homeroom);
}

bool TfrmLineHead::HistoryEmpty() const {
  return doc_.HistoryEnd() <= 1;
}

void TfrmLineHead::ShowState() {
  const bool editing = !BufferFull_;
  for (QWidget* control : std::initializer_list<QWidget*>{rgrGrade_, lbxSubject_, edtName_,
                                                          lbxCharge_, btnRenew_, btnChange_}) {
    control->setEnabled(editing);
  }
  btnDel_->setEnabled(editing && HistoryEmpty());
  btnInsert_->setEnabled(HistoryEmpty());
}

bool TfrmLineHead::RefuseWithHistory() {
  if (HistoryEmpty()) return false;
  platform_.Beep();
  ShowState();
  return true;
}

std::optional<TeacherLine> TfrmLineHead::FromFields(TeacherLine line, bool appending) {
  QString refused;
  const std::optional<std::string> name = ToDocText(edtName_->text(), shownName_, &refused);
  if (!name) {
    platform_.MessageBox(BoxType::Error, Buttons::OkCancel,
                         "名前に使えない文字があります：" + refused.toStdString());
    return std::nullopt;
  }
  line.Grade = static_cast<Byte>(std::max(0, rgrGrade_->ItemIndex()));
  line.Subject = static_cast<Byte>(std::max(0, lbxSubject_->currentRow()));
  line.Name.AssignWhole(*name);
  line.Homeroom =
      (appending && line.Grade == 0) ? 0 : static_cast<Byte>(std::max(0, lbxCharge_->currentRow()));
  return line;
}

std::optional<TeacherLine> TfrmLineHead::NewLine(bool appending) {
  if (BufferFull_) return LineBuffer_;
  return FromFields(TeacherLine{}, appending);
}

void TfrmLineHead::LineTaken() {
  BufferFull_ = false;
  ShowState();
}

void TfrmLineHead::btnAddClick() {
  const OffTop offTop(platform_, *this);
  TKumData& doc = doc_;
  const std::optional<TeacherLine> line = NewLine(true);
  if (!line) return;
  if (platform_.MessageBox(BoxType::Confirmation, Buttons::OkCancel,
                           "１行追加します。よろしいですか") != Answer::Ok) {
    return;
  }
  if (!doc.AddLine(*line)) return;
  doc.SetCursor(doc.LineCount(), doc.CurPeriod());
  LineTaken();
  FocusGrade();
}

void TfrmLineHead::btnInsertClick() {
  const OffTop offTop(platform_, *this);
  if (RefuseWithHistory()) return;
  const std::optional<TeacherLine> line = NewLine(false);
  if (!line) return;
  if (platform_.MessageBox(BoxType::Confirmation, Buttons::OkCancel,
                           "１行を挿入します。よろしいですか") != Answer::Ok) {
    return;
  }
  TKumData& doc = doc_;
  if (!doc.InsertLine(*line)) return;
  // The cursor stands on the inserted line, also when it stood on no line (all lines cut).
  doc.SetCursor(std::clamp<int>(doc.CurLine(), 1, doc.LineCount()), doc.CurPeriod());
  LineTaken();
}

void TfrmLineHead::btnChangeClick() {
  const OffTop offTop(platform_, *this);
  TKumData& doc = doc_;
  if (doc.CurLine() < 1 || doc.CurLine() > doc.LineCount()) {
    platform_.Beep();  // no line to change
    return;
  }
  const std::optional<TeacherLine> line = FromFields(doc.GetCurrentLine(), false);
  if (!line) return;
  if (platform_.MessageBox(BoxType::Confirmation, Buttons::OkCancel,
                           "今の行を変更します。よろしいですか") != Answer::Ok) {
    return;
  }
  doc.SetCurrentLine(*line);
}

void TfrmLineHead::btnDelClick() {
  const OffTop offTop(platform_, *this);
  TKumData& doc = doc_;
  if (RefuseWithHistory()) return;
  if (platform_.MessageBox(BoxType::Warning, Buttons::YesNoCancel,
                           "現在の行を切り取ります。よろしいか") == Answer::Yes) {
    const TeacherLine line = doc.GetCurrentLine();
    if (doc.DeleteLine()) {
      LineBuffer_ = line;
      BufferFull_ = true;
      ShowState();
    }
  }
}

// Its question is asked while the window stays on top.
void TfrmLineHead::btnClearClick() {
  if (BufferFull_ &&
      platform_.MessageBox(BoxType::Warning, Buttons::YesNoCancel,
                           "切り取った行がバッファに残っています。消去してよろしいですか") ==
          Answer::Yes) {
    BufferFull_ = false;
    ShowState();
  }
  rgrGrade_->SetItemIndex(0);
  lbxSubject_->setCurrentRow(0);
  edtName_->clear();
  lbxCharge_->setCurrentRow(0);
}

void TfrmLineHead::btnStackClearClick() {
  const OffTop offTop(platform_, *this);
  doc_.ClearHistory();
  ShowState();
}

void TfrmLineHead::closeEvent(QCloseEvent* event) {
  if (BufferFull_) {
    const OffTop offTop(platform_, *this);
    if (platform_.MessageBox(BoxType::Warning, Buttons::YesNoCancel,
                             "切り取った行がバッファに残っています。閉じてよろしいですか") !=
        Answer::Yes) {
      event->ignore();
      return;
    }
  }
  main_.EnableMain(true);
  event->accept();
}

// A click into the name empties it, so that a new name is typed from the start; Enter in a
// field appends.
bool TfrmLineHead::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edtName_ && event->type() == QEvent::MouseButtonPress) edtNameClick();
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      btnAddClick();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TfrmLineHead::edtNameClick() {
  edtName_->clear();
}

void TfrmLineHead::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace kumo
