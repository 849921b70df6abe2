#include "base64_string.h"

String Base64Encode(const String& text)
{
    String encoded;
    encoded.resize(Base64EncodedLength(text.size()));
    if (!encoded.empty())
        Base64EncodeTo(&encoded[0], text.data(), text.size());
    return encoded;
}

String Base64Decode(const String& text)
{
    // Every four characters give at most three bytes, a final part group two.
    String decoded;
    decoded.resize(text.size() / 4 * 3 + 2);
    const Base64Decoded result = Base64DecodeText(&decoded[0], decoded.size(), text.c_str());
    decoded.resize(result.written);
    return decoded;
}
