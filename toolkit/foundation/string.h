/// \file
/// The toolkit's 8-bit byte string and the free string operations.
#ifndef WICKER_FOUNDATION_STRING_H
#define WICKER_FOUNDATION_STRING_H

#include <windows.h>

#include <cstddef>
#include <string>

#include "property.h"

class StringList;

/// A growable, NUL-terminated byte string in the system's ANSI code page. It is
/// a std::string (the whole standard interface is available) plus the read-only
/// property `Length`, bound to the String that contains it in every constructor.
/// Copying copies the text only; assignment leaves the target's binding alone.
class String : public std::string {
public:
    /// Number of bytes; read-only (writing it is the runtime check "Set != NULL").
    Property<String, int> Length;

    String();
    /// A null pointer gives empty text: a String is never null.
    String(const char* text);
    ///@{
    /// The first `count` bytes at `bytes` (which may hold NUL bytes).
    String(const char* bytes, std::size_t count);
    String(const String& other);
    String(String&& other) noexcept;
    String(const std::string& other);
    String(std::string&& other) noexcept;
    ///@}

    ///@{
    /// Each assignment replaces the text and returns a copy of the new value.
    String operator=(const char* text);
    String operator=(const String& other);
    String operator=(const std::string& other);
    String operator=(char byte);
    ///@}
    /// Moving in takes the other's text, never its binding.
    String& operator=(String&& other) noexcept;

    /// Text becomes empty.
    void Clear();

    /// Pointer to the NUL-terminated text, valid until the next change.
    const char* CStr() const;
    /// Writable pointer to the byte at index; no bounds check (0 to Length are meaningful).
    char* CharAt(int index);

    ///@{
    /// Byte-for-byte comparison with a text (a null pointer as empty text) or another String.
    bool operator==(const char* text) const;
    bool operator==(const String& other) const;
    bool operator!=(const char* text) const;
    bool operator!=(const String& other) const;
    ///@}

    /// Writes the text to the standard output stream.
    void Print() const;

    /// Inserts the text before the byte at position (std::out_of_range past the end).
    String& Insert(int position, const String& text);
    /// Removes up to count bytes from position (std::out_of_range past the end).
    String& Erase(int position, int count);
    /// First index of the byte at or after start, or -1.
    int FindChar(char byte, int start = 0) const;
    /// First index of the text at or after start, or -1.
    int Find(const String& text, int start = 0) const;
    /// Up to count bytes from position; a negative count means up to the end
    /// (std::out_of_range when position is past the end).
    String Mid(int position, int count) const;

    ///@{
    /// Replace-all family: every occurrence at or after start; text brought in by
    /// a replacement is never searched again. Linear in the text.
    String& Replace(const String& search, const String& replacement, int start = 0);
    String& ReplaceChar(char byte, const String& replacement, int start = 0);
    String& ReplaceCharWithChar(char byte, char newByte, int start = 0);
    ///@}

    ///@{
    /// These change the String itself and return a copy of the result.
    String Upper();
    String Lower();
    String RemoveDigits();
    ///@}

    /// Splits at every separator. The scan resumes one byte after the start of a
    /// separator ("x--y" by "--" gives "x", "-y"); an empty separator gives one
    /// element per byte.
    StringList Split(const String& separator) const;

    ///@{
    /// The standard atoi and atof of the text; 0 when it is not a number.
    int ToInt() const;
    double ToDouble() const;
    ///@}

private:
    void BindProperties();
    int GetLength();
};

///@{
/// The same comparisons with the plain text on the left.
bool operator==(const char* text, const String& string);
/// The same comparisons with the plain text on the left.
bool operator!=(const char* text, const String& string);
///@}

///@{
/// Concatenation: a new String, neither operand changes.
String operator+(const String& first, const String& second);
String operator+(const String& first, const char* second);
///@}
///@{
/// With a std::string on either side (std::to_string's, say) the result is a
/// String too, where the standard library's operator would be as good a match.
String operator+(const String& first, const std::string& second);
String operator+(const std::string& first, const String& second);
String operator+(const String& first, std::string&& second);
String operator+(std::string&& first, const String& second);
String operator+(const char* first, const String& second);
String operator+(const String& first, char second);
String operator+(char first, const String& second);
///@}

/// Upper-case hexadecimal digits of the 32 bits, no prefix or padding: 255 gives "FF".
String HexString(int value);
/// The value as an integer when it is one within 32 bits, else with `decimals`
/// decimals ("%.Nf"). See string.cpp for what huge inputs give.
String NumberString(double value, int decimals);

/// Shell "open" of the file with the parameters (ShellExecuteA, SW_SHOWNORMAL);
/// greater than 32 on success.
HINSTANCE RunProgram(const String& file, const String& parameters, HWND owner);
/// True when the file opens for reading as text.
bool FileExists(const String& path);

#include "string_list.h"

#endif
