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

} // namespace

const char* LetterPhrase(int n)
{
    if (n < 1 || n > LetterCount) return "";
    return Phrases[n];
}

void SetLetterUtterance(GameState& game, int n)
{
    game.speechText[0] = '\0';
    AppendText(game.speechText, sizeof game.speechText, LetterPhrase(n));
}

void AppendSpokenText(GameState& game, const char* text)
{
    size_t used = std::strlen(game.speechText);
    for (const char* p = text; *p && used < sizeof game.speechText - 1; ++p)
        if (*p != '"') game.speechText[used++] = *p;
    game.speechText[used] = '\0';
}

void SetWordUtterance(GameState& game)
{
    std::strcpy(game.speechText, " \"");
    AppendSpokenText(game, game.currentWord);
    AppendText(game.speechText, sizeof game.speechText, "\"");
}

void SetPictureUtterance(GameState& game)
{
    std::strcpy(game.speechText, "\"");
    AppendSpokenText(game, game.currentPicture);
    AppendText(game.speechText, sizeof game.speechText, "\"");
}

void AppendLostUtterance(GameState& game)
{
    AppendText(game.speechText, sizeof game.speechText, " ... bad luck ... you lost\"");
}

void AppendWonUtterance(GameState& game)
{
    AppendText(game.speechText, sizeof game.speechText, " ... ");
    for (const char* p = game.currentWord; *p; ++p) {
        if (*p == '"') continue;
        const char spelled[4] = {*p, '.', ' ', '\0'};
        AppendText(game.speechText, sizeof game.speechText, spelled);
    }
    AppendSpokenText(game, game.currentWord);
    AppendText(game.speechText, sizeof game.speechText, " ... well done ... you've won\"");
}
