// `kumo --pdf teachers|small|large TIMETABLE OUTPUT.pdf`: the pages the print dialog would print,
// written to a PDF file without a window, with the paper, fonts and styles of the settings file.
#pragma once

#include <QStringList>

namespace kumo {

// arguments: the whole command line, "--pdf" second. Returns the exit code: 0 when the file was
// written, else non-zero after the error on stderr.
int RunPdfCommand(const QStringList& arguments);

}  // namespace kumo
