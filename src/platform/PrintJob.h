// A print as the windows hand it to the platform: what the printer is to be set to, and a
// routine that draws every page of the job on the platform's Canvas in printer pixels. The same
// routine draws for the printer, a PDF file and the preview.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "document/PrintUnits.h"

namespace kumo {

class Canvas;

enum class PageOrientation { Portrait, Landscape };

struct PrintRequest {
  std::string Name;  // the job's name in the print queue (UTF-8)
  PaperSize Paper = PaperA4;
  PageOrientation Orientation = PageOrientation::Portrait;
  // Sets the printer's copy count, which then stays for later jobs; nothing keeps the count in
  // force.
  std::optional<int> Copies;
};

// The job in progress, as the drawing routine sees it.
class PrintJob {
 public:
  virtual ~PrintJob() = default;
  // The current page's surface; the origin is the page's printable top-left corner.
  virtual Canvas& Page() = 0;
  virtual void NewPage() = 0;
  // Scales the page down, keeping its proportions, when a drawing of this size from the origin
  // would not fit the printable area; lost rows would be worse than smaller ones.
  virtual void FitPage(int width, int height) = 0;
  // The printer's pixels per inch.
  virtual int DpiX() const = 0;
  virtual int DpiY() const = 0;
};

struct PrintTask {
  PrintRequest Request;
  std::function<void(PrintJob&)> Draw;
};

}  // namespace kumo
