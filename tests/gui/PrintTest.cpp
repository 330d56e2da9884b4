// The prints through a recording printer (screen 96 dpi, printer 600 dpi), the print dialog's
// wiring, and real PDF files read back with pdftotext.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>

#include "base/Cp932.h"
#include "base/FileError.h"
#include "document/Changes.h"
#include "document/DocFixture.h"
#include "gui/AppFixture.h"
#include "output/KumoPrn.h"
#include "platform/QtPlatform.h"
#include "support/SchoolPlan.h"

namespace kumo::test {
namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

class PrintTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    Start();
  }
  TdlgPrintOut& Dialog() { return *app_->dlgPrintOut; }
  template <class T>
  T* Find(const char* name) {
    auto* widget = Dialog().findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  PrintInput Input() {
    PrintInput in = Dialog().Input();
    in.screenDpi = 96;
    return in;
  }
  PrintedJob Printed(const PrintTask& task) {
    platform_.Print({task});
    return platform_.Printed().back();
  }
  // n lines of grade 1 without homerooms.
  void Lines(int n) {
    for (int k = 0; k < n; ++k) app_->doc.AddLine(Teacher(1, 0, "T"));
  }
  static TeacherLine Teacher(Byte grade, Byte homeroom, const char* name, Byte subject = 1) {
    return TeacherLineOf(grade, homeroom, name, subject);
  }
  // The teacher list's style and the class display type, as the environment dialog sets them.
  void ShowClassesAs(int style, int viewType) {
    app_->options.TeachersKind = style;
    app_->options.ViewClassType = viewType;
    DeriveOptions(app_->options);
    app_->doc.MakeClassLabels();
  }
  // Runs the dialog with the user doing act and then pressing OK.
  void RunOk(const std::function<void()>& act) {
    platform_.ExpectDialog([this, act](QDialog& dialog) {
      act();
      Find<QDialogButtonBox>("")->button(QDialogButtonBox::Ok)->click();
      return dialog.result();
    });
    Dialog().RunPrintDialog();
  }
  // The one text drawn at this place, or an empty text.
  static QString TextAt(const PrintedJob& job, int page, QPoint at) {
    for (const DrawnText& t : job.Texts) {
      if (t.Page == page && t.TopLeft == at) return t.Text;
    }
    return {};
  }
};

// Orientation, size and row spacing follow the number of lines and the paper: the first
// teacher's name sits at 4o from the shifted origin on the row round(lh × w × 4).
TEST_F(PrintTest, TeacherListLayoutByLinesAndPaper) {
  struct Case {
    int lines, paper;
    PageOrientation orientation;
    int points;
    QPoint name;
  } cases[] = {
      {36, PaperA4, PageOrientation::Landscape, 11, {125 + 4 * 46, 469}},  // w 1.7
      {40, PaperA4, PageOrientation::Landscape, 11, {125 + 4 * 46, 414}},  // w 1.5
      {41, PaperA4, PageOrientation::Portrait, 7, {4 * 29, 125 + 299}},    // w 1.7
      {40, PaperB4, PageOrientation::Landscape, 13, {125 + 4 * 54, 486}},  // 81 × 1.5 × 4
      {41, PaperA3, PageOrientation::Portrait, 10, {4 * 41, 125 + 422}},   // 62 × 1.7 × 4
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.lines << " lines, paper " << c.paper);
    app_->doc.Clear();
    Lines(c.lines);
    PrintInput in = Input();
    in.paper = c.paper;
    const PrintedJob job = Printed(TeacherListTask(in, 1));
    EXPECT_EQ(job.Request.Orientation, c.orientation);
    EXPECT_EQ(job.Pages, 1);
    const auto names = job.Find(U("T"));
    ASSERT_EQ(names.size(), static_cast<size_t>(c.lines));
    EXPECT_EQ(names[0].TopLeft, c.name);
    EXPECT_EQ(names[0].Points, c.points);
    EXPECT_EQ(job.Find(U("月曜"))[0].Points, c.points);
  }
}

