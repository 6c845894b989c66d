#include "PdfJoiner.h"

#include "CelvaneError.h"
#include "PdfLexer.h"

#include <algorithm>
#include <map>
#include <optional>

namespace celvane {

namespace {

using Token = PdfLexer::Token;
using Kind = PdfLexer::Kind;

CelvaneError unreadable(const QString &what)
{
    return CelvaneError(QStringLiteral("PDF を組み立てられません（%1）").arg(what));
}

struct Span
{
    qsizetype begin = 0;
    qsizetype end = 0;
};

// One indirect object: where its "n g obj" starts and where the next thing in the file starts.
struct ObjectSpan
{
    int number = 0;
    Span bytes;
    qsizetype bodyAt = 0;  // just after "obj"
};

// Reads "n g R" from the lexer's position; throws when it is not there.
int readReference(PdfLexer &lexer)
{
    const Token number = lexer.next();
    const Token generation = lexer.next();
    const Token r = lexer.next();
    if (number.kind != Kind::Integer || generation.kind != Kind::Integer || !lexer.isKeyword(r, "R"))
        throw unreadable(QStringLiteral("参照がありません"));
    return int(lexer.integer(number));
}

// Passes over one value (a reference counts as one) and returns its bytes.
Span skipValue(PdfLexer &lexer, int depth = 0)
{
    const Token first = lexer.next();
    if (first.kind == Kind::End)
        throw unreadable(QStringLiteral("値がありません"));
    if (depth > 64)
        throw unreadable(QStringLiteral("入れ子が深すぎます"));
    if (first.kind == Kind::DictOpen || first.kind == Kind::ArrayOpen) {
        const Kind close = first.kind == Kind::DictOpen ? Kind::DictClose : Kind::ArrayClose;
        for (;;) {
            const qsizetype at = lexer.position();
            const Token token = lexer.next();
            if (token.kind == close)
                return {first.begin, token.end};
            lexer.seek(at);
            skipValue(lexer, depth + 1);
        }
    }
    if (first.kind == Kind::Integer) {
        const qsizetype at = lexer.position();
        const Token generation = lexer.next();
        const Token r = lexer.next();
        if (generation.kind == Kind::Integer && lexer.isKeyword(r, "R"))
            return {first.begin, r.end};
        lexer.seek(at);
    }
    return {first.begin, first.end};
}

// The value of a key of the dictionary that starts at `at`, as bytes of the file.
std::optional<Span> valueOf(QByteArrayView text, qsizetype at, QByteArrayView key)
{
    PdfLexer lexer(text, at);
    if (lexer.next().kind != Kind::DictOpen)
        throw unreadable(QStringLiteral("辞書がありません"));
    for (;;) {
        const Token name = lexer.next();
        if (name.kind == Kind::DictClose)
            return std::nullopt;
        if (name.kind != Kind::Name)
            throw unreadable(QStringLiteral("辞書のキーがありません"));
        const Span value = skipValue(lexer);
        if (lexer.text(name) == key)
            return value;
    }
}

int referenceOf(QByteArrayView text, qsizetype dictionaryAt, QByteArrayView key)
{
    const std::optional<Span> value = valueOf(text, dictionaryAt, key);
    if (!value)
        throw unreadable(QStringLiteral("%1 がありません").arg(QLatin1String(key.toByteArray())));
    PdfLexer lexer(text, value->begin);
    return readReference(lexer);
}

// What the joiner needs of one part: its objects, its catalogue and its page tree's root.
struct Part
{
    QByteArrayView text;
    std::map<int, ObjectSpan> objects;
    qsizetype firstObjectAt = 0;
    qsizetype trailerAt = 0;  // the trailer's dictionary
    int catalog = 0;
    int info = 0;  // 0: none
    int pageTree = 0;
    Span kids;  // the page tree's /Kids and /Count values
    Span count;
    std::vector<int> kidNumbers;
    qint64 pageCount = 0;

