// What a palette cell carries when it is dragged onto the edit table: the entry a double click
// on it would make.
#pragma once

#include <QMimeData>
#include <optional>

namespace kumo {

struct PaletteEntry {
  enum class From { ClassPalette, SubjectPalette };
  From Palette = From::ClassPalette;
  int First = 0;   // the grade, or the subject palette's row (0 subjects, 1 symbols)
  int Second = 0;  // the class number, or the subject's or symbol's number
  bool operator==(const PaletteEntry&) const = default;
};

QMimeData* EntryData(const PaletteEntry& entry);
std::optional<PaletteEntry> EntryOf(const QMimeData& data);

}  // namespace kumo
