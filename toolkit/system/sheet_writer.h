/// \file
/// Text cells written as a minimal binary worksheet file.
#ifndef WICKER_SYSTEM_SHEET_WRITER_H
#define WICKER_SYSTEM_SHEET_WRITER_H

#include <vector>

#include "foundation/string.h"

/// One text cell; column and row count from 0.
struct SheetCell {
    /// The cell's column, from 0.
    unsigned short column;
    /// The cell's row, from 0.
    unsigned short row;
    /// The cell's text.
    String text;
};

/// Collects text cells and writes them as a spreadsheet file of BIFF records:
/// beginning of file, one label record per cell in the order added, end of file.
class SheetWriter {
public:
    /// Longest cell text written; longer texts are cut (and stay cut in the cell).
    static const int kMaxCellText = 128;

    /// The cells added, in order.
    std::vector<SheetCell> cells;

    /// Appends a cell.
    void AddCell(unsigned short column, unsigned short row, const String& text);
    /// Creates the file in binary mode and writes the records: 1 on success,
    /// 0 when the file cannot be created or written.
    int Save(const String& path);
};

#endif
