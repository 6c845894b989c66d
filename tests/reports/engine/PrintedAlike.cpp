#include "PrintedAlike.h"

#include "LibreOfficePeer.h"

#include <QLineF>
#include <gtest/gtest.h>

namespace {

constexpr double kTolerance = 3 * 72 / 25.4;  // three millimetres in points

using Word = LibreOfficePeer::Word;

// Positions (points) of long straight lines: rows or columns inked without a break over a
// good part of the page. Letters standing in a column are broken between rows, so they are
// never taken for a line.
std::vector<int> lines(const QImage &page, bool horizontal, double share)
{
    std::vector<int> found;
    const int outer = horizontal ? page.height() : page.width();
    const int inner = horizontal ? page.width() : page.height();
    for (int i = 0; i < outer; ++i) {
        int run = 0, longest = 0;
        for (int j = 0; j < inner; ++j) {
            run = qGray(horizontal ? page.pixel(j, i) : page.pixel(i, j)) < 200 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        if (longest > inner * share && (found.empty() || i - found.back() > 2))
            found.push_back(i);
    }
    return found;
}

}  // namespace

void ExpectPrintedAlike(const QString &ours, const QString &theirs, double rowShare, double columnShare, size_t words,
                        double wordShare)
{
    ASSERT_EQ(LibreOfficePeer::pageCount(ours), LibreOfficePeer::pageCount(theirs));
    const auto ourPages = LibreOfficePeer::pages(ours, 72);
    const auto theirPages = LibreOfficePeer::pages(theirs, 72);
    ASSERT_EQ(theirPages.size(), ourPages.size());
    for (size_t p = 0; p < ourPages.size(); ++p) {
        for (bool horizontal : {true, false}) {
            const auto a = lines(ourPages[p], horizontal, horizontal ? rowShare : columnShare);
            const auto b = lines(theirPages[p], horizontal, horizontal ? rowShare : columnShare);
            ASSERT_EQ(a.size(), b.size()) << "page " << p + 1 << (horizontal ? " rows" : " columns") << ": "
                                          << ::testing::PrintToString(a) << " / " << ::testing::PrintToString(b);
            for (size_t i = 0; i < a.size(); ++i)
                EXPECT_NEAR(a[i], b[i], kTolerance) << "page " << p + 1 << " line " << i;
        }
    }
    const auto ourWords = LibreOfficePeer::words(ours);
    const auto theirWords = LibreOfficePeer::words(theirs);
    ASSERT_EQ(ourWords.size(), theirWords.size());
    for (size_t p = 0; p < ourWords.size(); ++p) {
        int near = 0;
        for (const Word &word : ourWords[p]) {
            double best = 1e9;
            for (const Word &other : theirWords[p])
                if (other.text == word.text)
                    best = std::min(best, QLineF(word.at, other.at).length());
            near += best <= kTolerance;
        }
        EXPECT_GE(near, int(ourWords[p].size() * wordShare)) << "page " << p + 1 << ": words placed alike";
        EXPECT_GE(ourWords[p].size(), words);
    }
}
