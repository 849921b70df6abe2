/// \file
/// A table of key=value texts for a user interface in one language.
#ifndef WICKER_SYSTEM_LANGUAGE_TABLE_H
#define WICKER_SYSTEM_LANGUAGE_TABLE_H

#include <vector>

#include "byte_buffer.h"
#include "foundation/property.h"
#include "foundation/string.h"

/// One key and its text.
struct LanguageEntry {
    /// The text before the first "=".
    String key;
    /// The text after it.
    String value;
};

/// Key=value lines read from a text file, from a resource of the custom type
/// "RT_LANG" or from memory. Keys are kept in the order they first appeared,
/// each once, and looked up by exact comparison.
class LanguageTable {
public:
    /// The entries, in the file's order.
    std::vector<LanguageEntry> entries;
    /// The resource the table was loaded from, -1 otherwise.
    int resourceId;
    /// Number of keys; read-only.
    Property<LanguageTable, int> Count;

    /// Empty.
    LanguageTable();
    /// Loaded from a text file (LoadFile).
    explicit LanguageTable(const String& path);
    /// Loaded from a resource of the program (LoadResource).
    explicit LanguageTable(int id);
    ///@{
    /// Loaded from memory (LoadBuffer).
    explicit LanguageTable(const ByteBuffer& buffer);
    LanguageTable(const LanguageTable& other);
    LanguageTable& operator=(const LanguageTable& other);
    ///@}

    /// 0 when the file does not exist or cannot be read, else LoadBuffer of its bytes.
    int LoadFile(const String& path);
    /// The "RT_LANG" resource of that identifier in the program's module:
    /// 0 when it is missing, cannot be loaded or is empty, else LoadBuffer of a copy.
    int LoadResource(int id);
    /// 0 for an empty buffer; otherwise replaces the table with the parsed text
    /// (up to the first zero byte) and returns 1 when it holds at least one key.
    int LoadBuffer(const ByteBuffer& buffer);
    /// The value of the key; a missing key is added with an empty value.
    String Lookup(const String& key);

private:
    void BindProperties();
    void SetValue(const String& key, const String& value);
    int GetCount();
};

#endif