TEST_F(PrintTest, TeacherListHeadingsGridAndOneLine) {
  TKumData& doc = app_->doc;
  doc.SetTitle(Cp932Literal("前期"), "");
  doc.AddLine(Teacher(0, 0, "校長", 2));
  const PrintedJob job = Printed(TeacherListTask(Input(), 3));
  EXPECT_EQ(job.Copies, 3);
  // Title at (4cw, 0) in twice the size; day names at (24d + 27)o on row round(lh × w × 2).
  ASSERT_EQ(job.Find(U("前期時間割")).size(), 1u);
  EXPECT_EQ(job.Find(U("前期時間割"))[0].TopLeft, QPoint(125 + 4 * 69, 0));
  EXPECT_EQ(job.Find(U("前期時間割"))[0].Points, 22);
  EXPECT_EQ(TextAt(job, 1, {125 + 51 * 46, 235}), U("火曜"));
  EXPECT_EQ(TextAt(job, 1, {125 + 22 * 46 + 23, 352}), U("２"));
  // A line without a grade: subject and name, no homeroom, no lesson count.
  const int row = RoundEven(69 * 1.7 * 4);
  EXPECT_EQ(TextAt(job, 1, {125 + 46, row}), U("社"));
  EXPECT_EQ(TextAt(job, 1, {125 + 4 * 46, row}), U("校長"));
  EXPECT_EQ(TextAt(job, 1, {125 + 15 * 46, row}), QString());
  // The grid: four horizontal lines for one teacher, the frame and day lines three wide.
  int horizontal = 0;
  int wide = 0;
  for (const DrawnLine& l : job.Lines) {
    if (l.Line.dy() == 0) ++horizontal;
    if (l.Width == 3) ++wide;
    EXPECT_LE(l.Line.x2(), 125 + 137 * 46 + 23);
  }
  EXPECT_EQ(horizontal, 4);
  EXPECT_EQ(wide, 3 + 1 + 6);
}

// Classes in the three styles, with the forced circled labels, and the labels restored after.
TEST_F(PrintTest, TeacherListClassStylesAndLabelsRestored) {
  TKumData& doc = app_->doc;
  doc.AddLine(Teacher(2, 1, "A"));
  test::EditLine(doc, 1, [&](TeacherLine& l) { l.Cells[1] = {KindGrade2, 3, 0, 0}; });
  test::EditLine(doc, 1, [&](TeacherLine& l) { l.Cells[2] = {KindGrade1, 2, 0, 0}; });
  const auto cell = [](int i) { return 125 + (4 * i + 14) * 46; };
  const int row = RoundEven(69 * 1.7 * 4);
  struct Case {
    int style, viewType;
    const char *homeroom, *own, *other;
    int homeroomAt;
  } cases[] = {
      {1, 0, "①", " ③", "1②", 12},
      {2, 2, "2-A", "2-C", "1-B", 11},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << c.style << " type " << c.viewType);
    ShowClassesAs(c.style, c.viewType);
    const auto before = doc.ClassLabels();
    const PrintedJob job = Printed(TeacherListTask(Input(), 1));
    EXPECT_EQ(TextAt(job, 1, {125 + c.homeroomAt * 46, row}), U(c.homeroom));
    EXPECT_EQ(TextAt(job, 1, {cell(1), row}), U(c.own));
    EXPECT_EQ(TextAt(job, 1, {cell(2), row}), U(c.other));
    for (int k = 1; k <= MaxClassNo; ++k) {
      EXPECT_EQ(doc.ClassLabels()[k].View(), before[k].View()) << k;
    }
  }
}

TEST_F(PrintTest, CountedPiecesUnderlinedOnlyWhenAskedAndNotBeyond) {
  TKumData& doc = app_->doc;
  doc.AddLine(Teacher(1, 1, "A"));
  test::EditLine(doc, 1, [&](TeacherLine& l) { l.Cells[1] = {KindSubject, 3, 0, Counted}; });
  test::EditLine(doc, 1, [&](TeacherLine& l) { l.Cells[2] = {KindSymbol, 1, 0, Counted}; });
  test::EditLine(doc, 1, [&](TeacherLine& l) { l.Cells[3] = {KindSubject, 4, 0, 0}; });
  test::EditLine(doc, 1, [&](TeacherLine& l) { l.Cells[4] = {KindGrade1, 1, 0, 0}; });
  for (bool asked : {false, true}) {
    app_->options.CountedPrint = asked;
    const PrintedJob job = Printed(TeacherListTask(Input(), 1));
    EXPECT_EQ(job.Find(U("数"))[0].Underline, asked);
    EXPECT_EQ(job.Find(U("／"))[0].Underline, asked);
    EXPECT_FALSE(job.Find(U("理"))[0].Underline);
    EXPECT_FALSE(job.Find(U("1①"))[0].Underline);
    EXPECT_FALSE(job.Find(U("時"))[0].Underline);
  }
}

