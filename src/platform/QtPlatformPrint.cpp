// Printing on the Qt platform: the chosen printer (the system's print service), PDF files and
// the preview, each drawing the pages through the same routines.
#include <QBuffer>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/FileError.h"
#include "base/SysFile.h"
#include "platform/Canvas.h"
#include "platform/QtPlatform.h"

namespace kumo {
namespace {

// The pages of one task on a device. Turned, the task's pages lie across the device's paper: a
// landscape page on portrait paper, as a printer prints it.
class QtPrintJob : public PrintJob {
 public:
  QtPrintJob(QPagedPaintDevice& device, QPainter& painter, bool turned)
      : device_(device), painter_(painter), canvas_(painter), turned_(turned) {
    if (turned_) {
      painter_.translate(device_.width(), 0);
      painter_.rotate(90);
    }
    // Text is written on the paper, not on boxes of its own.
    canvas_.SetBrushClear();
  }
  Canvas& Page() override { return canvas_; }
  void NewPage() override { device_.newPage(); }
  void FitPage(int width, int height) override {
    const int pageWidth = turned_ ? device_.height() : device_.width();
    const int pageHeight = turned_ ? device_.width() : device_.height();
    const double scale =
        std::min(static_cast<double>(pageWidth) / width, static_cast<double>(pageHeight) / height);
    if (scale < 1) painter_.scale(scale, scale);
  }
  int DpiX() const override { return turned_ ? device_.logicalDpiY() : device_.logicalDpiX(); }
  int DpiY() const override { return turned_ ? device_.logicalDpiX() : device_.logicalDpiY(); }

 private:
  QPagedPaintDevice& device_;
  QPainter& painter_;
  Canvas canvas_;
  bool turned_;
};

// The pages are laid out in printer pixels, and the class tables' vertical offsets grow with the
// resolution: at the resolution of common office printers on every device, so that a page looks
// the same on every printer, in every PDF file and in the preview. (The system's print service
// receives the pages as vector graphics, so nothing prints coarser for it.)
constexpr int PrintDpi = 600;

QPageLayout::Orientation OrientationOf(const PrintRequest& request) {
  return request.Orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                           : QPageLayout::Portrait;
}

// The paper and its orientation; on an active device, for the pages after the next new page.
void SetUpPage(QPagedPaintDevice& device, const PrintRequest& request) {
  static const QPageSize::PageSizeId papers[] = {QPageSize::A4, QPageSize::JisB4, QPageSize::A3};
  device.setPageSize(QPageSize(papers[request.Paper]));
  device.setPageOrientation(OrientationOf(request));
}

void SetUpPrinter(QPrinter& printer, const PrintRequest& request) {
  printer.setResolution(PrintDpi);
  printer.setDocName(QString::fromStdString(request.Name));
  SetUpPage(printer, request);
  if (request.Copies) printer.setCopyCount(*request.Copies);
}

// Draws the task's pages from the current one on; the painter's state is the task's own, so that
// a page scaled to fit or turned does not carry over to the next task.
void DrawPages(QPagedPaintDevice& device, QPainter& painter, const PrintTask& task, bool turned) {
  painter.save();
  {
    QtPrintJob job(device, painter, turned);
    task.Draw(job);
  }
  painter.restore();
}

// One task as a job of its own. False when the printer would not start the job or failed on it.
bool DrawTask(QPrinter& printer, const PrintTask& task) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  DrawPages(printer, painter, task, false);
  return painter.end() && printer.printerState() != QPrinter::Error;
}

// Every task in one job on paper of one orientation, the first task's; the pages of the others
// turned where their orientation differs.
bool DrawTasksTurned(QPrinter& printer, const std::vector<PrintTask>& tasks) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  for (std::size_t k = 0; k < tasks.size(); ++k) {
    if (k > 0) printer.newPage();
    DrawPages(printer, painter, tasks[k],
              OrientationOf(tasks[k].Request) != printer.pageLayout().orientation());
  }
  return painter.end() && printer.printerState() != QPrinter::Error;
}

std::string PrinterFailure(const QPrinter& printer) {
  const QString name =
      printer.printerName().isEmpty() ? QStringLiteral("(なし)") : printer.printerName();
  return "プリンタ " + name.toStdString() + " で印刷できません";
}

