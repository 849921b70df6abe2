// Cutting a large RTF document into pieces that load one after another,
// free of the platform.
#ifndef WICKER_RICHTEXT_RTF_PIECES_CORE_H
#define WICKER_RICHTEXT_RTF_PIECES_CORE_H

#include <cstddef>
#include <string>
#include <vector>

namespace rtfcore {

// One piece: `lead` + the document's bytes [from, to) + `tail` is an RTF
// document of its own. The lead repeats the document's header (its opening
// up to the first text: font and colour tables, document settings) and the
// character and paragraph settings in force at `from`; the tail closes the
// document where the piece is cut short.
struct DocumentPiece {
    std::string lead;
    std::size_t from;
    std::size_t to;
    std::string tail;
};

// Cuts the document before paragraph breaks ("\par" at the outer level of
// the document) into pieces of at least `pieceSize` bytes each, so that the
// pieces appended one after another show the text and formatting of the
// whole. A document that cannot be cut safely (not RTF, unbalanced braces,
// binary data) or that has no such break past `pieceSize` comes back as one
// piece holding it unchanged.
std::vector<DocumentPiece> CutDocument(const std::string& document, std::size_t pieceSize);

// Plain text cut after line feeds into pieces of at least `pieceSize` bytes
// (a CR LF pair stays whole); the lead and tail are empty.
std::vector<DocumentPiece> CutPlainText(const std::string& text, std::size_t pieceSize);

}  // namespace rtfcore

#endif