    const ObjectSpan &object(int number) const
    {
        const auto found = objects.find(number);
        if (found == objects.end())
            throw unreadable(QStringLiteral("オブジェクト %1 がありません").arg(number));
        return found->second;
    }
};

// Reads the cross-reference table the last "startxref" points to.
void readCrossReferences(Part &part)
{
    const QByteArrayView text = part.text;
    const qsizetype startxref = text.lastIndexOf(QByteArrayView("startxref"));
    if (startxref < 0)
        throw unreadable(QStringLiteral("startxref がありません"));
    PdfLexer lexer(text, startxref + 9);
    const qint64 xrefAt = lexer.integer(lexer.next());
    if (xrefAt < 0 || xrefAt >= text.size())
        throw unreadable(QStringLiteral("相互参照表の位置が違います"));
    lexer.seek(xrefAt);
    if (!lexer.isKeyword(lexer.next(), "xref"))
        throw unreadable(QStringLiteral("相互参照表がありません（圧縮された表には対応していません）"));
    std::vector<std::pair<qsizetype, int>> starts;  // offset, number
    for (;;) {
        const Token first = lexer.next();
        if (lexer.isKeyword(first, "trailer"))
            break;
        const qint64 number = lexer.integer(first);
        const qint64 count = lexer.integer(lexer.next());
        for (qint64 i = 0; i < count; ++i) {
            const qint64 offset = lexer.integer(lexer.next());
            lexer.integer(lexer.next());
            const Token use = lexer.next();
            if (lexer.isKeyword(use, "n")) {
                if (offset <= 0 || offset >= xrefAt)
                    throw unreadable(QStringLiteral("オブジェクトの位置が違います"));
                starts.emplace_back(offset, int(number + i));
            } else if (!lexer.isKeyword(use, "f")) {
                throw unreadable(QStringLiteral("相互参照表を読めません"));
            }
        }
    }
    part.trailerAt = lexer.position();
    if (starts.empty())
        throw unreadable(QStringLiteral("オブジェクトがありません"));
    std::sort(starts.begin(), starts.end());
    part.firstObjectAt = starts.front().first;
    for (size_t i = 0; i < starts.size(); ++i) {
        const qsizetype end = i + 1 < starts.size() ? starts[i + 1].first : qsizetype(xrefAt);
        PdfLexer header(text.first(end), starts[i].first);
        const Token number = header.next();
        header.next();
        if (number.kind != Kind::Integer || header.integer(number) != starts[i].second
            || !header.isKeyword(header.next(), "obj"))
            throw unreadable(QStringLiteral("オブジェクト %1 が表の位置にありません").arg(starts[i].second));
        part.objects[starts[i].second] = {starts[i].second, {starts[i].first, end}, header.position()};
    }
}

Part readPart(const QByteArray &bytes)
{
    Part part;
    part.text = bytes;
    if (!part.text.startsWith("%PDF-"))
        throw unreadable(QStringLiteral("PDF ではありません"));
    readCrossReferences(part);
    part.catalog = referenceOf(part.text, part.trailerAt, "/Root");
    if (valueOf(part.text, part.trailerAt, "/Info"))
        part.info = referenceOf(part.text, part.trailerAt, "/Info");
    part.pageTree = referenceOf(part.text, part.object(part.catalog).bodyAt, "/Pages");
    const qsizetype treeAt = part.object(part.pageTree).bodyAt;
    const std::optional<Span> kids = valueOf(part.text, treeAt, "/Kids");
    const std::optional<Span> count = valueOf(part.text, treeAt, "/Count");
    if (!kids || !count)
        throw unreadable(QStringLiteral("ページの木を読めません"));
    part.kids = *kids;
    part.count = *count;
    PdfLexer lexer(part.text.first(kids->end), kids->begin);
    lexer.next();  // [
    for (qsizetype at = lexer.position(); lexer.next().kind != Kind::ArrayClose; at = lexer.position()) {
        lexer.seek(at);
        part.kidNumbers.push_back(readReference(lexer));
    }
    PdfLexer countLexer(part.text, count->begin);
    part.pageCount = countLexer.integer(countLexer.next());
    return part;
}

// Copies the bytes of an object or a dictionary with its references renumbered and some
// spans replaced; a stream's bytes are copied as they are.
class Renumbering
{
public:
    explicit Renumbering(const std::map<int, int> &numbers)
        : m_numbers(numbers)
    {
    }

    int operator()(int old) const
    {
        const auto found = m_numbers.find(old);
        if (found == m_numbers.end())
            throw unreadable(QStringLiteral("オブジェクト %1 への参照を移せません").arg(old));
        return found->second;
    }

    struct Replacement
    {
        Span span;
        QByteArray text;
    };

