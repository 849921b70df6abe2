// The CSV viewer's reader and writer, natively: what each kind of file reads
// as, the faults it reports (and what it keeps of them), and writing back.
#include <gtest/gtest.h>

#include "../../examples/csv_viewer/csv_table.h"

namespace {

typedef std::vector<CsvRecord> Records;

TEST(CsvTableTest, FilesReadAsTheirRecords)
{
    struct Case {
        const char* what;
        std::string text;
        Records records;
        char separator;
    } cases[] = {
        {"nothing", "", {}, ','},
        {"CR LF, LF and lone CR", "a,b\r\nc,d\ne\rf", {{"a", "b"}, {"c", "d"}, {"e"}, {"f"}}, ','},
        {"no line end at the end", "x,y", {{"x", "y"}}, ','},
        {"empty fields and a separator at the end", ",a,\n,", {{"", "a", ""}, {"", ""}}, ','},
        {"a blank line is one empty field", "a\n\nb\n", {{"a"}, {""}, {"b"}}, ','},
        {"quotes hold separators, line ends and quotes",
         "\"a,b\",\"line\r\nnext\",\"say \"\"hi\"\"\"\n", {{"a,b", "line\r\nnext", "say \"hi\""}}, ','},
        {"semicolons when the first line has more of them", "a;b,c;d\n1;2\n", {{"a", "b,c", "d"}, {"1", "2"}}, ';'},
        {"tabs likewise", "a\tb\tc\n", {{"a", "b", "c"}}, '\t'},
        {"separators inside quotes do not count", "\"a;b;c\",d\n", {{"a;b;c", "d"}}, ','},
        {"a byte-order mark is dropped", "\xEF\xBB\xBFn\xC3\xA4me,x\n", {{"n\xC3\xA4me", "x"}}, ','},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CsvTable table = ReadCsv(c.text);
        EXPECT_EQ(c.records, table.records);
        EXPECT_EQ(c.separator, table.separator);
        EXPECT_EQ("", table.problem);
    }
    EXPECT_TRUE(ReadCsv("\xEF\xBB\xBF" "a").utf8Mark);
    EXPECT_EQ(3u, ReadCsv("a\nb,c,d\n").ColumnCount());
}

// A faulty file is read to its end; the first fault is named with its line.
TEST(CsvTableTest, FaultsAreReportedWithTheirLineAndNothingIsLost)
{
    CsvTable open = ReadCsv("a,b\nc,\"d\ne,f\n");
    EXPECT_EQ("a quoted field is not closed", open.problem);
    EXPECT_EQ(2u, open.problemLine);
    EXPECT_EQ((Records{{"a", "b"}, {"c", "d\ne,f\n"}}), open.records);

    CsvTable trailing = ReadCsv("x\n\"ab\"cd,e\n");
    EXPECT_EQ("text follows a closing quote", trailing.problem);
    EXPECT_EQ(2u, trailing.problemLine);
    EXPECT_EQ((Records{{"x"}, {"abcd", "e"}}), trailing.records);
}

TEST(CsvTableTest, WrittenRecordsReadBackTheSame)
{
    Records records = {{"plain", "with,comma", "with \"quote\""},
                       {"two\r\nlines", "", "lone\rCR"},
                       {""},
                       {"a;b", "tab\there"}};
    for (char separator : {',', ';', '\t'}) {
        SCOPED_TRACE(separator);
        CsvTable table = ReadCsv(WriteCsv(records, separator), separator);
        EXPECT_EQ(records, table.records);
        EXPECT_EQ("", table.problem);
    }
    EXPECT_EQ("a,\"b,c\"\r\n\"\"\r\n", WriteCsv({{"a", "b,c"}, {""}}));
    // A first field that starts with the bytes of a byte-order mark keeps them.
    Records marked = {{"\xEF\xBB\xBFtext", "x"}};
    EXPECT_EQ(marked, ReadCsv(WriteCsv(marked)).records);
}

}  // namespace
