#include "csv_table.h"

namespace {

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Steps over the line end at `pos` (CR LF counts as one).
std::size_t PastLineEnd(const std::string& text, std::size_t pos)
{
    if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n')
        return pos + 2;
    return pos + 1;
}

void Note(CsvTable& table, const char* problem, std::size_t line)
{
    if (table.problem.empty()) {
        table.problem = problem;
        table.problemLine = line;
    }
}

}  // namespace

std::size_t CsvTable::ColumnCount() const
{
    std::size_t widest = 0;
    for (const CsvRecord& record : records)
        if (record.size() > widest)
            widest = record.size();
    return widest;
}

char GuessCsvSeparator(const std::string& text)
{
    std::size_t commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        char c = text[pos];
        if (c == '"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (IsLineEnd(c))
            break;
        else if (c == ',')
            ++commas;
        else if (c == ';')
            ++semicolons;
        else if (c == '\t')
            ++tabs;
    }
    if (semicolons > commas && semicolons >= tabs)
        return ';';
    if (tabs > commas && tabs > semicolons)
        return '\t';
    return ',';
}

CsvTable ReadCsv(const std::string& text, char separator)
{
    CsvTable table;
    std::size_t pos = 0;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        table.utf8Mark = true;
        pos = 3;
    }
    table.separator = separator != 0 ? separator : GuessCsvSeparator(text.substr(pos));
    const char sep = table.separator;
    const std::size_t size = text.size();
    std::size_t line = 1;
    while (pos < size) {
        CsvRecord record;
        for (;;) {
            std::string field;
            if (text[pos] == '"') {
                std::size_t opened = line;
                ++pos;
                bool closed = false;
                while (pos < size) {
                    char c = text[pos];
                    if (c == '"') {
                        if (pos + 1 < size && text[pos + 1] == '"') {
                            field += '"';
                            pos += 2;
                            continue;
                        }
                        ++pos;
                        closed = true;
                        break;
                    }
                    if (IsLineEnd(c)) {
                        std::size_t next = PastLineEnd(text, pos);
                        field.append(text, pos, next - pos);
                        pos = next;
                        ++line;
                        continue;
                    }
                    field += c;
                    ++pos;
                }
                if (!closed)
                    Note(table, "a quoted field is not closed", opened);
                // Text between the closing quote and the separator is kept.
                if (pos < size && text[pos] != sep && !IsLineEnd(text[pos]))
                    Note(table, "text follows a closing quote", line);
            }
            while (pos < size && text[pos] != sep && !IsLineEnd(text[pos]))
                field += text[pos++];
            record.push_back(field);
            if (pos < size && text[pos] == sep) {
                ++pos;
                // A separator at the very end leaves one more empty field.
                if (pos == size)
                    record.push_back(std::string());
                else
                    continue;
            }
            break;
        }
        if (pos < size) {
            pos = PastLineEnd(text, pos);
            ++line;
        }
        table.records.push_back(record);
    }
    return table;
}

std::string WriteCsv(const std::vector<CsvRecord>& records, char separator)
{
    std::string text;
    for (const CsvRecord& record : records) {
        for (std::size_t i = 0; i < record.size(); ++i) {
            const std::string& field = record[i];
            if (i > 0)
                text += separator;
            // A text that starts with a byte-order mark's bytes is quoted, so
            // that reading does not take them for the mark.
            bool quote = field.find_first_of(std::string("\"\r\n") + separator) != std::string::npos ||
                         (record.size() == 1 && field.empty()) ||
                         (text.empty() && field.compare(0, 3, "\xEF\xBB\xBF") == 0);
            if (!quote) {
                text += field;
                continue;
            }
            text += '"';
            for (char c : field) {
                if (c == '"')
                    text += '"';
                text += c;
            }
            text += '"';
        }
        text += "\r\n";
    }
    return text;
}
