// What the export files hold, written in the tests as UTF-8 with \t and \n.
#pragma once

#include <string>

#include "base/Cp932.h"

namespace kumo::test {

// UTF-8 with \n to the CP932 and CR LF of the files.
inline std::string Bytes(const std::string& utf8) {
  std::string crlf;
  for (char c : utf8) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return Cp932Literal(crlf);
}

// The two heading rows of the teacher export.
inline const std::string Headings =
    "\t\t\t\t\t\t月\t曜\t\t\t\t\t火\t曜\t\t\t\t\t水\t曜\t\t\t\t\t木\t曜\t\t\t\t\t金\t曜\t\t\t\n"
    "教\t名前\t担\t時\t１\t２\t３\t４\t５\t６\t１\t２\t３\t４\t５\t６\t１\t２\t３\t４\t５\t６"
    "\t１\t２\t３\t４\t５\t６\t１\t２\t３\t４\t５\t６\n";

}  // namespace kumo::test
