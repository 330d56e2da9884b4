#include "views/KumoChk.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <array>

#include "document/Hours.h"
#include "document/KumoHead.h"
#include "document/Naming.h"
#include "editing/WindowCommands.h"
#include "platform/DocText.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/TextTable.h"
#include "platform/ToolMenu.h"

namespace kumo {
namespace {

constexpr int HelpContext = 11;
constexpr int CountWidth = 26;
constexpr int NameWidth = 64;
constexpr int RowHeight = 18;

QString Utf8(const std::string& text) {
  return QString::fromStdString(text);
}

QTableView* AddTable(QVBoxLayout* column, const char* name, const QString& caption,
                     TextTable* model) {
  auto* label = new QLabel(caption);
  label->setWordWrap(true);
  column->addWidget(label);
  auto* view = new QTableView;
  view->setObjectName(name);
  view->setModel(model);
  view->setItemDelegate(new TextTableDelegate(view));
  view->verticalHeader()->hide();
  view->verticalHeader()->setDefaultSectionSize(RowHeight);
  view->horizontalHeader()->setMinimumSectionSize(16);
  view->horizontalHeader()->setDefaultSectionSize(CountWidth);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  column->addWidget(view, 1);
  return view;
}

// A count with the sign of how it stands out: ▼ fewer, ▲ more than its grade's usual count.
QString CountText(int count, int off) {
  const QString sign = off < 0 ? QStringLiteral("▼") : off > 0 ? QStringLiteral("▲") : QString();
  return sign + QString::number(count);
}

}  // namespace

TfrmChecks::TfrmChecks(TKumData& doc, TClassLines& classes, Platform& platform,
                       TableCommands& table, WindowCommands& windows)
    : DocumentObserver(doc),
      doc_(doc),
      classes_(classes),
      platform_(platform),
      table_(table),
      windows_(windows) {
  setObjectName("frmChecks");
  setWindowTitle(QStringLiteral("点検"));
  setFont(GothicFont(12));
  setProperty("HelpContext", HelpContext);
  resize(420, 320);
  tnbChecks_ = new QTabWidget(this);
  tnbChecks_->setObjectName("tnbChecks");
  checkRows_ = new TextTable(this);
  classHours_ = new TextTable(this);
  lineHours_ = new TextTable(this);
  chainRows_ = new TextTable(this);
  changeRows_ = new TextTable(this);
  BuildChecksPage();
  BuildHoursPage();
  BuildChainsPage();
  BuildChangesPage();
  connect(tnbChecks_, &QTabWidget::currentChanged, this, [this] { RenewView(); });
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tnbChecks_);
  AddToolMenu(*this, HelpContext, {});
}

void TfrmChecks::BuildChecksPage() {
  auto* page = new QWidget;
  // A list that changes repaints on the page's own background, not on the tabs' frame.
  page->setAutoFillBackground(true);
  auto* column = new QVBoxLayout(page);
  auto* hint = new QLabel(
      QStringLiteral("行をダブルクリックすると、編集テーブルのカーソルがその場所へ移ります。"));
  hint->setWordWrap(true);
  column->addWidget(hint);
  cbxShowEmpty_ = new QCheckBox(QStringLiteral("空き時限も表示する"));
  cbxShowEmpty_->setObjectName("cbxShowEmpty");
  cbxShowEmpty_->setChecked(true);
  connect(cbxShowEmpty_, &QCheckBox::toggled, this, [this] { RenewView(); });
  column->addWidget(cbxShowEmpty_);
  lvwChecks_ = NewTextList(checkRows_, "lvwChecks");
  connect(lvwChecks_, &QListView::doubleClicked, this,
          [this](const QModelIndex& index) { lvwChecksDblClick(index.row()); });
  column->addWidget(lvwChecks_, 1);
  tnbChecks_->addTab(page, QStringLiteral("点検"));
}

void TfrmChecks::BuildHoursPage() {
  auto* page = new QWidget;
  page->setAutoFillBackground(true);
  auto* columns = new QHBoxLayout(page);
  auto* classes = new QVBoxLayout;
  auto* lines = new QVBoxLayout;
  columns->addLayout(classes, 3);
  columns->addLayout(lines, 2);
  tblClassHours_ =
      AddTable(classes, "tblClassHours",
               QStringLiteral("クラス別の教科の時数（▼▲：同じ学年で最も多い時数より少ない・多い）"),
               classHours_);
  tblLineHours_ = AddTable(lines, "tblLineHours", QStringLiteral("教師別の授業時数"), lineHours_);
  tnbChecks_->addTab(page, QStringLiteral("時数表"));
}

QString TfrmChecks::Summary() const {
  const std::vector<TextRow>& rows = checkRows_->Rows();
  return rows.empty() ? QString() : rows[0].Cells.value(0);
}

bool TfrmChecks::ShowEmpty() const {
  return cbxShowEmpty_->isChecked();
}

void TfrmChecks::SetShowEmpty(bool on) {
  cbxShowEmpty_->setChecked(on);
}

void TfrmChecks::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  RenewView();
}

void TfrmChecks::DocumentChanged(const DocumentChange& change) {
  // On the chains page the chains that start at the cursor's period come first.
  const bool chainsMoved = change.Cursor && tnbChecks_->currentIndex() == ChainsPage;
  if (change.All || change.Lines || change.Subjects || change.AnyCell() || change.Hand ||
      change.Holding || chainsMoved) {
    RenewView();
  }
}

