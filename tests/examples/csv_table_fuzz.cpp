// libFuzzer target for the CSV viewer's reader: any bytes read with each
// separator. The reader must keep every byte of a field's text (nothing read
// is lost: writing the records and reading them again gives them back), and
// a well-formed file it reports no fault in must write back to records equal
// to what it read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "../../examples/csv_viewer/csv_table.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// Blank records come back as one empty field.
std::vector<CsvRecord> Normalised(std::vector<CsvRecord> records)
{
    for (CsvRecord& record : records)
        if (record.empty())
            record.push_back(std::string());
    return records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    for (char separator : {'\0', ',', ';', '\t'}) {
        CsvTable table = ReadCsv(text, separator);
        Require(table.separator == ',' || table.separator == ';' || table.separator == '\t');
        Require(table.problem.empty() == (table.problemLine == 0));
        // No field holds more than the text did.
        std::size_t held = 0;
        for (const CsvRecord& record : table.records) {
            Require(!record.empty());
            for (const std::string& field : record)
                held += field.size();
        }
        Require(held <= size);
        CsvTable again = ReadCsv(WriteCsv(table.records, table.separator), table.separator);
        Require(again.problem.empty());
        Require(Normalised(again.records) == table.records);
    }
    return 0;
}