TEST_F(PrintTest, ColourPrintingUsesThePieceColours) {
  TKumData& doc = app_->doc;
  doc.AddLine(Teacher(3, 1, "A"));
  test::EditLine(doc, 1, [&](TeacherLine& l) { l.Cells[1] = {KindSubject, 3, 0, 0}; });
  app_->options.ColorPrinting = true;
  const PrintedJob job = Printed(TeacherListTask(Input(), 1));
  EXPECT_EQ(job.Find(U("A"))[0].Color, ToQColor(app_->options.PieceColors[3]));
  EXPECT_EQ(job.Find(U("数"))[0].Color, ToQColor(app_->options.PieceColors[4]));
  EXPECT_EQ(job.Find(U("月曜"))[0].Color, QColor(Qt::black));
}

// A failing job is reported, and the labels on screen are back all the same.
TEST_F(PrintTest, FailedPrintIsReportedAndLabelsRestored) {
  app_->doc.AddLine(Teacher(1, 1, "A"));
  app_->doc.MakeClassLabels();
  const std::string before(app_->doc.ClassLabels()[1].View());
  platform_.ExpectPrintFailure("プリンタ X で印刷できません");
  platform_.ExpectErrorBox();
  RunOk([this] { Find<QCheckBox>("cbxPrintTeachers")->setChecked(true); });
  ASSERT_EQ(platform_.ErrorBoxes().size(), 1u);
  EXPECT_EQ(platform_.ErrorBoxes()[0], "プリンタ X で印刷できません");
  EXPECT_EQ(app_->doc.ClassLabels()[1].View(), before);
  EXPECT_EQ(Cp932ToUtf8(before), "１");
}

TEST_F(PrintTest, SmallClassTablesFifteenToAPage) {
  for (int classes : {15, 16}) {
    SCOPED_TRACE(classes);
    app_->doc.Clear();
    for (int c = 1; c <= classes; ++c) {
      app_->doc.AddLine(Teacher(static_cast<Byte>((c - 1) / 6 + 1), (c - 1) % 6 + 1, "A"));
    }
    ASSERT_EQ(app_->classes.EntryCount, classes);
    const PrintedJob job = Printed(ClassTablesSmallTask(Input()));
    EXPECT_EQ(job.Request.Orientation, PageOrientation::Landscape);
    EXPECT_EQ(job.Pages, classes == 15 ? 1 : 2);
    // Title at (X0 + 2o, round(Y × sy)), Y = lh div 2 in the first row of tables.
    const QPoint topLeft(125 + 100, 231);
    EXPECT_EQ(TextAt(job, 1, topLeft), U("１年１組時間割"));
    EXPECT_EQ(TextAt(job, 1, {125 + 1350 + 100, 231}), U("１年２組時間割"));
    if (classes == 16) {
      EXPECT_EQ(TextAt(job, 2, topLeft), U("３年４組時間割"));
    }
  }
}

// The teacher list and the class tables draw in the one print font the options name.
TEST_F(PrintTest, EveryPrintDrawsInThePrintFont) {
  app_->doc.AddLine(Teacher(1, 1, "A"));
  app_->options.PrintFontName = "DejaVu Sans Mono";
  for (const PrintTask& task : {TeacherListTask(Input(), 1), ClassTablesSmallTask(Input()),
                                ClassTablesLargeTask(Input(), 0)}) {
    const PrintedJob job = Printed(task);
    ASSERT_FALSE(job.Texts.empty());
    for (const DrawnText& t : job.Texts)
      EXPECT_EQ(t.Family, "DejaVu Sans Mono") << t.Text.toStdString();
  }
}

