#include "platform/PaletteDrag.h"

#include <QStringList>

namespace kumo {
namespace {

constexpr char MimeType[] = "application/x-kumo-entry";

}  // namespace

QMimeData* EntryData(const PaletteEntry& entry) {
  auto* data = new QMimeData;
  const int from = entry.Palette == PaletteEntry::From::ClassPalette ? 0 : 1;
  data->setData(MimeType,
                QStringLiteral("%1 %2 %3").arg(from).arg(entry.First).arg(entry.Second).toLatin1());
  return data;
}

// Anything else dropped, from this program or another, is no entry.
std::optional<PaletteEntry> EntryOf(const QMimeData& data) {
  const QStringList parts = QString::fromLatin1(data.data(MimeType)).split(' ');
  if (parts.size() != 3) return std::nullopt;
  bool ok[3] = {};
  const int from = parts[0].toInt(&ok[0]);
  PaletteEntry entry{
      from == 0 ? PaletteEntry::From::ClassPalette : PaletteEntry::From::SubjectPalette,
      parts[1].toInt(&ok[1]), parts[2].toInt(&ok[2])};
  if (!ok[0] || !ok[1] || !ok[2] || from < 0 || from > 1) return std::nullopt;
  return entry;
}

}  // namespace kumo
