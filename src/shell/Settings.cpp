#include "shell/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <algorithm>
#include <string_view>
#include <utility>

#include "base/Cp932.h"
#include "base/FileError.h"
#include "base/IniFile.h"
#include "base/SysFile.h"
#include "editing/KumoEdit.h"
#include "output/KumoEnv.h"
#include "output/KumoPrn.h"
#include "platform/WindowFrame.h"
#include "shell/FileNames.h"
#include "shell/KumoApp.h"
#include "shell/KumoMain.h"
#include "views/KumoChk.h"
#include "views/KumoChrg.h"
#include "views/KumoCl.h"
#include "views/KumoCls.h"
#include "views/KumoHlSt.h"
#include "views/KumoPicS.h"
#include "views/KumoStck.h"
#include "views/KumoTe.h"
#include "views/KumoTes.h"

namespace kumo {
namespace {

constexpr char FileName[] = "Kumo.Ini";
constexpr std::size_t MaxFontNameBytes = 30;
constexpr std::size_t MaxFileNameBytes = 255;

// An option key: a boolean held in Flag, or an item index of Items items held in Item.
struct OptionKey {
  const char* Section;
  const char* Key;
  bool& (*Flag)(Options&);
  int& (*Item)(Options&);
  int Items;
};

template <bool Options::*Field>
bool& FlagOf(Options& o) {
  return o.*Field;
}
template <int Options::*Field>
int& ItemOf(Options& o) {
  return o.*Field;
}
template <int Grade>
bool& ClassesGradeOf(Options& o) {
  return o.ClassesGrade[Grade];
}

// In the order of the file.
constexpr OptionKey OptionKeys[] = {
    {"Edit", "AutoLocate", FlagOf<&Options::AutoLocate>, nullptr, 0},
    {"Edit", "AutoExchange", FlagOf<&Options::AutoExchange>, nullptr, 0},
    {"Edit", "SelfTeaching", FlagOf<&Options::SelfTeaching>, nullptr, 0},
    {"Edit", "OnStackView", FlagOf<&Options::OnStackView>, nullptr, 0},
    {"Edit", "CountedView", FlagOf<&Options::CountedView>, nullptr, 0},
    {"Edit", "ASDFKeys", FlagOf<&Options::ASDFKeys>, nullptr, 0},
    {"Edit", "TenKeys", FlagOf<&Options::TenKeys>, nullptr, 0},
    {"ViewClass", "Type", nullptr, ItemOf<&Options::ViewClassType>, 3},
    {"ViewTeachers", "Group", nullptr, ItemOf<&Options::TeachersGroup>, 2},
    {"ViewTeachers", "Subject", nullptr, ItemOf<&Options::TeachersSubject>, MaxSubject + 1},
    {"ViewTeachers", "Grade", nullptr, ItemOf<&Options::TeachersGrade>, 3},
    {"ViewClasses", "Grade1", ClassesGradeOf<0>, nullptr, 0},
    {"ViewClasses", "Grade2", ClassesGradeOf<1>, nullptr, 0},
    {"ViewClasses", "Grade3", ClassesGradeOf<2>, nullptr, 0},
    {"Print", "TeachersKinde", nullptr, ItemOf<&Options::TeachersKind>, 3},
    {"Print", "ClassSmall", FlagOf<&Options::ClassSmall>, nullptr, 0},
    {"Print", "ClassLarge", FlagOf<&Options::ClassLarge>, nullptr, 0},
    {"Print", "PaperSize", nullptr, ItemOf<&Options::PaperSize>, 3},
    {"Print", "ClassLetters", nullptr, ItemOf<&Options::ClassLetters>, 3},
    {"Print", "Color", FlagOf<&Options::Color>, nullptr, 0},
    {"Print", "CountedPrint", FlagOf<&Options::CountedPrint>, nullptr, 0},
    {"ScrollBars", "Vertical", FlagOf<&Options::ScrollVertical>, nullptr, 0},
    {"ScrollBars", "Horizontal", FlagOf<&Options::ScrollHorizontal>, nullptr, 0},
};

// PieceColors 1..5.
constexpr const char* ColorKeys[] = {"Grade1", "Grade2", "Grade3", "Subject", "Signiture"};

// The values at start: the user's own file over the defaults.
class Profile {
 public:
  Profile(IniFile defaults, IniFile own) : defaults_(std::move(defaults)), own_(std::move(own)) {}

  std::string GetString(const char* section, const char* key, std::string_view fallback) const {
    return own_.GetString(section, key, defaults_.GetString(section, key, fallback));
  }
  int GetInt(const char* section, const char* key, int fallback) const {
    return own_.GetInt(section, key, defaults_.GetInt(section, key, fallback));
  }
  bool GetBool(const char* section, const char* key, bool fallback) const {
    return own_.GetBool(section, key, defaults_.GetBool(section, key, fallback));
  }

