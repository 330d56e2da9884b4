# Prints a workbook the way the text export lays its rows out, for the export tests: per sheet
# a line with its name, its frozen cell, its numeric cells, the columns ruled on the right in
# its second row, its merged ranges, its paper and the faces of its cells; then each row's cells
# joined by TAB (numbers as "%2d"), trailing empty cells and rows left off. UTF-8, CR LF.
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
out = []
for sheet in book.worksheets:
    numbers = 0
    faces = set()
    rows = []
    for row in sheet.iter_rows():
        cells = []
        for cell in row:
            value = cell.value
            if value is not None:
                faces.add(cell.font.name)
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
    merged = sorted((r.min_col, str(r)) for r in sheet.merged_cells.ranges)
    out.append("\t".join([sheet.title, str(sheet.freeze_panes), str(numbers), ",".join(ruled),
                          ",".join(name for _, name in merged), str(sheet.page_setup.paperSize),
                          ",".join(sorted(faces))]))
    out.extend(rows)
sys.stdout.buffer.write("".join(row + "\r\n" for row in out).encode("utf-8"))
