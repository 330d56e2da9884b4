// The subject and symbol tables a document starts from, and the day names.
#include <array>
#include <cassert>
#include <string>

#include "base/Cp932.h"
#include "document/KumoHead.h"

namespace kumo {
namespace {

struct SubjectNames {
  const char* One;
  const char* Two;
  const char* Four;
};

constexpr std::array<SubjectNames, 21> SubjectDefaults{{
    {"　", "　　", "　　　　"}, {"国", "国語", "国語"},     {"社", "社会", "社会"},
    {"数", "数学", "数学"},     {"理", "理科", "理科"},     {"英", "英語", "英語"},
    {"音", "音楽", "音楽"},     {"美", "美術", "美術"},     {"体", "体育", "体育"},
    {"技", "技術", "技術"},     {"家", "家庭", "家庭"},     {"書", "書写", "書写"},
    {"保", "保健", "保健"},     {"学", "学活", "学級活動"}, {"道", "道徳", "道徳"},
    {"特", "特活", "特別活動"}, {"支", "支援", "支援"},     {"集", "集会", "集会"},
    {"選", "選択", "選択"},     {"総", "総合", "総合"},     {"部", "部活", "部活動"},
}};

constexpr std::array<const char*, 21> SymbolDefaults{"／", "×", "☆",  "★",  "○",  "●",  "◎",
                                                     "◇",  "◆", "□",  "■",  "△",  "▲",  "▽",
                                                     "▼",  "※", "！", "？", "＊", "＋", "－"};

constexpr std::array<const char*, DayCount> DayNames{"月", "火", "水", "木", "金"};

// Entries beyond the defaults stay zero-filled.
template <class Table, class Pick>
Table MakeSubjectTable(Pick pick) {
  Table table{};
  for (int i = 0; i < static_cast<int>(SubjectDefaults.size()); ++i) {
    table[i].Assign(Cp932Literal(pick(SubjectDefaults[i])));
  }
  return table;
}

}  // namespace

const SubjectTable1& DefaultSubjectNames1() {
  static const auto table = MakeSubjectTable<SubjectTable1>([](auto& s) { return s.One; });
  return table;
}

const SubjectTable2& DefaultSubjectNames2() {
  static const auto table = MakeSubjectTable<SubjectTable2>([](auto& s) { return s.Two; });
  return table;
}

const SubjectTable4& DefaultSubjectNames4() {
  static const auto table = MakeSubjectTable<SubjectTable4>([](auto& s) { return s.Four; });
  return table;
}

const SymbolTable& DefaultSymbols() {
  static const SymbolTable table = [] {
    SymbolTable t{};
    for (int i = 0; i < static_cast<int>(SymbolDefaults.size()); ++i) {
      t[i + 1].Assign(Cp932Literal(SymbolDefaults[i]));
    }
    return t;
  }();
  return table;
}

const MeaningTable& DefaultSymbolMeanings() {
  static const MeaningTable table{};
  return table;
}

std::string_view DayName(int day) {
  static const auto names = [] {
    std::array<std::string, DayCount> n;
    for (int d = 0; d < DayCount; ++d) n[d] = Cp932Literal(DayNames[d]);
    return n;
  }();
  assert(day >= 0 && day < DayCount);
  return names[day];
}

}  // namespace kumo