// The whole PDF document, made in memory so that nothing reaches the disk before it is complete.
QByteArray PdfDocument(const std::vector<PrintTask>& tasks, int& copies) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setCreator(QStringLiteral("Kumo"));
  writer.setTitle(QString::fromStdString(tasks.front().Request.Name));
  writer.setResolution(PrintDpi);
  // About what printers leave unprinted at the edges, so that the file prints whole anywhere.
  writer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
  QPainter painter;
  for (const PrintTask& task : tasks) {
    if (task.Request.Copies) copies = *task.Request.Copies;
    for (int copy = 0; copy < copies; ++copy) {
      SetUpPage(writer, task.Request);
      if (!painter.isActive()) {
        if (!painter.begin(&writer)) return {};
      } else {
        writer.newPage();
      }
      DrawPages(writer, painter, task, false);
    }
  }
  if (!painter.end()) return {};
  return bytes;
}

}  // namespace

int PrintPdfFile(const std::vector<PrintTask>& tasks, const std::string& path, int copies) {
  const QByteArray bytes = PdfDocument(tasks, copies);
  // A writer that stopped part way leaves a document without its closing trailer.
  if (!bytes.trimmed().endsWith("%%EOF")) {
    throw FileError("\"" + path + "\" を書き込めません。\nPDF を作れませんでした。");
  }
  WriteFileAtomically(path, std::string_view(bytes.constData(), bytes.size()));
  return copies;
}

bool QtPlatform::Print(const std::vector<PrintTask>& tasks) {
  if (tasks.empty()) return true;
  if (printer_.outputFormat() == QPrinter::PdfFormat) {
    // One file for all the pages: where the set-up named it, else where the user names it now.
    std::string path = printer_.outputFileName().toStdString();
    if (path.empty()) {
      const FileDialogRequest request{"PDF ファイル (*.pdf)|*.pdf", "pdf",
                                      tasks.front().Request.Name + ".pdf", std::string(),
                                      std::string()};
      std::optional<std::string> chosen = SaveFileDialog(nullptr, request);
      if (!chosen) return false;
      path = *chosen;
    }
    printer_.setCopyCount(PrintPdfFile(tasks, path, printer_.copyCount()));
    return true;
  }
  for (const PrintTask& task : tasks) {
    SetUpPrinter(printer_, task.Request);
    if (!DrawTask(printer_, task)) throw FileError(PrinterFailure(printer_));
  }
  return true;
}

bool QtPlatform::PrintPreview(QWidget* owner, const std::vector<PrintTask>& tasks) {
  if (tasks.empty()) return false;
  // On the chosen printer's paper; the preview itself never prints: printing from it goes
  // through Print like every other print.
  SetUpPrinter(printer_, tasks.front().Request);
  QDialog dialog(owner);
  dialog.setWindowTitle(QStringLiteral("プレビュー"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* preview = new QPrintPreviewWidget(&printer_);
  preview->setObjectName("preview");
  QObject::connect(preview, &QPrintPreviewWidget::paintRequested, preview,
                   [this, &tasks](QPrinter* printer) {
                     if (!DrawTasksTurned(*printer, tasks)) ErrorBox(PrinterFailure(*printer));
                   });
  layout->addWidget(preview);
  auto* buttons = new QDialogButtonBox;
  QObject::connect(buttons->addButton(QStringLiteral("拡大"), QDialogButtonBox::ActionRole),
                   &QPushButton::clicked, preview, [preview] { preview->zoomIn(); });
  QObject::connect(buttons->addButton(QStringLiteral("縮小"), QDialogButtonBox::ActionRole),
                   &QPushButton::clicked, preview, [preview] { preview->zoomOut(); });
  QObject::connect(buttons->addButton(QStringLiteral("印刷"), QDialogButtonBox::AcceptRole),
                   &QPushButton::clicked, &dialog, &QDialog::accept);
  QObject::connect(buttons->addButton(QStringLiteral("閉じる"), QDialogButtonBox::RejectRole),
                   &QPushButton::clicked, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  dialog.resize(760, 900);
  return ExecDialog(dialog) == QDialog::Accepted;
}

}  // namespace kumo
