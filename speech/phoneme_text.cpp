#include "phoneme_text.h"

std::string WithoutPhonemes(const std::string& text)
{
    std::string plain;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t open = text.find("[[", i);
        if (open == std::string::npos) {
            plain.append(text, i, std::string::npos);
            break;
        }
        plain.append(text, i, open - i);
        std::size_t close = text.find("]]", open + 2);
        if (close == std::string::npos) break;
        i = close + 2;
    }
    return plain;
}
