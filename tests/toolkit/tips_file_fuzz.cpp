// libFuzzer target for the tips file reader: any bytes are read as a tips
// file, whole and with a read that fails part way. Every field must stay
// within its 1000 bytes and hold no zero byte, whole records only are read,
// what is read writes back to a file that reads the same, and a failed read
// keeps a leading part of the tips.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "richtext/tips_file.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

struct FailingSource {
    const std::string* bytes;
    std::size_t offset;
    std::size_t failAt;
};

std::size_t ReadUntilFailure(void* context, char* buffer, std::size_t count)
{
    FailingSource* source = static_cast<FailingSource*>(context);
    std::size_t end = source->failAt < source->bytes->size() ? source->failAt : source->bytes->size();
    std::size_t left = source->offset < end ? end - source->offset : 0;
    if (count > left)
        count = left;
    std::memcpy(buffer, source->bytes->data() + source->offset, count);
    source->offset += count;
    return count;
}

bool SameTip(const TipRecord& a, const TipRecord& b)
{
    return a.title == b.title && a.text == b.text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TipsFileContent content = ReadTipsBytes(bytes);

    std::size_t records = TipRecordCount(size);
    if (size < kTipsHeaderSize)
        Require(content.outcome == kTipsFileTooShort && content.tips.empty());
    else if (records == 0)
        Require(content.outcome == kTipsFileEmpty && content.tips.empty());
    else
        Require(content.outcome == kTipsFileRead && content.tips.size() == records);
    for (std::size_t i = 0; i < content.tips.size(); ++i) {
        const TipRecord& tip = content.tips[i];
        const char* record = bytes.data() + kTipsHeaderSize + i * kTipRecordSize;
        Require(tip.title.size() <= kTipFieldSize && tip.text.size() <= kTipFieldSize);
        Require(tip.title.find('\0') == std::string::npos && tip.text.find('\0') == std::string::npos);
        Require(std::memcmp(record, tip.title.data(), tip.title.size()) == 0);
        Require(std::memcmp(record + kTipFieldSize, tip.text.data(), tip.text.size()) == 0);
    }
    int first = StartingTip(content.storedCurrent, content.tips.size());
    Require(content.tips.empty() ? first == 0 : first >= 1 && static_cast<std::size_t>(first) <= content.tips.size());

    // Written back, the tips read the same (fields cut to 999 bytes).
    if (content.outcome == kTipsFileRead) {
        std::string written = TipsFileHeader(content.storedCurrent);
        for (const TipRecord& tip : content.tips)
            written += TipsFileRecord(tip.title, tip.text);
        Require(written.size() == kTipsHeaderSize + content.tips.size() * kTipRecordSize);
        TipsFileContent again = ReadTipsBytes(written);
        Require(again.storedCurrent == content.storedCurrent && again.tips.size() == content.tips.size());
        for (std::size_t i = 0; i < content.tips.size(); ++i) {
            TipRecord cut = {TipFieldText(content.tips[i].title), TipFieldText(content.tips[i].text)};
            Require(SameTip(again.tips[i], cut));
        }
    }

    // A read that fails part way keeps the whole records before the failure.
    if (size > 0) {
        FailingSource source = {&bytes, 0, data[0] * size / 256};
        TipsFileContent part = ReadTipsFile(size, ReadUntilFailure, &source);
        Require(part.tips.size() <= content.tips.size());
        for (std::size_t i = 0; i < part.tips.size(); ++i)
            Require(SameTip(part.tips[i], content.tips[i]));
        if (content.outcome == kTipsFileRead)
            Require(part.outcome == (part.tips.empty() ? kTipsFileUnreadable : kTipsFileRead));
    }
    return 0;
}