void TfrmChecks::ShowPage(Page page) {
  tnbChecks_->setCurrentIndex(page);
}

// Only the page shown: the other renews when it is turned to.
void TfrmChecks::RenewView() {
  if (!isVisible()) return;
  switch (tnbChecks_->currentIndex()) {
    case ChecksPage:
      RenewChecks();
      break;
    case HoursPage:
      RenewHours();
      break;
    case ChainsPage:
      RenewChains();
      break;
    default:
      RenewChanges();
  }
}

// Row 0 says how much is left to fix; then each kind under its heading, with what to do about it.
// A lift or a put-down rewrites a few short rows and moves none, so that the list repaints little.
void TfrmChecks::RenewChecks() {
  items_ = FindChecks(doc_, classes_);
  std::array<int, CheckKindCount> counts{};
  for (const CheckItem& item : items_) ++counts[static_cast<int>(item.Kind)];
  std::vector<TextRow> rows;
  itemOfRow_.clear();
  auto add = [&](TextRow row, int item) {
    rows.push_back(std::move(row));
    itemOfRow_.push_back(item);
  };
  add({{}, true, {}, {}}, -1);
  int toFix = 0;
  for (int k = 0; k < CheckKindCount; ++k) {
    const auto kind = static_cast<CheckKind>(k);
    const bool shown = kind != CheckKind::EmptyPeriod || ShowEmpty();
    const CheckKindText& text = TextOf(kind);
    const QString advice = Utf8(text.Advice);
    // The timetable's own faults; a piece in hand is a move under way, not one of them.
    if (kind != CheckKind::EmptyPeriod && kind != CheckKind::Unplaced) toFix += counts[k];
    QString heading = "■ " + Utf8(text.Name) + "　" + QString::number(counts[k]) + " 件";
    if (!shown) heading += QStringLiteral("（表示しない）");
    add({{heading}, true, {}, advice}, -1);
    if (!shown) continue;
    // The pieces not put down keep their advice and a row for the hand even when there are none.
    const bool unplaced = kind == CheckKind::Unplaced;
    if (counts[k] > 0 || unplaced) add({{"　→ " + advice}, true, {}, {}}, -1);
    if (unplaced && doc_.Hand().Piece.IsEmpty())
      add({{QStringLiteral("　手：なし")}, false, {}, {}}, -1);
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
      if (items_[i].Kind == kind) add({{"　" + Utf8(items_[i].Text)}, false, {}, advice}, i);
    }
  }
  rows[0].Cells =
      QStringList{toFix == 0 ? QStringLiteral("時間割に直すところはありません。")
                             : QStringLiteral("時間割に直すところが %1 件あります。").arg(toFix)};
  checkRows_->SetRows({}, std::move(rows));
}

void TfrmChecks::RenewHours() {
  const TKumData& doc = doc_;
  const TClassLines& classes = classes_;
  const ClassHours hours = CountClassHours(doc, classes);
  QStringList headers{QStringLiteral("クラス")};
  for (const int s : hours.Subjects) headers << FromDocText(doc.SubjectNames1()[s].View());
  headers << QStringLiteral("計");
  std::vector<TextRow> rows;
  for (const ClassHoursRow& row : hours.Rows) {
    const ClassEntry& entry = classes.Entries[row.Entry];
    TextRow text{{Utf8(ClassName(doc, entry.Grade, entry.ClassNo))}, false, {false}, {}};
    for (std::size_t i = 0; i < row.Counts.size(); ++i) {
      text.Cells << CountText(row.Counts[i], row.Off[i]);
      text.Marked.push_back(row.Off[i] != 0);
    }
    text.Cells << QString::number(row.Total);
    rows.push_back(std::move(text));
  }
  classHours_->SetRows(std::move(headers), std::move(rows));

  std::vector<TextRow> lineRows;
  for (const LineHoursRow& row : CountLineHours(doc)) {
    TextRow text{{Utf8(LineName(doc, row.Line))}, false, {}, {}};
    for (const int day : row.Days) text.Cells << QString::number(day);
    text.Cells << QString::number(row.Week);
    lineRows.push_back(std::move(text));
  }
  QStringList lineHeaders{QStringLiteral("教師")};
  for (int d = 0; d < DayCount; ++d) lineHeaders << FromDocText(DayName(d));
  lineHeaders << QStringLiteral("計");
  lineHours_->SetRows(std::move(lineHeaders), std::move(lineRows));
  // A new table takes the default widths again.
  for (QTableView* view : {tblClassHours_, tblLineHours_}) view->setColumnWidth(0, NameWidth);
}

void TfrmChecks::lvwChecksDblClick(int row) {
  if (row < 0 || row >= static_cast<int>(itemOfRow_.size()) || itemOfRow_[row] < 0) return;
  const CheckItem& item = items_[itemOfRow_[row]];
  TKumData& doc = doc_;
  if (!doc.IsLineInUse(item.Line) || item.Period < 1 || item.Period > PeriodCount) return;
  // A carried piece stays on its own line: the jump takes only the period then.
  const bool carrying = !doc.Hand().Piece.IsEmpty() && doc.IsLineInUse(doc.Hand().FromLine);
  doc.SetCursor(carrying ? doc.Hand().FromLine : item.Line, item.Period);
  table_.FocusTable();
}

}  // namespace kumo
