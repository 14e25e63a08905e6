// The worked solution's plain lines as rich text: the root's bar over its
// radicand, powers raised, everything else as written.
#include "shell/postup_text.h"

#include <gtest/gtest.h>

namespace qvk::shell {
namespace {

const char* const kBar = "<span style=\"text-decoration: overline\">";

struct Line {
    const char* plain;
    const char* rich; // "[" and "]" stand for the bar's start and end
};

QString expanded(const char* rich)
{
    QString s = QString::fromUtf8(rich);
    s.replace(u'[', QString::fromLatin1(kBar));
    s.replace(u']', QStringLiteral("</span>"));
    return s;
}

class RichLine : public testing::TestWithParam<Line> {};

TEST_P(RichLine, AsAPupilReadsIt)
{
    const Line& l = GetParam();
    EXPECT_EQ(rich_line(QString::fromUtf8(l.plain)).toStdString(), expanded(l.rich).toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RichLine,
    testing::Values(
        // Text without notation stays as it is.
        Line{"Dáno:", "Dáno:"}, Line{"", ""}, Line{"D = b² − 4 · a · c = 8", "D = b² − 4 · a · c = 8"},
        Line{"V = 4/3 · π · 3³ = 36π ≈ 113,1", "V = 4/3 · π · 3³ = 36π ≈ 113,1"},
        // A root over a number, a decimal number, a name, a power.
        Line{"√16 = 4", "√[16] = 4"}, Line{"√D = √8 = 2√2", "√[D] = √[8] = 2√[2]"},
        Line{"√2,25 = 1,5", "√[2,25] = 1,5"}, Line{"x = √x1, y", "x = √[x1], y"},
        Line{"√a² = |a|", "√[a²] = |a|"}, Line{"3√3/2 · a²", "3√[3]/2 · a²"}, Line{"√π", "√[π]"},
        // A root over a bracket: the bar replaces the parentheses, the radicand keeps together.
        Line{"c = √(a² + b²)", "c = √[a²&nbsp;+&nbsp;b²]"},
        Line{"√((−2)² − 4) = 0", "√[(−2)²&nbsp;−&nbsp;4] = 0"},
        Line{"√(1 + √(2))", "√[1&nbsp;+&nbsp;√[2]]"},
        Line{"(−b + √D)/(2 · a)", "(−b + √[D])/(2 · a)"},
        // A root over nothing, or an open bracket, stays as written.
        Line{"√ ", "√ "}, Line{"√(1 + 2", "√(1 + 2"}, Line{"√", "√"},
        // Powers written with "^".
        Line{"2^10 = 1024", "2<sup>10</sup> = 1024"}, Line{"7 ^ 2", "7<sup>2</sup>"},
        Line{"x^(n + 1)", "x<sup>n&nbsp;+&nbsp;1</sup>"}, Line{"10^−3", "10<sup>−3</sup>"},
        Line{"a ^ b", "a ^ b"}, Line{"^", "^"},
        // Characters of HTML are escaped.
        Line{"a < b & c > \"d\"", "a &lt; b &amp; c &gt; &quot;d&quot;"},
        Line{"√(a < b)", "√[a&nbsp;&lt;&nbsp;b]"}));

TEST(PostupHtml, EachKindOfLineHasItsStyle)
{
    Postup p;
    p.add(PostupLine::Kind::Heading, QStringLiteral("Koule"));
    p.add(PostupLine::Kind::Section, QStringLiteral("Dáno:"));
    p.add(PostupLine::Kind::Given, QStringLiteral("r = 3"));
    p.add(PostupLine::Kind::Step, QStringLiteral("V = 36π"));
    p.add(PostupLine::Kind::Note, QStringLiteral("poznámka"));
    p.add(PostupLine::Kind::Result, QStringLiteral("V ≈ 113,1"));
    p.add(PostupLine::Kind::Error, QStringLiteral("Zadej poloměr"));
    const QString html = postup_html(p, QStringLiteral("icon:stop"));
    EXPECT_TRUE(html.contains(QStringLiteral("<b>Koule</b>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<b>Dáno:</b>")));
    EXPECT_TRUE(html.contains(QStringLiteral("text-indent: -1em\">r = 3</p>")));
    EXPECT_TRUE(html.contains(QStringLiteral("text-indent: -1em\">V = 36π</p>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<i>poznámka</i>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<b>V ≈ 113,1</b>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<img src=\"icon:stop\"")));
    EXPECT_TRUE(html.contains(QStringLiteral("Zadej poloměr</span>")));
    EXPECT_FALSE(postup_html(p).contains(QStringLiteral("<img")));
}

} // namespace
} // namespace qvk::shell
