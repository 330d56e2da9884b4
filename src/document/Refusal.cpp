#include "document/Refusal.h"

#include <utility>

#include "document/KumoHead.h"
#include "document/Naming.h"

namespace kumo {

std::string DescribeRefusal(const TKumData& doc, const Refusal& r) {
  const std::string piece = PieceName(doc, r.Piece);
  const std::string line = LineName(doc, r.Line);
  const std::string period = PeriodText(r.Period);
  switch (r.Kind) {
    case RefusalKind::None:
      return {};
    case RefusalKind::Clash:
      return "重なり：" + piece + " は " + period + " に " + line + " と " +
             LineName(doc, r.OtherLine) + " の両方にあります";
    case RefusalKind::Locked:
      return "ロック：" + line + " の " + period + " はロックされていて動かせません";
    case RefusalKind::HoldingFull:
      return "保持クラスがいっぱいなので、" + piece + " は手に残りました";
    case RefusalKind::OldestForgotten:
      return "スタックがいっぱいになったので、これからは一番古いステップから消していきます";
    case RefusalKind::NothingBack:
      return "戻るステップはありません（スタックの先頭です）";
    case RefusalKind::NothingForward:
      return "進むステップはありません（スタックの後尾です）";
    case RefusalKind::BackMismatch:
    case RefusalKind::ForwardMismatch:
      // A cell, or the piece the hand should hold and holds nowhere.
      return (r.Line != 0 ? line + " の " + period : piece) + " がスタックの記録と合わないので、" +
             (r.Kind == RefusalKind::BackMismatch ? "戻せません" : "進められません");
    case RefusalKind::HandBusy:
      return "駒を持っているので、できません。先に駒を置いてください";
    case RefusalKind::NoSuchClass:
      return piece + " はこの時間割のクラスにありません";
    case RefusalKind::Occupied:
      return line + " の " + period + " には教科か記号の駒があります";
    case RefusalKind::TeacherBusy:
      return line + " は " + period + " に " + piece + " の授業があります";
  }
  return {};
}

std::string WhyLineText(const TKumData& doc, std::string said) {
  std::string text = std::move(said);
  if (!text.empty()) text += "　／　";
  if (!doc.Hand().Piece.IsEmpty()) text += "手に " + HeldPieceText(doc, doc.Hand()) + "　";
  return text + "保持 " + std::to_string(doc.HoldingCount() - 1) + " 件";
}

}  // namespace kumo
