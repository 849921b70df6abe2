// Cutting large documents into pieces that load one after another: the
// pieces, each read as a document of its own, show the whole document's
// text, and each piece starts with the settings in force where it was cut.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rtf_builders_core.h"
#include "rtf_markup_core.h"
#include "rtf_pieces_core.h"
#include "rtf_reference.h"

namespace {

std::string PieceText(const std::string& document, const rtfcore::DocumentPiece& piece)
{
    return piece.lead + document.substr(piece.from, piece.to - piece.from) + piece.tail;
}

// Every piece size from tiny to larger than the document: the pieces cover
// the document in order, no piece but the last ends in a paragraph break,
// and their texts joined are the document's text.
TEST(RtfPiecesTest, PiecesShowTheWholeText)
{
    std::string markup;
    for (int i = 0; i < 40; ++i)
        markup += "Line " + std::to_string(i) + " <b>bold</b> {x} \\ <CENTER>c</CENTER>\n\n<i>it\nalic</i><BR>";
    const std::string documents[] = {
        rtfcore::Header() + rtfcore::FromMarkup(markup) + rtfcore::End(),
        rtfcore::Header() + rtfcore::FromMarkup(markup) + "\\par " + rtfcore::End(),
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 one\\par {\\b two\\par}three\\par four}",
    };
    for (const std::string& document : documents) {
        std::string whole = rtfreference::PlainText(document);
        for (std::size_t size : {1u, 7u, 64u, 500u, 4000u, 1000000u}) {
            std::vector<rtfcore::DocumentPiece> pieces = rtfcore::CutDocument(document, size);
            ASSERT_FALSE(pieces.empty());
            std::string joined;
            std::size_t at = 0;
            for (std::size_t k = 0; k < pieces.size(); ++k) {
                EXPECT_EQ(pieces[k].from, at);
                at = pieces[k].to;
                std::string shown = rtfreference::PlainText(PieceText(document, pieces[k]));
                if (k + 1 < pieces.size()) {
                    EXPECT_NE(shown.back(), '\n') << "piece " << k << " of size " << size;
                }
                joined += shown;
            }
            EXPECT_EQ(at, document.size());
            EXPECT_EQ(joined, whole) << "piece size " << size;
            if (size >= document.size()) {
                EXPECT_EQ(pieces.size(), 1u);
            } else if (size <= 7) {
                EXPECT_GT(pieces.size(), 2u);
            }
        }
    }
}

// A piece starts with the header and the last word of each setting seen
// before the cut, in the order of those last words; settings inside groups
// end with their group and are not carried.
TEST(RtfPiecesTest, PiecesCarryTheSettingsInForce)
{
    std::string header = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard\\f0\\fs20";
    std::string document = header + "a\\b b\\qc c\\i\\b0{\\ul u}d\\par e}";
    std::vector<rtfcore::DocumentPiece> pieces = rtfcore::CutDocument(document, 4);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].lead, "");
    EXPECT_EQ(pieces[0].tail, "}");
    EXPECT_EQ(pieces[1].lead, header + "\\qc \\i \\b0 ");
    EXPECT_EQ(document.substr(pieces[1].from), "\\par e}");
}

// Documents that are not cut: not RTF, unbalanced, binary data, no text
// before a break.
TEST(RtfPiecesTest, DocumentsThatCannotBeCutStayWhole)
{
    const std::string documents[] = {
        "plain text\\par more text\\par", "{\\rtf1 one\\par two\\par three",
        "{\\rtf1 one\\par {\\bin4 }}}\\par x}", "{\\rtf1 \\par\\par\\par\\par}",
    };
    for (const std::string& document : documents) {
        std::vector<rtfcore::DocumentPiece> pieces = rtfcore::CutDocument(document, 1);
        ASSERT_EQ(pieces.size(), 1u) << document;
        EXPECT_EQ(PieceText(document, pieces[0]), document);
    }
}

TEST(RtfPiecesTest, PlainTextIsCutAfterLineFeeds)
{
    std::string text = "one\r\ntwo\nthree\r\nfour";
    std::vector<rtfcore::DocumentPiece> pieces = rtfcore::CutPlainText(text, 4);
    std::string joined;
    for (const rtfcore::DocumentPiece& piece : pieces) {
        std::string part = PieceText(text, piece);
        if (&piece != &pieces.back()) {
            EXPECT_EQ(part.back(), '\n');
        }
        joined += part;
    }
    EXPECT_EQ(pieces.size(), 4u);
    EXPECT_EQ(joined, text);
}

}  // namespace
