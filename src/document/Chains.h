// Where the class in hand can go: a place of its own line at once, or a short chain of moves
// along the teachers' own lines (put it here; the piece it displaces, or the lesson it then
// clashes with, goes there; …) that ends with every piece placed and nothing clashing.
#pragma once

#include <string>
#include <vector>

#include "document/KumoHead.h"

namespace kumo {

constexpr int MaxChainMoves = 3;
// The list keeps this many, the best; the search ends early once it has them in fewer moves.
constexpr int MaxChains = 40;

struct Chain {
  std::vector<ChainMove> Moves;  // in the order they are made; the first is the hand's
  int Doubles = 0;  // lessons moved that would then fall twice on one day for their class
  bool operator==(const Chain&) const = default;
};

// Best first: fewer moves, then fewer doubles. Only class pieces move, and none marked locked,
// linked, continuous, team or attention; no subject or symbol is displaced. Empty while the
// hand holds no class of a known line.
std::vector<Chain> FindChains(const TKumData& doc, const TClassLines& classes);

// "水３へ、佐藤 の １－２ を 木４へ（同じ日に同じ教科 1）" (UTF-8).
std::string ChainText(const TKumData& doc, const Chain& chain);

}  // namespace kumo
