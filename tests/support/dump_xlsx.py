# Prints a workbook the way the text export lays its rows out, for the export tests: per sheet
# a line with its name, its frozen cell, its numeric cells and the columns ruled on the right
# in its second row; then each row's cells joined by TAB (numbers as "%2d"), trailing empty
# cells and rows left off. UTF-8, CR LF.
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
out = []
for sheet in book.worksheets:
    numbers = 0
    rows = []
    for row in sheet.iter_rows(values_only=True):
        cells = []
        for value in row:
            if value is None:
                cells.append("")
            elif isinstance(value, (int, float)):
                numbers += 1
                cells.append("%2d" % value)
            else:
                cells.append(value)
        rows.append("\t".join(cells).rstrip("\t"))
    while rows and rows[-1] == "":
        rows.pop()
    ruled = [str(cell.column - 1) for cell in sheet[2] if cell.border.right.style == "thin"]
    out.append("%s\t%s\t%d\t%s" % (sheet.title, sheet.freeze_panes, numbers, ",".join(ruled)))
    out.extend(rows)
sys.stdout.buffer.write("".join(row + "\r\n" for row in out).encode("utf-8"))
