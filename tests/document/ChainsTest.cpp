// The chains for the class in hand: found and ranked on small timetables, never moving a marked
// piece or displacing a subject or symbol, and performed as steps that Back walks back exactly.
#include <algorithm>
#include <random>

#include "DocFixture.h"
#include "document/Chains.h"

namespace kumo::test {
namespace {

constexpr Byte Math = 3;
constexpr Byte English = 5;
constexpr Byte Music = 7;

// Teachers T1..T3 of math, homeroom of 1-1..1-3, every period a symbol piece, so that a chain
// can only use the periods a case opens.
void SymbolSchool(TKumData& doc) {
  doc.Clear();
  for (Byte c = 1; c <= 3; ++c) {
    TeacherLine line = TeacherLineOf(1, c, "", Math);
    for (PeriodCell& cell : line.Cells.Items) cell = {KindSymbol, 1, 0, 0};
    doc.AddLine(line);
  }
}

class Chains : public DocTest {
 protected:
  void SetUp() override {
    DocTest::SetUp();
    SymbolSchool(doc);
  }
  // The cells written, then 1-1 lifted from T1's period 1.
  void LiftFromFirst() {
    doc.NotifyAllChanged();
    doc.SetCursor(1, 1);
    ASSERT_TRUE(doc.MovePiece({}));
    ASSERT_TRUE(doc.Hand().Piece.SamePiece(Piece(1, 1)));
  }
  static std::vector<std::array<int, 3>> MovesOf(const Chain& chain) {
    std::vector<std::array<int, 3>> moves;
    for (const ChainMove& m : chain.Moves) moves.push_back({m.Line, m.From, m.To});
    return moves;
  }

