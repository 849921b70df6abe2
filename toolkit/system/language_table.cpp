#include "language_table.h"

#include <string>
#include <unordered_map>

namespace {

// The custom resource type that holds a language table.
const char kLanguageResourceType[] = "RT_LANG";

}  // namespace

LanguageTable::LanguageTable() : resourceId(-1)
{
    BindProperties();
}

LanguageTable::LanguageTable(const String& path) : resourceId(-1)
{
    BindProperties();
    LoadFile(path);
}

LanguageTable::LanguageTable(int id) : resourceId(-1)
{
    BindProperties();
    LoadResource(id);
}

LanguageTable::LanguageTable(const ByteBuffer& buffer) : resourceId(-1)
{
    BindProperties();
    LoadBuffer(buffer);
}

LanguageTable::LanguageTable(const LanguageTable& other)
    : entries(other.entries), resourceId(other.resourceId)
{
    BindProperties();
}

LanguageTable& LanguageTable::operator=(const LanguageTable& other)
{
    entries = other.entries;
    resourceId = other.resourceId;
    return *this;
}

void LanguageTable::BindProperties()
{
    Count.Clear();
    Count.Bind(this, &LanguageTable::GetCount, NULL);
}

int LanguageTable::LoadFile(const String& path)
{
    ByteBuffer bytes;
    if (bytes.LoadFile(path, 0) == 0)
        return 0;
    return LoadBuffer(bytes);
}

// Finds, loads and copies the resource (FindResourceA, LoadResource, LockResource).
int LanguageTable::LoadResource(int id)
{
    HMODULE module = GetModuleHandleA(NULL);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), kLanguageResourceType);
    if (found == NULL)
        return 0;
    DWORD size = SizeofResource(module, found);
    HGLOBAL loaded = ::LoadResource(module, found);
    const void* bytes = loaded != NULL ? LockResource(loaded) : NULL;
    if (bytes == NULL || size == 0)
        return 0;
    ByteBuffer copy(bytes, static_cast<int>(size));
    int result = LoadBuffer(copy);
    resourceId = id;
    return result;
}

// Lines are separated by line feeds after every carriage return is removed;
// each line splits at "=" into key and value (further pieces dropped). Empty
// lines and lines with an empty key are skipped; a line without "=" gives the
// key with an empty value; a repeated key replaces the earlier value.
//
// One pass over the text: each line is cut out where it stands, and repeated
// keys are found through an index of the keys seen so far, so loading takes
// time in proportion to the table's size.
int LanguageTable::LoadBuffer(const ByteBuffer& buffer)
{
    if (static_cast<int>(buffer.Length) == 0)
        return 0;
    entries.clear();
    resourceId = -1;
    const String text = buffer.AsString();
    std::unordered_map<std::string, std::size_t> positions;
    std::string key, value;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        // Key up to the first "=", value up to the second; carriage returns
        // anywhere in the line are dropped.
        key.clear();
        value.clear();
        int piece = 0;
        for (std::size_t k = start; k < end && piece < 2; ++k) {
            const char c = text[k];
            if (c == '\r')
                continue;
            if (c == '=')
                ++piece;
            else
                (piece == 0 ? key : value) += c;
        }
        start = end + 1;
        if (key.empty())
            continue;
        const auto found = positions.find(key);
        if (found != positions.end()) {
            entries[found->second].value = value;
        } else {
            positions.emplace(key, entries.size());
            entries.push_back(LanguageEntry{key, value});
        }
    }
    return entries.empty() ? 0 : 1;
}

String LanguageTable::Lookup(const String& key)
{
    for (const LanguageEntry& entry : entries) {
        if (entry.key == key)
            return entry.value;
    }
    entries.push_back(LanguageEntry{key, String()});
    return String();
}

void LanguageTable::SetValue(const String& key, const String& value)
{
    for (LanguageEntry& entry : entries) {
        if (entry.key == key) {
            entry.value = value;
            return;
        }
    }
    entries.push_back(LanguageEntry{key, value});
}

int LanguageTable::GetCount()
{
    return static_cast<int>(entries.size());
}
