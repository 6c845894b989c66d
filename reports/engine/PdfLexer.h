#pragma once

#include <QByteArrayView>

namespace celvane {

// The tokens of a PDF file's object text: enough to find references, dictionary keys and
// where a stream's bytes begin, passing over strings and comments whatever they hold.
class PdfLexer
{
public:
    enum class Kind {
        End,
        Integer,
        Real,
        Name,
        String,
        HexString,
        DictOpen,
        DictClose,
        ArrayOpen,
        ArrayClose,
        Keyword
    };
    struct Token
    {
        Kind kind = Kind::End;
        qsizetype begin = 0;
        qsizetype end = 0;
    };

    explicit PdfLexer(QByteArrayView text, qsizetype at = 0)
        : m_text(text)
        , m_at(at)
    {
    }
    // Throws CelvaneError on a string that does not end.
    Token next();
    qsizetype position() const { return m_at; }
    void seek(qsizetype at) { m_at = at; }
    QByteArrayView text(const Token &token) const { return m_text.sliced(token.begin, token.end - token.begin); }
    bool isKeyword(const Token &token, QByteArrayView word) const
    {
        return token.kind == Kind::Keyword && text(token) == word;
    }
    // The value of an integer token; throws CelvaneError when it is not one that fits.
    qint64 integer(const Token &token) const;

private:
    void skipSpaceAndComments();
    qsizetype endOfLiteralString(qsizetype from) const;

    QByteArrayView m_text;
    qsizetype m_at;
};

}  // namespace celvane
