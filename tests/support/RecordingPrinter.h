// A printer for tests: pages at a fixed resolution whose paint engine records every text and
// line drawn on them, where the page's surface put them.
#pragma once

#include <QColor>
#include <QLine>
#include <QPaintDevice>
#include <QPainter>
#include <QPoint>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

#include "platform/Canvas.h"
#include "platform/PrintJob.h"

namespace kumo::test {

struct DrawnText {
  int Page;        // from 1
  QPoint TopLeft;  // as the canvas was asked to place it
  QString Text;
  int Points;
  bool Underline;
  QColor Color;
  QString Family;
};

struct DrawnLine {
  int Page;
  QLine Line;
  int Width;
};

// What a print job drew, page by page.
struct PrintedJob {
  PrintRequest Request;
  int Copies = 1;  // the printer's copy count the job printed with
  int Pages = 1;
  double Scale = 1;  // as FitPage left the page
  std::vector<DrawnText> Texts;
  std::vector<DrawnLine> Lines;

  // The texts equal to text, in drawing order.
  std::vector<DrawnText> Find(const QString& text) const;
};

class RecordingEngine;

class RecordingDevice : public QPaintDevice {
 public:
  RecordingDevice(QSize pixels, int dpi, PrintedJob& record);
  ~RecordingDevice() override;
  QPaintEngine* paintEngine() const override;

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  QSize pixels_;
  int dpi_;
  std::unique_ptr<RecordingEngine> engine_;
};

// A job of the scripted platform: the pages go to a RecordingDevice of the paper's size.
class RecordingJob : public PrintJob {
 public:
  RecordingJob(int dpi, PrintedJob& record);
  Canvas& Page() override { return canvas_; }
  void NewPage() override { ++record_.Pages; }
  // Records the scale; the texts and lines keep the coordinates they were drawn at.
  void FitPage(int width, int height) override;
  int DpiX() const override { return dpi_; }
  int DpiY() const override { return dpi_; }

 private:
  int dpi_;
  PrintedJob& record_;
  RecordingDevice device_;
  QPainter painter_;
  Canvas canvas_;
};

}  // namespace kumo::test