// Large tables, one to a page or the chosen class alone; what each period shows.
TEST_F(PrintTest, LargeClassTablesAndWhatAPeriodShows) {
  TKumData& doc = app_->doc;
  doc.AddLine(Teacher(1, 1, "A", 1));  // homeroom of 1-1, teaches 国
  doc.AddLine(Teacher(1, 2, "B", 3));  // homeroom of 1-2, teaches 数
  test::EditLine(doc, 1, [&](TeacherLine& l) {
    l.Cells[1] = {KindSubject, 13, 0, 0};
  });  // 学活 in the homeroom line ...
  test::EditLine(doc, 2, [&](TeacherLine& l) {
    l.Cells[1] = {KindGrade1, 1, 0, 0};
  });  // ... wins over B's lesson then
  test::EditLine(doc, 2, [&](TeacherLine& l) {
    l.Cells[2] = {KindGrade1, 1, 5, 0};
  });  // a lesson subject of its own: 英
  test::EditLine(doc, 2, [&](TeacherLine& l) {
    l.Cells[3] = {KindGrade1, 1, 0, 0};
  });  // B's own subject
  doc.NotifyAllChanged();
  const int x = 3 * 232 + 232;  // day 0: (3d + 4)o, o = 232
  const auto y = [](int p) { return 120 + 2 * (p + 1) * 348; };
  app_->options.PrintClassLetters = 4;
  PrintedJob job = Printed(ClassTablesLargeTask(Input(), 0));
  EXPECT_EQ(job.Request.Orientation, PageOrientation::Portrait);
  EXPECT_EQ(job.Pages, 2);
  EXPECT_EQ(TextAt(job, 1, {464, 120}), U("１年１組時間割"));
  EXPECT_EQ(TextAt(job, 1, {x, y(1)}), U("学級"));
  EXPECT_EQ(TextAt(job, 1, {x, y(1) + 232}), U("活動"));
  EXPECT_EQ(job.Find(U("学級"))[0].Points, 29);
  EXPECT_EQ(TextAt(job, 1, {x, y(2)}), U("英語"));
  EXPECT_EQ(TextAt(job, 1, {x, y(4)}), QString());  // nobody teaches 1-1 then
  app_->options.PrintClassLetters = 1;
  job = Printed(ClassTablesLargeTask(Input(), 2));
  EXPECT_EQ(job.Pages, 1);
  EXPECT_EQ(TextAt(job, 1, {464, 120}), U("１年２組時間割"));
  EXPECT_EQ(job.Find(U("学")).size(), 0u);
  EXPECT_EQ(job.Find(U("月"))[0].Points, 58);
}

// OK runs the chosen prints in order with the copy count; nothing chosen prints nothing.
TEST_F(PrintTest, DialogRunsTheChosenPrints) {
  BuildSchool(app_->doc, 30, 5);
  app_->options.ClassLarge = true;
  RunOk([] {});
  EXPECT_TRUE(platform_.Printed().empty());
  RunOk([this] {
    Find<QCheckBox>("cbxPrintTeachers")->setChecked(true);
    Find<QCheckBox>("cbxPrintClass")->click();
    Find<QCheckBox>("cbxClassSpecify")->click();
    Find<QComboBox>("cmbClassSpecify")->setCurrentIndex(6);
    Find<QSpinBox>("speCopies")->setValue(2);
  });
  EXPECT_EQ(Find<QComboBox>("cmbClassSpecify")->itemText(6).toStdString(), "2-2");
  // One print of three jobs: into a PDF file, one file.
  EXPECT_EQ(platform_.PrintCommands(), 1);
  ASSERT_EQ(platform_.Printed().size(), 3u);
  EXPECT_EQ(platform_.Printed()[0].Request.Name, "教師時間割一覧");
  EXPECT_EQ(platform_.Printed()[1].Pages, 1);  // fifteen small tables
  EXPECT_EQ(platform_.Printed()[1].Copies, 2);
  EXPECT_EQ(platform_.Printed()[2].Find(U("２年２組時間割")).size(), 1u);
  EXPECT_EQ(platform_.Printed()[2].Pages, 1);
}

