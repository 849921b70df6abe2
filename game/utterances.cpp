#include "utterances.h"

#include <cstring>

#include "text_buffer.h"

namespace {

// One fixed phrase per letter button; 'c' and 'k' share their sound, 'g'
// ends without the colon, 'q' and 'y' carry no stress mark.
const char* const Phrases[LetterCount + 1] = {
    "",
    " \"[['a]] ... a ... ",     " \"[[b'3:]] ... b ... ",  " \"[[k'3:]] ... c ... ",
    " \"[[d'3:]] ... d ... ",   " \"[['E]] ... e ... ",    " \"[[f'3:]] ... f ... ",
    " \"[[g'3]] ... g ... ",    " \"[[h'3:]] ... h ... ",  " \"[['i]] ... i ... ",
    " \"[[dZ'3:]] ... j ... ",  " \"[[k'3:]] ... k ... ",  " \"[[l'3:]] ... l ... ",
    " \"[[m'3:]] ... m ... ",   " \"[[n'3:]] ... n ... ",  " \"[['o]] ... o ... ",
    " \"[[p'3:]] ... p ... ",   " \"[[kw3:]] ... q ... ",  " \"[[r'@]] ... r ... ",
    " \"[[s'3:]] ... s ... ",   " \"[[t'3:]] ... t ... ",  " \"[['A@]] ... u ... ",
    " \"[[v'3:]] ... v ... ",   " \"[[w'3:]] ... w ... ",  " \"[['Eks]] ... x ... ",
    " \"[[j3:]] ... y ... ",    " \"[[z'3:]] ... z ... ",
};

// A double quote from a word or a picture name would end or extend the one
// argument that the speech program receives, so it is not spoken.
bool Speakable(char c)
{
    return c != '"';
}

// Closes the quote that the text opened. The speech program reads its
// argument by the platform's command-line rules, under which backslashes
// right before a quote escape it: a text ending in backslashes (the word
// "AC\", say) has each of them doubled, so they stay backslashes and the
// quote ends the argument. speechText has room for the longest text doubled.
void CloseQuote(GameState& state)
{
    std::size_t used = std::strlen(state.speechText);
    for (std::size_t i = used; i > 0 && state.speechText[i - 1] == '\\'; --i)
        AppendText(state.speechText, sizeof state.speechText, "\\");
    AppendText(state.speechText, sizeof state.speechText, "\"");
}

} // namespace

const char* LetterPhrase(int n)
{
    if (n < 1 || n > LetterCount) return "";
    return Phrases[n];
}

void SetLetterUtterance(GameState& state, int n)
{
    state.speechText[0] = '\0';
    AppendText(state.speechText, sizeof state.speechText, LetterPhrase(n));
}

void AppendSpokenText(GameState& state, const char* text)
{
    size_t used = std::strlen(state.speechText);
    for (const char* p = text; *p && used < sizeof state.speechText - 1; ++p)
        if (Speakable(*p)) state.speechText[used++] = *p;
    state.speechText[used] = '\0';
}

void SetWordUtterance(GameState& state)
{
    std::strcpy(state.speechText, " \"");
    AppendSpokenText(state, state.currentWord);
    CloseQuote(state);
}

void SetPictureUtterance(GameState& state)
{
    std::strcpy(state.speechText, "\"");
    AppendSpokenText(state, state.currentPicture);
    CloseQuote(state);
}

void AppendLostUtterance(GameState& state)
{
    AppendText(state.speechText, sizeof state.speechText, " ... bad luck ... you lost");
    CloseQuote(state);
}

void AppendWonUtterance(GameState& state)
{
    AppendText(state.speechText, sizeof state.speechText, " ... ");
    for (const char* p = state.currentWord; *p; ++p) {
        if (!Speakable(*p)) continue;
        const char spelled[4] = {*p, '.', ' ', '\0'};
        AppendText(state.speechText, sizeof state.speechText, spelled);
    }
    AppendSpokenText(state, state.currentWord);
    AppendText(state.speechText, sizeof state.speechText, " ... well done ... you've won");
    CloseQuote(state);
}