    void copy(QByteArray &out, QByteArrayView text, Span span, std::vector<Replacement> replacements) const
    {
        PdfLexer lexer(text.first(span.end), span.begin);
        Token before[2];
        for (;;) {
            const Token token = lexer.next();
            if (token.kind == Kind::End || lexer.isKeyword(token, "stream") || lexer.isKeyword(token, "endobj"))
                break;
            if (lexer.isKeyword(token, "R") && before[0].kind == Kind::Integer && before[1].kind == Kind::Integer)
                replacements.push_back({{before[0].begin, before[1].end},
                                        QByteArray::number((*this)(int(lexer.integer(before[0])))) + " 0"});
            before[0] = before[1];
            before[1] = token;
        }
        std::sort(replacements.begin(), replacements.end(),
                  [](const Replacement &a, const Replacement &b) { return a.span.begin < b.span.begin; });
        qsizetype at = span.begin;
        for (const Replacement &replacement : replacements) {
            if (replacement.span.begin < at)
                continue;  // a reference inside a span replaced as a whole
            out.append(text.sliced(at, replacement.span.begin - at));
            out.append(replacement.text);
            at = replacement.span.end;
        }
        out.append(text.sliced(at, span.end - at));
    }

private:
    const std::map<int, int> &m_numbers;
};

}  // namespace

QByteArray PdfJoiner::join(const std::vector<QByteArray> &parts)
{
    if (parts.empty())
        throw unreadable(QStringLiteral("部分がありません"));
    if (parts.size() == 1)
        return parts.front();
    std::vector<Part> read;
    qsizetype total = 0;
    for (const QByteArray &bytes : parts) {
        read.push_back(readPart(bytes));
        total += bytes.size();
    }

    // New numbers from 1 in the parts' order; a later part keeps no catalogue, information
    // or page tree of its own, and its pages hang from the first part's tree.
    std::vector<std::map<int, int>> numbers(read.size());
    int next = 1;
    for (size_t p = 0; p < read.size(); ++p) {
        for (const auto &[number, object] : read[p].objects) {
            if (p == 0 || (number != read[p].catalog && number != read[p].info && number != read[p].pageTree))
                numbers[p][number] = next++;
        }
        if (p > 0)
            numbers[p][read[p].pageTree] = numbers[0].at(read[0].pageTree);
    }

    QByteArray kids("[\n");
    qint64 pageCount = 0;
    for (size_t p = 0; p < read.size(); ++p) {
        for (const int kid : read[p].kidNumbers)
            kids += QByteArray::number(Renumbering(numbers[p])(kid)) + " 0 R\n";
        pageCount += read[p].pageCount;
    }
    kids += "]";

    QByteArray out;
    out.reserve(total + total / 16);
    out.append(read[0].text.first(read[0].firstObjectAt));
    std::vector<qsizetype> offsets(size_t(next), 0);
    for (size_t p = 0; p < read.size(); ++p) {
        const Part &part = read[p];
        const Renumbering renumber(numbers[p]);
        for (const auto &[number, object] : part.objects) {
            const auto kept = numbers[p].find(number);
            if (kept == numbers[p].end() || (p > 0 && number == part.pageTree))
                continue;
            offsets[size_t(kept->second)] = out.size();
            std::vector<Renumbering::Replacement> replacements{
                {{object.bytes.begin, object.bodyAt}, QByteArray::number(kept->second) + " 0 obj"}};
            if (p == 0 && number == part.pageTree) {
                replacements.push_back({part.kids, kids});
                replacements.push_back({part.count, QByteArray::number(pageCount)});
            }
            renumber.copy(out, part.text, object.bytes, std::move(replacements));
        }
    }

    const qsizetype xrefAt = out.size();
    out += "xref\n0 " + QByteArray::number(next) + "\n0000000000 65535 f \n";
    for (int number = 1; number < next; ++number)
        out += QByteArray::number(offsets[size_t(number)]).rightJustified(10, '0') + " 00000 n \n";
    out += "trailer\n";
    const Part &first = read[0];
    PdfLexer lexer(first.text, first.trailerAt);
    const Span trailer = skipValue(lexer);
    const std::optional<Span> size = valueOf(first.text, first.trailerAt, "/Size");
    if (!size)
        throw unreadable(QStringLiteral("/Size がありません"));
    Renumbering(numbers[0]).copy(out, first.text, trailer, {{*size, QByteArray::number(next)}});
    out += "\nstartxref\n" + QByteArray::number(xrefAt) + "\n%%EOF\n";
    return out;
}

}  // namespace celvane