// The preview shows every job of OK together; printing from it is OK.
TEST_F(PrintTest, PreviewShowsWhatOkWouldPrint) {
  BuildSchool(app_->doc, 30, 5);
  app_->options.ClassLarge = true;
  Find<QCheckBox>("cbxPrintClass")->click();
  Find<QPushButton>("btnPreview")->click();
  ASSERT_EQ(platform_.Previewed().size(), 2u);
  EXPECT_EQ(platform_.Previewed()[0].Find(U("３年５組時間割")).size(), 1u);
  EXPECT_EQ(platform_.Previewed()[1].Pages, 15);
  EXPECT_TRUE(platform_.Printed().empty());
  platform_.ExpectPrintFromPreview();
  Find<QPushButton>("btnPreview")->click();
  EXPECT_EQ(platform_.PrintCommands(), 1);
  EXPECT_EQ(platform_.Printed().size(), 2u);
  EXPECT_EQ(Dialog().result(), QDialog::Accepted);
}

TEST_F(PrintTest, LabelsCutAndClassListFollowsTheDisplayType) {
  TKumData& doc = app_->doc;
  // The longest title and comment fit their labels whole.
  doc.SetTitle(Cp932Literal("１２３４５６７８９０"),
               Cp932Literal("ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴ"));
  doc.AddLine(Teacher(1, 2, "A"));
  app_->options.ViewClassType = 2;  // Ａ,Ｂ,Ｃ…
  DeriveOptions(app_->options);
  platform_.ExpectDialog([this](QDialog&) {
    Find<QCheckBox>("cbxPrintClass")->click();
    EXPECT_TRUE(Find<QCheckBox>("cbxClassSpecify")->isEnabled());
    Find<QCheckBox>("cbxClassSpecify")->click();
    return QDialog::Rejected;
  });
  Dialog().RunPrintDialog();
  EXPECT_EQ(Find<QLabel>("lblTitle")->text(), U("タイトル：１２３４５６７８９０"));
  EXPECT_EQ(Find<QLabel>("lblComment")->text(),
            U("コメント：ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴ"));
  EXPECT_EQ(Find<QComboBox>("cmbClassSpecify")->currentText(), U("1-A"));
  EXPECT_EQ(Find<QComboBox>("cmbClassSpecify")->itemText(1), U("1-B"));
  EXPECT_TRUE(platform_.Printed().empty());
}

TEST_F(PrintTest, MenuOpensTheDialogAndEnvironmentButtonShowsThePrintPage) {
  app_.reset();
  Start(WritePlan("a.kmt"));
  platform_.ExpectDialog([this](QDialog& dialog) {
    EXPECT_EQ(&dialog, &Dialog());
    platform_.ExpectDialog([](QDialog& environment) {
      EXPECT_EQ(environment.findChild<QTabWidget*>("tnbEnv")->currentIndex(), 2);
      return QDialog::Rejected;
    });
    Find<QPushButton>("btnEnvironment")->click();
    return QDialog::Rejected;
  });
  Trigger("mnuFilePrint");
}

// Real PDF files through the printer path, read back as words with their boxes in points.
class PdfPrintTest : public PrintTest {
 protected:
  struct Word {
    int page;
    double x, y;
    QString text;
  };
  struct Pdf {
    std::vector<QSizeF> pages;
    std::vector<Word> words;
    const Word* Find(const QString& text) const {
      for (const Word& w : words) {
        if (w.text == text) return &w;
      }
      return nullptr;
    }
  };
  Pdf Read(const PrintTask& task) {
    const std::string path = dir_.File("out.pdf");
    PrintPdfFile({task}, path);
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-bbox"), QString::fromStdString(path), QStringLiteral("-")});
    EXPECT_TRUE(tool.waitForFinished(20000));
    Pdf pdf;
    const QRegularExpression page(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
    const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    for (const QString& line : QString::fromUtf8(tool.readAllStandardOutput()).split('\n')) {
      if (auto m = page.match(line); m.hasMatch()) {
        pdf.pages.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble());
      } else if (auto w = word.match(line); w.hasMatch()) {
        pdf.words.push_back({static_cast<int>(pdf.pages.size()), w.captured(1).toDouble(),
                             w.captured(2).toDouble(), w.captured(3)});
      }
    }
    return pdf;
  }
  void SetUp() override {
    PrintTest::SetUp();
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
      GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    BuildSchool(app_->doc, 30, 5);
  }
  // 600 printer pixels to the inch, 5 mm margins: printer pixels to points from the page.
  static double Points(int pixels) { return 5 / 25.4 * 72 + pixels * 72.0 / 600; }
};

