// Comma-separated values, read into rows of fields and written back. Plain
// C++ with no Windows in it, so that it can be tested and fuzzed anywhere.
//
// What is read: fields separated by commas (or by the semicolons or tabs a
// file's first line uses more than commas), records ended by CR LF, LF or a
// lone CR, fields in double quotes holding separators, line ends and quotes
// written twice (""). A UTF-8 byte-order mark at the start is dropped and
// noted. A file is never refused: a quote left open at the end of the file
// keeps everything after it in its field, and the first such fault is noted
// with the line it began on, for the program to tell its user.
#ifndef CSV_VIEWER_CSV_TABLE_H
#define CSV_VIEWER_CSV_TABLE_H

#include <cstddef>
#include <string>
#include <vector>

typedef std::vector<std::string> CsvRecord;

struct CsvTable {
    std::vector<CsvRecord> records;
    // The separator the fields were read with.
    char separator = ',';
    // True when the file began with a UTF-8 byte-order mark.
    bool utf8Mark = false;
    // Empty for a well-formed file; else what was wrong, and the line
    // (from 1) where it began.
    std::string problem;
    std::size_t problemLine = 0;
    // The count of fields of the widest record.
    std::size_t ColumnCount() const;
};

// The separator the first record of the text uses most: ',', ';' or '\t'
// (a comma when there is none or a tie with it).
char GuessCsvSeparator(const std::string& text);
// Reads the text with the separator, or with the guessed one for 0.
CsvTable ReadCsv(const std::string& text, char separator = 0);
// The records as CSV text, each line ended by CR LF; a field that holds the
// separator, a quote or a line end is quoted, and so is a record's only
// field when it is empty. ReadCsv of the result with the same separator
// gives the records back (a record of no fields comes back as one empty
// field, as a blank line does).
std::string WriteCsv(const std::vector<CsvRecord>& records, char separator = ',');

#endif
