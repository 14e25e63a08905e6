#include "shell/postup_text.h"

namespace qvk::shell {

namespace {

constexpr char16_t kRoot = u'√';

bool raised(QChar c) { return c == u'¹' || c == u'²' || c == u'³' || (c.unicode() >= 0x2070 && c.unicode() <= 0x207F); }

// The parenthesis that closes the one at `open`, or -1.
qsizetype closing(const QString& s, qsizetype open)
{
    int depth = 0;
    for (qsizetype i = open; i < s.size(); ++i) {
        if (s[i] == u'(')
            ++depth;
        else if (s[i] == u')' && --depth == 0)
            return i;
    }
    return -1;
}

// Where the term a root stands over ends: a number with its decimal comma
// or a name, with its powers; `from` itself when there is none.
qsizetype atom_end(const QString& s, qsizetype from)
{
    qsizetype i = from;
    const qsizetype n = s.size();
    if (i < n && s[i].isDigit()) {
        while (i < n && (s[i].isDigit() || (s[i] == u',' && i + 1 < n && s[i + 1].isDigit())))
            ++i;
    } else if (i < n && s[i].isLetter()) {
        while (i < n && s[i].isLetterOrNumber() && !raised(s[i]))
            ++i;
    }
    if (i == from)
        return from;
    while (i < n && raised(s[i]))
        ++i;
    return i;
}

// The end of an exponent written after "^": a number, with its sign.
qsizetype exponent_end(const QString& s, qsizetype from)
{
    qsizetype i = from;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'−'))
        ++i;
    const qsizetype digits = i;
    while (i < s.size() && s[i].isDigit())
        ++i;
    return i == digits ? from : i;
}

QString overlined(const QString& html)
{
    return QStringLiteral("<span style=\"text-decoration: overline\">") + html + QStringLiteral("</span>");
}

// `together`: a radicand stays on one line.
QString converted(const QString& s, bool together)
{
    QString out;
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = s[i];
        if (c == kRoot) {
            if (i + 1 < n && s[i + 1] == u'(') {
                if (const qsizetype close = closing(s, i + 1); close > 0) {
                    out += kRoot + overlined(converted(s.mid(i + 2, close - i - 2), true));
                    i = close + 1;
                    continue;
                }
            }
            if (const qsizetype end = atom_end(s, i + 1); end > i + 1) {
                out += kRoot + overlined(converted(s.mid(i + 1, end - i - 1), true));
                i = end;
                continue;
            }
        } else if (c == u'^') {
            // "2^10", "2 ^ 10", "x^(n + 1)".
            const qsizetype at = i + 1 < n && s[i + 1] == u' ' ? i + 2 : i + 1;
            QString power;
            qsizetype next = i;
            if (at < n && s[at] == u'(') {
                if (const qsizetype close = closing(s, at); close > 0) {
                    power = converted(s.mid(at + 1, close - at - 1), true);
                    next = close + 1;
                }
            } else if (const qsizetype end = exponent_end(s, at); end > at) {
                power = converted(s.mid(at, end - at), true);
                next = end;
            }
            if (next > i) {
                if (out.endsWith(u' '))
                    out.chop(1);
                else if (out.endsWith(QLatin1String("&nbsp;")))
                    out.chop(6);
                out += QStringLiteral("<sup>") + power + QStringLiteral("</sup>");
                i = next;
                continue;
            }
        }
        if (c == u'&')
            out += QLatin1String("&amp;");
        else if (c == u'<')
            out += QLatin1String("&lt;");
        else if (c == u'>')
            out += QLatin1String("&gt;");
        else if (c == u'"')
            out += QLatin1String("&quot;");
        else if (c == u' ' && together)
            out += QLatin1String("&nbsp;");
        else
            out += c;
        ++i;
    }
    return out;
}

QString paragraph(const QString& style, const QString& html)
{
    return QStringLiteral("<p style=\"%1\">%2</p>").arg(style, html);
}

} // namespace

QString rich_line(const QString& plain) { return converted(plain, false); }

QString postup_html(const Postup& postup, const QString& errorIcon)
{
    // Margins in the document's own units: they grow with its font. A long
    // step goes on under its own start.
    const QString flat = QStringLiteral("margin-top: 0; margin-bottom: 0");
    const QString indented = flat + QStringLiteral("; margin-left: 2em; text-indent: -1em");
    QString html = QStringLiteral("<html><body>");
    for (const PostupLine& line : postup.lines) {
        const QString text = rich_line(line.text);
        switch (line.kind) {
        case PostupLine::Kind::Heading:
            html += paragraph(QStringLiteral("margin-top: 0; margin-bottom: 0.3em; font-size: large"),
                              QStringLiteral("<b>") + text + QStringLiteral("</b>"));
            break;
        case PostupLine::Kind::Section:
            html += paragraph(QStringLiteral("margin-top: 0.4em; margin-bottom: 0"), QStringLiteral("<b>") + text + QStringLiteral("</b>"));
            break;
        case PostupLine::Kind::Given:
        case PostupLine::Kind::Step:
            html += paragraph(indented, text);
            break;
        case PostupLine::Kind::Note:
            html += paragraph(indented, QStringLiteral("<i>") + text + QStringLiteral("</i>"));
            break;
        case PostupLine::Kind::Result:
            html += paragraph(indented, QStringLiteral("<b>") + text + QStringLiteral("</b>"));
            break;
        case PostupLine::Kind::Error: {
            const QString icon = errorIcon.isEmpty()
                                     ? QString()
                                     : QStringLiteral("<img src=\"%1\" style=\"vertical-align: middle\"> ").arg(errorIcon);
            html += paragraph(flat, icon + QStringLiteral("<span style=\"color: #a00000\">") + text + QStringLiteral("</span>"));
            break;
        }
        }
    }
    return html + QStringLiteral("</body></html>");
}

} // namespace qvk::shell