TEST_F(PdfPrintTest, TeacherList) {
  const Pdf pdf = Read(TeacherListTask(Input(), 1));
  ASSERT_EQ(pdf.pages.size(), 1u);
  EXPECT_GT(pdf.pages[0].width(), pdf.pages[0].height());  // landscape A4
  EXPECT_NEAR(pdf.pages[0].width(), 842, 1);
  const Word* day = pdf.Find(U("水曜"));
  ASSERT_NE(day, nullptr);
  EXPECT_NEAR(day->x, Points(125 + 75 * 46), 1);
  const Word* name = pdf.Find(U("佐藤一郎"));
  ASSERT_NE(name, nullptr);
  EXPECT_NEAR(name->x, Points(125 + 4 * 46), 1);
}

TEST_F(PdfPrintTest, SmallClassTables) {
  const Pdf pdf = Read(ClassTablesSmallTask(Input()));
  ASSERT_EQ(pdf.pages.size(), 1u);
  EXPECT_GT(pdf.pages[0].width(), pdf.pages[0].height());
  const Word* title = pdf.Find(U("３年５組時間割"));
  ASSERT_NE(title, nullptr);
  EXPECT_NEAR(title->x, Points(125 + RoundEven(864 * 6.25) + 100), 1);
}

TEST_F(PdfPrintTest, LargeClassTables) {
  app_->options.PaperSize = PaperA3;
  PrintInput in = Input();
  in.paper = PaperA3;
  const Pdf pdf = Read(ClassTablesLargeTask(in, 0));
  ASSERT_EQ(pdf.pages.size(), 15u);
  EXPECT_NEAR(pdf.pages[14].height(), 1191, 1);  // portrait A3
  const Word* title = pdf.Find(U("３年５組時間割"));
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->page, 15);
  EXPECT_NEAR(title->x, Points(2 * 328), 1);
}

// A hundred teachers on A4 stay on the page's printable part.
TEST_F(PdfPrintTest, HundredTeachersFitTheMargins) {
  app_->doc.Clear();
  BuildSchool(app_->doc, 100, 5);
  const Pdf pdf = Read(TeacherListTask(Input(), 1));
  ASSERT_EQ(pdf.pages.size(), 1u);
  double lowest = 0;
  for (const Word& w : pdf.words) lowest = std::max(lowest, w.y);
  EXPECT_LT(lowest, pdf.pages[0].height() - 5 / 25.4 * 72 - 5);
  EXPECT_GT(lowest, pdf.pages[0].height() * 0.9);
}

TEST_F(PdfPrintTest, AnUnwritableFileIsReported) {
  try {
    PrintPdfFile({TeacherListTask(Input(), 1)}, dir_.File("missing/out.pdf"));
    ADD_FAILURE() << "no error";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("missing/out.pdf\" を書き込めません"), std::string::npos);
  }
}

// Two lessons moved since the comparison: a page for each teacher and class concerned.
TEST_F(PdfPrintTest, ChangeNotices) {
  TKumData& doc = app_->doc;
  doc.CompareWith(Baseline::Snapshot(doc.LinesInUse()));
  for (int line : {1, 2}) {
    int p = 2;
    while (!LessonChanged(doc.Cell(line, 1), doc.Cell(line, p))) ++p;
    test::EditLine(doc, line, [&](TeacherLine& l) { std::swap(l.Cells[1], l.Cells[p]); });
  }
  const std::vector<Notice> notices = FindNotices(doc);
  ASSERT_GE(notices.size(), 2u);
  const Pdf pdf = Read(NoticesTask(Input()));
  ASSERT_EQ(pdf.pages.size(), notices.size());
  EXPECT_LT(pdf.pages[0].width(), pdf.pages[0].height());  // portrait
  for (std::size_t k = 0; k < notices.size(); ++k) {
    const auto heading = std::count_if(pdf.words.begin(), pdf.words.end(), [&](const Word& w) {
      return w.page == static_cast<int>(k + 1) && w.text == U("変更前");
    });
    EXPECT_EQ(heading, 1) << "page " << k + 1;
  }
  EXPECT_NE(pdf.Find(U("月１")), nullptr);
}

}  // namespace
}  // namespace kumo::test
