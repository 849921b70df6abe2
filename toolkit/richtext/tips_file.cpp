#include "tips_file.h"

#include <cstring>

namespace {

const char kTipsMagic[4] = {'W', 'K', 'T', '\0'};
const std::int32_t kTipsFirstNumber = 1;
const std::int32_t kTipsSecondNumber = 2;
// Records read with one call: a few reads for a file of a few tips, and few
// enough calls for a huge one.
const std::size_t kRecordsPerRead = 32;

void PutInt32(std::string& bytes, std::int32_t value)
{
    std::uint32_t bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<char>((bits >> shift) & 0xff));
}

std::int32_t Int32At(const char* bytes)
{
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = (bits << 8) | static_cast<unsigned char>(bytes[i]);
    return static_cast<std::int32_t>(bits);
}

// The field's bytes up to its first zero byte, never past its end.
std::string FieldAt(const char* field)
{
    const void* zero = std::memchr(field, '\0', kTipFieldSize);
    std::size_t length = zero == nullptr ? kTipFieldSize : static_cast<std::size_t>(static_cast<const char*>(zero) - field);
    return std::string(field, length);
}

struct MemorySource {
    const std::string* bytes;
    std::size_t offset;
};

std::size_t ReadFromMemory(void* context, char* buffer, std::size_t count)
{
    MemorySource* source = static_cast<MemorySource*>(context);
    std::size_t left = source->bytes->size() - source->offset;
    if (count > left)
        count = left;
    std::memcpy(buffer, source->bytes->data() + source->offset, count);
    source->offset += count;
    return count;
}

}  // namespace

std::size_t TipRecordCount(unsigned long long fileSize)
{
    if (fileSize < kTipsHeaderSize)
        return 0;
    unsigned long long records = (fileSize - kTipsHeaderSize) / kTipRecordSize;
    return records > kMaxTipsRead ? kMaxTipsRead : static_cast<std::size_t>(records);
}

TipsFileContent ReadTipsFile(unsigned long long fileSize, TipsByteReader read, void* context)
{
    TipsFileContent content;
    content.outcome = kTipsFileTooShort;
    content.storedCurrent = 0;
    if (fileSize < kTipsHeaderSize)
        return content;
    std::size_t count = TipRecordCount(fileSize);
    if (count == 0) {
        content.outcome = kTipsFileEmpty;
        return content;
    }
    char header[kTipsHeaderSize];
    if (read(context, header, kTipsHeaderSize) != kTipsHeaderSize) {
        content.outcome = kTipsFileUnreadable;
        return content;
    }
    content.storedCurrent = Int32At(header + 12);
    content.tips.reserve(count);
    std::vector<char> block(kRecordsPerRead * kTipRecordSize);
    while (content.tips.size() < count) {
        std::size_t wanted = count - content.tips.size();
        if (wanted > kRecordsPerRead)
            wanted = kRecordsPerRead;
        std::size_t got = read(context, block.data(), wanted * kTipRecordSize) / kTipRecordSize;
        for (std::size_t i = 0; i < got; ++i) {
            const char* record = block.data() + i * kTipRecordSize;
            TipRecord tip;
            tip.title = FieldAt(record);
            tip.text = FieldAt(record + kTipFieldSize);
            content.tips.push_back(tip);
        }
        if (got < wanted)
            break;
    }
    content.outcome = content.tips.empty() ? kTipsFileUnreadable : kTipsFileRead;
    return content;
}

TipsFileContent ReadTipsBytes(const std::string& bytes)
{
    MemorySource source = {&bytes, 0};
    return ReadTipsFile(bytes.size(), ReadFromMemory, &source);
}

int StartingTip(std::int32_t storedCurrent, std::size_t count)
{
    if (count == 0)
        return 0;
    if (storedCurrent < 1 || static_cast<std::size_t>(storedCurrent) > count)
        return 1;
    return storedCurrent;
}

std::string TipFieldText(const std::string& text)
{
    std::size_t length = text.find('\0');
    if (length == std::string::npos)
        length = text.size();
    if (length > kTipFieldSize - 1) {
        length = kTipFieldSize - 1;
        // A UTF-8 character the cut would split is left out whole: its lead
        // byte (11xxxxxx) stands before the cut, at most three bytes back,
        // and its continuation bytes (10xxxxxx) run on past it. Bytes of
        // other code pages seldom form such a run, and then lose at most
        // three bytes of a text that is cut anyway.
        std::size_t lead = length;
        while (lead > 0 && length - lead < 3 && (static_cast<unsigned char>(text[lead]) & 0xC0) == 0x80)
            --lead;
        unsigned char first = static_cast<unsigned char>(text[lead]);
        std::size_t sequence = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
        if (lead < length && sequence > length - lead && lead + sequence <= text.size()) {
            bool whole = true;
            for (std::size_t i = lead + 1; i < lead + sequence; ++i)
                whole = whole && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
            if (whole)
                length = lead;
        }
    }
    return text.substr(0, length);
}

std::string TipsFileHeader(std::int32_t current)
{
    std::string header(kTipsMagic, sizeof kTipsMagic);
    PutInt32(header, kTipsFirstNumber);
    PutInt32(header, kTipsSecondNumber);
    PutInt32(header, current);
    return header;
}

std::string TipsFileRecord(const std::string& title, const std::string& text)
{
    std::string record(kTipRecordSize, '\0');
    std::string titleField = TipFieldText(title);
    std::string textField = TipFieldText(text);
    record.replace(0, titleField.size(), titleField);
    record.replace(kTipFieldSize, textField.size(), textField);
    return record;
}