 private:
  IniFile defaults_;
  IniFile own_;
};

// Narrow enough that the sums of the defaults cannot overflow; the screens bound them after.
int GetPixels(const Profile& ini, const char* section, const char* key, int fallback) {
  return std::clamp(ini.GetInt(section, key, fallback), -32768, 32767);
}

// The least inside a window keeps, so that a size of zero or less still leaves a window.
constexpr int MinInside = 32;

// The largest free area of any screen: no window is made larger.
QSize LargestScreen() {
  QSize largest;
  for (const QScreen* screen : QGuiApplication::screens()) {
    largest = largest.expandedTo(screen->availableGeometry().size());
  }
  return largest;
}

// The outer size bounded by the largest screen and by the frame with a little inside.
QSize BoundedSize(QSize size, const Margins& frame) {
  const QSize least(frame.Left + frame.Right + MinInside, frame.Top + frame.Bottom + MinInside);
  const QSize most = LargestScreen().expandedTo(least);
  return size.expandedTo(least).boundedTo(most);
}

// The file's outer bounds, or the default ones, within reach on the screens.
void LoadGeometry(const Profile& ini, const char* section, QWidget& window, const Bounds& d) {
  const QSize size = BoundedSize(
      {GetPixels(ini, section, "Width", d.Width), GetPixels(ini, section, "Height", d.Height)},
      FrameOf(window));
  PlaceWithinReach(window, {GetPixels(ini, section, "Left", d.Left),
                            GetPixels(ini, section, "Top", d.Top), size.width(), size.height()});
}

void LoadToolWindow(const Profile& ini, const char* section, QWidget& window, const Bounds& d) {
  LoadGeometry(ini, section, window, d);
  window.setVisible(ini.GetBool(section, "Visible", false));
}

void SaveGeometry(IniFile& ini, const char* section, const QWidget& window) {
  const Bounds b = OuterBounds(window);
  ini.SetInt(section, "Top", b.Top);
  ini.SetInt(section, "Left", b.Left);
  ini.SetInt(section, "Height", b.Height);
  ini.SetInt(section, "Width", b.Width);
}

void SaveToolWindow(IniFile& ini, const char* section, const QWidget& window) {
  SaveGeometry(ini, section, window);
  ini.SetBool(section, "Visible", window.isVisible());
}

void LoadWindows(const Profile& ini, KumoApp& app) {
  QWidget& main = *app.frmKumo;
  Bounds m = OuterBounds(main);
  PlaceWithinReach(main, {GetPixels(ini, "MainWindow", "Left", 0),
                          GetPixels(ini, "MainWindow", "Top", 0), m.Width, m.Height});
  m = OuterBounds(main);
  const int screenHeight = main.screen()->geometry().height();
  LoadGeometry(ini, "EditWindow", *app.frmEdit,
               {m.Left, m.Top + m.Height + 2, 640, screenHeight - 200});
  app.frmEdit->show();
  const Bounds e = OuterBounds(*app.frmEdit);
  const int rightOfEdit = e.Left + e.Width + 2;
  LoadToolWindow(ini, "ClassesWindow", *app.frmClasses,
                 {e.Left, e.Top + e.Height - 30, e.Width, 160});
  LoadToolWindow(ini, "TeachersWindow", *app.frmTeachers,
                 {e.Left, e.Top + e.Height - 30, e.Width, 160});
  LoadToolWindow(ini, "StackWindow", *app.frmStack, {rightOfEdit, e.Top, 160, 300});
  const Bounds s = OuterBounds(*app.frmStack);
  LoadToolWindow(ini, "HoldingStackWindow", *app.frmHoldingStack,
                 {rightOfEdit, s.Top + s.Height + 2, 142, 160});
  LoadToolWindow(ini, "PickChargeWindow", *app.frmPickCharge, {m.Width + 2, 0, 219, 78});
  LoadToolWindow(ini, "PickSWindow", *app.frmPickS, {m.Width + 2, 0, 381, 78});
  app.frmPickS->Letters = ini.GetInt("PickSWindow", "Letters", 1);
  LoadToolWindow(ini, "TeacherWindow", *app.frmTeacher, {rightOfEdit, e.Top, 135, 170});
  LoadToolWindow(ini, "ClassWindow", *app.frmClass,
                 {rightOfEdit, e.Top + OuterBounds(*app.frmTeacher).Height + 2, 135, 170});
  app.frmClass->Letters = ini.GetInt("ClassWindow", "Letters", 1);
}

// The options, the colours and the printing font.
void LoadOptions(const Profile& ini, Options& options, Options defaults) {
  for (const OptionKey& k : OptionKeys) {
    if (k.Flag) {
      k.Flag(options) = ini.GetBool(k.Section, k.Key, k.Flag(defaults));
    } else {
      // Beyond the last item selects the last one; below the first, none.
      int index = ini.GetInt(k.Section, k.Key, k.Item(defaults));
      k.Item(options) = std::clamp(index, -1, k.Items - 1);
    }
  }
  options.PieceColors[0] = 0;
  for (int i = 0; i < 5; ++i) {
    options.PieceColors[i + 1] = static_cast<ColorRef>(
        ini.GetInt("Color", ColorKeys[i], static_cast<int>(defaults.PieceColors[i + 1])));
  }
  options.CursorColor =
      static_cast<ColorRef>(ini.GetInt("Color", "Cursor", static_cast<int>(defaults.CursorColor)));
  options.PrintFontName =
      CutToCp932Bytes(ini.GetString("Printer", "Font", defaults.PrintFontName), MaxFontNameBytes);
  DeriveOptions(options);
}

// The timetabler's aids keep their settings in sections of their own, after all the others.
void LoadAids(const Profile& ini, KumoApp& app, const Options& defaults) {
  app.options.ShowPlaces = ini.GetBool("Aids", "ShowPlaces", defaults.ShowPlaces);
  app.options.MarkClashes = ini.GetBool("Hand", "MarkClashes", defaults.MarkClashes);
  app.options.DragPieces = ini.GetBool("Hand", "DragPieces", defaults.DragPieces);
  app.options.GradeLabels = ini.GetBool("Hand", "GradeLabels", defaults.GradeLabels);
  // Beside the history window, covering none of the small windows.
  const Bounds s = OuterBounds(*app.frmStack);
  LoadToolWindow(ini, "ChecksWindow", *app.frmChecks,
                 {s.Left + s.Width + 2, OuterBounds(*app.frmEdit).Top, 420, 320});
  app.frmChecks->SetShowEmpty(ini.GetBool("ChecksWindow", "ShowEmpty", true));
  app.options.ShowChanges = ini.GetBool("Changes", "Frame", defaults.ShowChanges);
  app.options.Zoom = SteppedZoom(ini.GetInt("View", "Zoom", defaults.Zoom), 0);
}

void SaveAids(IniFile& ini, const KumoApp& app) {
  ini.SetBool("Aids", "ShowPlaces", app.options.ShowPlaces);
  ini.SetBool("Hand", "MarkClashes", app.options.MarkClashes);
  ini.SetBool("Hand", "DragPieces", app.options.DragPieces);
  ini.SetBool("Hand", "GradeLabels", app.options.GradeLabels);
  SaveToolWindow(ini, "ChecksWindow", *app.frmChecks);
  ini.SetBool("ChecksWindow", "ShowEmpty", app.frmChecks->ShowEmpty());
  ini.SetBool("Changes", "Frame", app.options.ShowChanges);
  ini.SetInt("View", "Zoom", app.options.Zoom);
}

// A file too large to be settings is nobody's settings: it goes aside under a name of its own,
// said once, so that the defaults apply and the close writes a fresh file. False when it is too
// large and stays where it is.
bool SetAsideOversized(KumoApp& app, const std::string& path) {
  const QString file = QString::fromStdString(path);
  const QFileInfo info(file);
  if (!info.isFile() || static_cast<std::size_t>(info.size()) <= IniFile::MaxBytes) return true;
  const std::string size = std::to_string(info.size());
  for (int k = 1; k <= 99; ++k) {
    const QString aside = file + ".too-large" + (k == 1 ? QString() : QString::number(k));
    if (QFileInfo::exists(aside)) continue;
    if (!QFile::rename(file, aside)) break;
    app.platform.ErrorBox(path + " は大きすぎるため（" + size + " バイト）読み込めません。\n" +
                          aside.toStdString() + " として残し、既定の設定で始めます。");
    return true;
  }
  app.platform.ErrorBox(path + " は大きすぎるため（" + size +
                        " バイト）読み込めません。\n既定の設定で始めます。");
  return false;
}

IniFile ReadProfile(KumoApp& app, const std::string& path) {
  try {
    return IniFile(path);
  } catch (const FileError& e) {
    app.platform.ErrorBox(e.what());
  }
  return IniFile(std::string());
}

}  // namespace

std::string UserSettingsDirectory() {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return (config + "/kumo/").toStdString();
}

namespace {

// Writable, and marked so: a file or folder whose write bits are all off is read-only to root
// too, who could write it anyway.
bool MarkedWritable(const QFileInfo& info) {
  return info.isWritable() &&
         (info.permissions() &
          (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther)) != 0;
}

}  // namespace

SettingsFiles SettingsPlace(const std::string& programDir) {
  const std::string inProgramDir = programDir + FileName;
  const QFileInfo file(QString::fromStdString(inProgramDir));
  const bool exists = file.exists();
  // An installed program's folder (bin/ beside share/kumo/) is the system's, even for root.
  const bool installed =
      QFileInfo(QString::fromStdString(InstalledDataDirectory(programDir))).isDir();
  if (!installed && MarkedWritable(exists ? file : QFileInfo(QString::fromStdString(programDir)))) {
    return {std::string(), inProgramDir};
  }
  return {exists ? inProgramDir : std::string(), UserSettingsDirectory() + FileName};
}

bool SettingsExist(const std::string& programDir) {
  const SettingsFiles files = SettingsPlace(programDir);
  // The place names the defaults only when they exist.
  return !files.Defaults.empty() || QFileInfo::exists(QString::fromStdString(files.Own));
}

Options FirstStartDefaults() {
  Options options;
  options.ClassesGrade = {true, true, true};
  options.TeachersGroup = 1;
  options.TeachersGrade = 0;
  return options;
}

std::string LoadSettings(KumoApp& app, const Options& defaults) {
  const SettingsFiles files = SettingsPlace(app.ProgramDir);
  IniFile own =
      SetAsideOversized(app, files.Own) ? ReadProfile(app, files.Own) : IniFile(std::string());
  const Profile ini(ReadProfile(app, files.Defaults), std::move(own));
  // A name no file could have is a damaged value, and opening it would only fail.
  const std::string file = ini.GetString("DataFile", "FileName", NewTableName);
  LoadWindows(ini, app);
  Options& options = app.options;
  LoadOptions(ini, options, defaults);
  LoadAids(ini, app, defaults);
  app.dlgEnvironment->LoadFromOptions();
  return CanBePath(file) ? CutToCp932Bytes(file, MaxFileNameBytes) : std::string(NewTableName);
}

Options StoredOptions(const std::string& programDir) {
  const SettingsFiles files = SettingsPlace(programDir);
  const Profile ini{IniFile(files.Defaults), IniFile(files.Own)};
  Options options;
  LoadOptions(ini, options, Options());
  return options;
}

void SaveSettings(KumoApp& app) {
  const std::string path = SettingsPlace(app.ProgramDir).Own;
  try {
    QDir().mkpath(QString::fromStdString(DirectoryOf(path)));
    IniFile ini(path);
    ini.SetString("DataFile", "FileName", app.doc.FileName());
    const Bounds main = OuterBounds(*app.frmKumo);
    ini.SetInt("MainWindow", "Top", main.Top);
    ini.SetInt("MainWindow", "Left", main.Left);
    SaveGeometry(ini, "EditWindow", *app.frmEdit);
    SaveToolWindow(ini, "ClassesWindow", *app.frmClasses);
    SaveToolWindow(ini, "TeachersWindow", *app.frmTeachers);
    SaveToolWindow(ini, "StackWindow", *app.frmStack);
    SaveToolWindow(ini, "HoldingStackWindow", *app.frmHoldingStack);
    SaveToolWindow(ini, "PickChargeWindow", *app.frmPickCharge);
    SaveToolWindow(ini, "PickSWindow", *app.frmPickS);
    ini.SetInt("PickSWindow", "Letters", app.frmPickS->Letters);
    SaveToolWindow(ini, "TeacherWindow", *app.frmTeacher);
    SaveGeometry(ini, "ClassWindow", *app.frmClass);
    ini.SetInt("ClassWindow", "Letters", app.frmClass->Letters);
    ini.SetBool("ClassWindow", "Visible", app.frmClass->isVisible());
    Options& options = app.options;
    for (const OptionKey& k : OptionKeys) {
      if (k.Flag) {
        ini.SetBool(k.Section, k.Key, k.Flag(options));
      } else {
        ini.SetInt(k.Section, k.Key, k.Item(options));
      }
    }
    for (int i = 0; i < 5; ++i) {
      ini.SetInt("Color", ColorKeys[i], static_cast<int>(options.PieceColors[i + 1]));
    }
    ini.SetInt("Color", "Cursor", static_cast<int>(options.CursorColor));
    ini.SetString("Printer", "Font", options.PrintFontName);
    SaveAids(ini, app);
    ini.Save();
  } catch (const FileError& e) {
    // The reason, without the path the error names again.
    const std::string_view text = e.what();
    const std::size_t reason = text.find('\n');
    app.platform.ErrorBox(path + " に書き込めません" +
                          std::string(reason == std::string_view::npos ? "" : text.substr(reason)));
  }
}

}  // namespace kumo
