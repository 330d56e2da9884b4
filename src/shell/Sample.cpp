#include "shell/Sample.h"

#include <QDir>
#include <QFileInfo>

#include "base/FileError.h"
#include "base/SysFile.h"

namespace kumo {
namespace {

constexpr int MaxSampleBytes = 1 << 20;

}  // namespace

std::optional<std::string> SampleSchool(const std::string& programDir,
                                        const std::string& documentsDir) {
  const std::string copy = documentsDir + "見本中学校.kmt";
  if (QFileInfo::exists(QString::fromStdString(copy))) return copy;
  const std::string shipped = ShippedFile(programDir, "sample/school.kmt");
  if (!QFileInfo::exists(QString::fromStdString(shipped))) return std::nullopt;
  try {
    QDir().mkpath(QString::fromStdString(documentsDir));
    WriteFileAtomically(copy, ReadFileBytes(shipped, MaxSampleBytes));
    return copy;
  } catch (const FileError&) {
    return std::nullopt;
  }
}

}  // namespace kumo