  TClassLines classes{doc};
};

TEST_F(Chains, APieceWithNoDirectPlaceIsPlacedByTheShortestChain) {
  using Moves = std::vector<std::array<int, 3>>;
  const struct {
    const char* what;
    void (*plant)(TKumData&);
    Moves best;
  } cases[] = {
      {"a direct place", [](TKumData& d) { Put(d, 1, 9, {}); }, Moves{{1, 1, 9}}},
      {"two moves: T2's 1-1 steps aside",
       [](TKumData& d) {
         Put(d, 1, 2, {});
         Put(d, 2, 2, Piece(1, 1));
         Put(d, 2, 5, {});
       },
       Moves{{1, 1, 2}, {2, 2, 5}}},
      {"three moves: 1-2 cannot go back to period 1, where T3 has it, but 1-3 can",
       [](TKumData& d) {
         Put(d, 1, 2, Piece(1, 2));
         Put(d, 3, 1, Piece(1, 2));
         Put(d, 1, 3, Piece(1, 3));
         Put(d, 2, 3, Piece(1, 1, Locked));  // 1-1 cannot go to period 3 itself
       },
       Moves{{1, 1, 2}, {1, 2, 3}, {1, 3, 1}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SymbolSchool(doc);
    Put(1, 1, Piece(1, 1));
    c.plant(doc);
    LiftFromFirst();
    const std::vector<Chain> chains = FindChains(doc, classes);
    ASSERT_FALSE(chains.empty());
    EXPECT_EQ(MovesOf(chains[0]), c.best);
    for (std::size_t i = 1; i < chains.size(); ++i) {
      EXPECT_LE(chains[i - 1].Moves.size(), chains[i].Moves.size()) << "fewer moves first";
    }
    ASSERT_TRUE(doc.MoveAlongLine(chains[0].Moves));
    EXPECT_TRUE(doc.Hand().Piece.IsEmpty()) << "every piece placed";
    for (const ChainMove& m : chains[0].Moves) EXPECT_EQ(doc.Cell(m.Line, m.To), m.Piece);
    EXPECT_EQ(prompter.Beeps(), 0) << "the clashes a chain plans for are not told";
  }
}

// The lesson T2 would have to move is marked, or the place holds what no chain displaces.
TEST_F(Chains, AMarkedPieceOrASymbolIsNeverMoved) {
  const struct {
    const char* what;
    PeriodCell blocker;
  } cases[] = {
      {"locked", Piece(1, 1, Locked)},         {"linked", Piece(1, 1, Linked)},
      {"continuous", Piece(1, 1, Continuous)}, {"team", Piece(1, 1, Team)},
      {"attention", Piece(1, 1, Attention)},   {"a symbol", Piece(KindSymbol, 2)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SymbolSchool(doc);
    Put(1, 1, Piece(1, 1));
    Put(1, 2, c.blocker.IsClass() ? PeriodCell{} : c.blocker);
    if (c.blocker.IsClass()) Put(2, 2, c.blocker);
    Put(2, 5, {});
    LiftFromFirst();
    EXPECT_TRUE(FindChains(doc, classes).empty());
  }
}

// 1-1 at period 2 would have math twice on Monday; at period 8 it would not.
TEST_F(Chains, AChainThatPutsASubjectTwiceOnADayRanksBelowOneThatDoesNot) {
  Put(1, 1, Piece(1, 1));
  Put(1, 4, Piece(1, 1));  // 1-1's other math lesson on Monday
  Put(1, 2, Piece(1, 2));
  Put(1, 8, Piece(1, 3));
  LiftFromFirst();
  const std::vector<Chain> chains = FindChains(doc, classes);
  ASSERT_GE(chains.size(), 2u);
  using Moves = std::vector<std::array<int, 3>>;
  EXPECT_EQ(MovesOf(chains[0]), (Moves{{1, 1, 8}, {1, 8, 1}}));
  EXPECT_EQ(chains[0].Doubles, 0);
  const auto doubled = std::find_if(chains.begin(), chains.end(), [](const Chain& c) {
    return MovesOf(c) == Moves{{1, 1, 2}, {1, 2, 1}};
  });
  ASSERT_NE(doubled, chains.end());
  EXPECT_EQ(doubled->Doubles, 1);
  EXPECT_NE(ChainText(doc, *doubled).find("同じ日に同じ教科 1"), std::string::npos);
}

// Random small timetables: every chain offered ends with every piece placed, makes no clash,
// moves no marked piece, and Back walks it back to exactly the state before.
TEST_F(Chains, EveryChainOfferedIsSoundAndBackUndoesItExactly) {
  std::mt19937 random(27);
  int performed = 0;
  for (int round = 0; round < 150; ++round) {
    SCOPED_TRACE(testing::Message() << "round " << round);
    doc.Clear();
    for (Byte c = 1; c <= 4; ++c) doc.AddLine(Line(1, c, "", c % 2 ? Math : English));
    for (int n = 1; n <= 4; ++n) {
      for (int p = 1; p <= 8; ++p) {
        const int k = static_cast<int>(random() % 10);
        const Byte flags = random() % 8 == 0 ? Locked : random() % 10 == 0 ? Team : 0;
        if (k < 6) Put(n, p, Piece(1, static_cast<Byte>(k % 4 + 1), flags));
        if (k == 6) Put(n, p, Piece(KindSymbol, 1));
      }
      for (int p = 9; p <= PeriodCount; ++p) Put(n, p, Piece(KindSubject, Music));
    }
    doc.NotifyAllChanged();
    const int line = static_cast<int>(random() % 4) + 1;
    const int from = static_cast<int>(random() % 8) + 1;
    if (!doc.Cell(line, from).IsClass() || doc.Cell(line, from).Flags != 0) continue;
    doc.SetCursor(line, from);
    ASSERT_TRUE(doc.MovePiece({.Checks = false, .FollowClash = false}));
    const std::vector<Chain> chains = FindChains(doc, classes);
    if (chains.empty()) continue;
    const Chain& chain = chains[random() % chains.size()];

    TeacherLine before[4];
    std::copy_n(&doc.Line(1), 4, before);
    const HeldPiece hand = doc.Hand();
    const std::uint16_t start = doc.HistoryPos();
    ASSERT_TRUE(doc.MoveAlongLine(chain.Moves));
    ++performed;
    EXPECT_TRUE(doc.Hand().Piece.IsEmpty());
    for (int n = 1; n <= 4; ++n) {
      for (int p = 1; p <= PeriodCount; ++p) {
        const PeriodCell& was = before[n - 1].Cells[p];
        if (was.Has(Locked) || was.Has(Team) || was.Kind >= KindSubject) {
          EXPECT_EQ(doc.Cell(n, p), was) << "line " << n << " period " << p;
        }
        for (int m = n + 1; m <= 4 && doc.Cell(n, p).IsClass(); ++m) {
          const bool clashed = before[n - 1].Cells[p].SamePiece(before[m - 1].Cells[p]);
          if (!clashed) {
            EXPECT_FALSE(doc.Cell(n, p).SamePiece(doc.Cell(m, p)));
          }
        }
      }
    }
    while (doc.HistoryPos() > start) ASSERT_TRUE(doc.StepBack());
    EXPECT_EQ(doc.Hand(), hand);
    for (int n = 1; n <= 4; ++n) {
      EXPECT_TRUE(std::equal(std::begin(before[n - 1].Cells.Items),
                             std::end(before[n - 1].Cells.Items),
                             std::begin(doc.Line(n).Cells.Items)));
    }
  }
  EXPECT_GT(performed, 30) << "the draw performs chains";
}

}  // namespace
}  // namespace kumo::test
