// The checks window's pages for a revision: the chains that place the class in hand, and what
// changed against the timetable compared with, with the notices for the staff room.
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "document/Changes.h"
#include "document/KumoHead.h"
#include "document/Naming.h"
#include "editing/WindowCommands.h"
#include "platform/Platform.h"
#include "platform/TextTable.h"
#include "views/KumoChk.h"

namespace kumo {
namespace {

QString Utf8(const std::string& text) {
  return QString::fromStdString(text);
}

TextRow Heading(const QString& text) {
  return {{text}, true, {}, {}};
}

TextRow Plain(const QString& text, const QString& hint = {}) {
  return {{text}, false, {}, hint};
}

QVBoxLayout* AddPage(QTabWidget* tabs, const QString& caption, const QString& hint) {
  auto* page = new QWidget;
  page->setAutoFillBackground(true);
  auto* column = new QVBoxLayout(page);
  auto* label = new QLabel(hint);
  label->setWordWrap(true);
  column->addWidget(label);
  tabs->addTab(page, caption);
  return column;
}

}  // namespace

void TfrmChecks::BuildChainsPage() {
  QVBoxLayout* column =
      AddPage(tnbChecks_, QStringLiteral("置き方"),
              QStringLiteral("手に持った授業の置き方です。ダブルクリックでその手順を実行します"
                             "（１手ずつ「１ステップ戻る」で戻せます）。"));
  QListView* list = NewTextList(chainRows_, "lvwChains");
  connect(list, &QListView::doubleClicked, this,
          [this](const QModelIndex& index) { lvwChainsDblClick(index.row()); });
  column->addWidget(list, 1);
}

void TfrmChecks::BuildChangesPage() {
  QVBoxLayout* column = AddPage(
      tnbChecks_, QStringLiteral("変更"),
      QStringLiteral("行をダブルクリックすると、編集テーブルのカーソルがその場所へ移ります。"));
  lblCompared_ = new QLabel;
  lblCompared_->setObjectName("lblCompared");
  lblCompared_->setWordWrap(true);
  column->addWidget(lblCompared_);
  auto* buttons = new QHBoxLayout;
  auto* print = new QPushButton(QStringLiteral("お知らせを印刷..."));
  print->setObjectName("btnPrintNotices");
  connect(print, &QPushButton::clicked, this, [this] { btnPrintNoticesClick(); });
  auto* save = new QPushButton(QStringLiteral("お知らせを書き出す..."));
  save->setObjectName("btnExportNotices");
  connect(save, &QPushButton::clicked, this, [this] { btnExportNoticesClick(); });
  btnCompareSaved_ = new QPushButton(QStringLiteral("保存時と比べる"));
  btnCompareSaved_->setObjectName("btnCompareSaved");
  connect(btnCompareSaved_, &QPushButton::clicked, this, [this] { doc_.CompareWith({}); });
  buttons->addWidget(print);
  buttons->addWidget(save);
  buttons->addWidget(btnCompareSaved_);
  buttons->addStretch();
  column->addLayout(buttons);
  QListView* list = NewTextList(changeRows_, "lvwChanges");
  connect(list, &QListView::doubleClicked, this,
          [this](const QModelIndex& index) { lvwChangesDblClick(index.row()); });
  column->addWidget(list, 1);
}

void TfrmChecks::RenewChains() {
  const TKumData& doc = doc_;
  chains_ = FindChains(doc, classes_);
  std::vector<TextRow> rows;
  chainOfRow_.clear();
  auto add = [&](TextRow row, int chain) {
    rows.push_back(std::move(row));
    chainOfRow_.push_back(chain);
  };
  if (!doc.Hand().Piece.IsClass() || !doc.IsLineInUse(doc.Hand().FromLine)) {
    add(Plain(QStringLiteral("手に授業の駒がありません。駒を持ち上げると、置き方がここに出ます。")),
        -1);
    chainRows_->SetRows({}, std::move(rows));
    return;
  }
  add(Heading("■ 手：" + Utf8(HeldPieceText(doc, doc.Hand()))), -1);
  auto addChain = [&](int k) {
    const Chain& chain = chains_[k];
    const QString text = Utf8(ChainText(doc, chain));
    add(Plain(QStringLiteral("　［%1手］").arg(chain.Moves.size()) + text, text), k);
  };
  const int count = static_cast<int>(chains_.size());
  // Off the period the piece was lifted from, which is no place to go to.
  if (doc.CurLine() == doc.Hand().FromLine && doc.CursorOnLine() &&
      doc.CurPeriod() != doc.Hand().FromPeriod) {
    add(Heading("■ カーソルの時限（" + Utf8(PeriodText(doc.CurPeriod())) + "）へ置く手順"), -1);
    bool any = false;
    for (int k = 0; k < count; ++k) {
      if (chains_[k].Moves[0].To != doc.CurPeriod()) continue;
      addChain(k);
      any = true;
    }
    if (!any) add(Plain(QStringLiteral("　この時限へ置く手順はありません")), -1);
  }
  add(Heading(QStringLiteral("■ 置き方 %1 通り（手数の少ない順）").arg(count)), -1);
  if (count == 0) {
    add(Plain(QStringLiteral("　空いた時限も、３手までで空けられる時限もありません")), -1);
  }
  for (int k = 0; k < count; ++k) addChain(k);
  chainRows_->SetRows({}, std::move(rows));
}

void TfrmChecks::lvwChainsDblClick(int row) {
  if (row < 0 || row >= static_cast<int>(chainOfRow_.size()) || chainOfRow_[row] < 0) return;
  // The list is renewed by the steps; the chain is taken out of it first.
  const std::vector<ChainMove> moves = chains_[chainOfRow_[row]].Moves;
  if (!doc_.MoveAlongLine(moves)) platform_.Beep();
  table_.FocusTable();
}

void TfrmChecks::RenewChanges() {
  const TKumData& doc = doc_;
  const Baseline& base = doc.Compared();
  btnCompareSaved_->setEnabled(doc.Other().Kept);
  if (!base.Kept) {
    lblCompared_->setText(QStringLiteral(
        "保存したことのない時間割です。比べる相手はまだありません（保存すると、そこからの変更が"
        "出ます。ﾌｧｲﾙ→比較... で他の時間割と比べることもできます）。"));
  } else if (base.Source.empty()) {
    lblCompared_->setText(
        QStringLiteral("開いた時、または最後に保存した時の時間割と比べています。"));
  } else {
    lblCompared_->setText("「" + Utf8(base.Source) + QStringLiteral("」と比べています。"));
  }
  const std::vector<Notice> notices = FindNotices(doc);
  std::vector<TextRow> rows;
  placeOfRow_.clear();
  auto add = [&](TextRow row, int line, int period) {
    rows.push_back(std::move(row));
    placeOfRow_.push_back({line, period});
  };
  const auto teachers =
      std::count_if(notices.begin(), notices.end(), [](const Notice& n) { return !n.ForClass; });
  add(Heading(notices.empty() ? QStringLiteral("変更はありません。")
                              : QStringLiteral("変更のある教師 %1 人、%2 クラス")
                                    .arg(teachers)
                                    .arg(static_cast<qsizetype>(notices.size()) - teachers)),
      0, 0);
  bool classes = false;
  for (const Notice& notice : notices) {
    if (notice.ForClass && !classes) add(Heading(QStringLiteral("■ クラス別")), 0, 0);
    if (!notice.ForClass && rows.size() == 1) add(Heading(QStringLiteral("■ 教師別")), 0, 0);
    classes = notice.ForClass;
    add(Plain("【" + Utf8(notice.Title) + "】"), 0, 0);
    for (const NoticeRow& row : notice.Rows) {
      int line = notice.Line;
      if (notice.ForClass) {
        for (int n = 1; n <= doc.LineCount() && line == 0; ++n) {
          if (doc.Cell(n, row.Period).SamePiece(notice.Class)) line = n;
        }
      }
      add(Plain("　" + Utf8(PeriodText(row.Period) + "：" + row.Before + " → " + row.After)), line,
          row.Period);
    }
  }
  changeRows_->SetRows({}, std::move(rows));
}

void TfrmChecks::lvwChangesDblClick(int row) {
  if (row < 0 || row >= static_cast<int>(placeOfRow_.size())) return;
  const auto [line, period] = placeOfRow_[row];
  TKumData& doc = doc_;
  if (!doc.OnTimetable(line, period)) return;
  const bool carrying = !doc.Hand().Piece.IsEmpty() && doc.IsLineInUse(doc.Hand().FromLine);
  doc.SetCursor(carrying ? doc.Hand().FromLine : line, period);
  table_.FocusTable();
}

void TfrmChecks::btnPrintNoticesClick() {
  windows_.PrintNotices();
}

void TfrmChecks::btnExportNoticesClick() {
  windows_.ExportNotices();
}

}  // namespace kumo
