// A grid file edited by hand or cut short, and any text in a cell: reading
// never crashes and fails only with a clear error; what was read is written
// and read again unchanged; a cell that is not a number names the position.
#include "grid/pub_str_grid.h"

#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using qvk::Exception;
using qvk::grid::EPubStrGridError;
using qvk::grid::TPubStrGrid;

namespace {

[[noreturn]] void fail(const char* what, const QString& detail = {})
{
    std::fprintf(stderr, "%s %s\n", what, qPrintable(detail));
    std::abort();
}

void same_contents(const TPubStrGrid& a, const TPubStrGrid& b)
{
    if (a.RowCount() != b.RowCount() || a.ColCount() != b.ColCount())
        fail("sizes differ after reading again");
    if (a.DefaultRowHeight() != b.DefaultRowHeight() || a.Caption1 != b.Caption1 || a.Caption2 != b.Caption2 ||
        a.caption2Placement != b.caption2Placement || a.CellDelimiter != b.CellDelimiter)
        fail("header lines differ after reading again");
    for (int r = 0; r < a.RowCount(); ++r) {
        if (a.rowHeight(r) != b.rowHeight(r))
            fail("row height differs after reading again");
        for (int c = 1; c < a.ColCount(); ++c) // column 0 is never stored
            if (a.cell(c, r) != b.cell(c, r))
                fail("cell differs after reading again", a.cell(c, r));
    }
    for (int c = 0; c < a.ColCount(); ++c)
        if (a.colWidth(c) != b.colWidth(c) && a.colWidth(c) != a.DefaultColWidth())
            fail("column width differs after reading again");
}

// A number as the grid reads it, written independently of its scanner.
const QRegularExpression kNumber(QStringLiteral("\\A *[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([Ee][+-]?[0-9]+)?\\z"));
const QRegularExpression kError(QStringLiteral("\\AChyba ([0-9A-F]+) na pozici v buňce \\[(\\d+), (\\d+)\\]\\.\\z"));

void cell_as_float(const QString& text, int col, int row)
{
    TPubStrGrid g;
    g.AutoSave = false;
    g.resize(col + 1, row + 1);
    g.setCell(col, row, text);
    const bool number = kNumber.match(text).hasMatch();
    try {
        const double v = g.CellAsFloat(col, row);
        if (!number)
            fail("a text that is not a number was read", text);
        if (!std::isfinite(v))
            fail("a number read as infinite or NaN", text);
        QByteArray ascii = text.trimmed().toLatin1();
        if (ascii.startsWith('+'))
            ascii.remove(0, 1);
        double expected = 0;
        const auto [end, ec] = std::from_chars(ascii.constData(), ascii.constData() + ascii.size(), expected);
        if (ec == std::errc() && expected != v)
            fail("a number read with another value", text);
    } catch (const EPubStrGridError& e) {
        const QRegularExpressionMatch m = kError.match(e.message());
        if (number || !m.hasMatch())
            fail("unexpected cell error", e.message());
        bool ok = false;
        const qsizetype position = m.captured(1).toLongLong(&ok, 16);
        if (!ok || position < 1 || position > text.size() + 1 || m.captured(2) != QString::number(col) ||
            m.captured(3) != QString::number(row))
            fail("cell error names a wrong place", e.message());
        // What precedes the position can still begin a number (a digit
        // completes every such beginning); with the character there it cannot.
        const auto begins = [](const QString& t) {
            return kNumber.match(t).hasMatch() || kNumber.match(t + u'0').hasMatch();
        };
        if (!begins(text.left(position - 1)) || (position <= text.size() && begins(text.left(position))))
            fail("cell error names a wrong position", e.message());
    } catch (const qvk::EMathError&) {
        if (!number)
            fail("a text that is not a number overflowed", text);
    }
}

constexpr qsizetype kMostCells = 10000;

// The cells the second line asks for, roughly as the reader reads it; 0 when
// it does not read as two numbers.
qsizetype declared_cells(const QByteArray& bytes)
{
    const QList<QByteArray> lines = bytes.left(200).split('\n');
    if (lines.size() < 2)
        return 0;
    const QList<QByteArray> sizes = lines[1].trimmed().split('|');
    bool rowsOk = false, colsOk = false;
    const qlonglong rows = sizes.value(0).trimmed().toLongLong(&rowsOk);
    const qlonglong cols = sizes.value(1).trimmed().toLongLong(&colsOk);
    return rowsOk && colsOk && rows > 0 && cols > 0 && rows < 1000000000 && cols < 1000000000 ? rows * cols : 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    // Large grids are the same code, only slower; their bounds have tests of
    // their own. Skipped before they are allocated, they leave time for the rest.
    if (declared_cells(bytes) > kMostCells)
        return -1;
    TPubStrGrid first;
    first.AutoSave = false;
    try {
        first.LoadFromBytes(bytes);
    } catch (const Exception&) {
        // A damaged file: refused with its message. The grid as it was is still written below.
    }
    if (static_cast<qsizetype>(first.RowCount()) * first.ColCount() > kMostCells)
        return -1;
    // A cell holds the whole rest of a line of the file, after a "|".
    const QString input = QString::fromUtf8(bytes);
    for (int r = 0; r < first.RowCount(); ++r)
        for (int c = 1; c < first.ColCount(); ++c) {
            const QString t = u'|' + first.cell(c, r);
            if (t.size() > 1 && !input.contains(t + u'\n') && !input.contains(t + QStringLiteral("\r\n")) &&
                !input.endsWith(t) && !input.endsWith(t + u'\r'))
                fail("a cell text is not the rest of a line of the file", t);
        }
    // Other delimiters are written but not read back (the reader splits at "|").
    first.CellDelimiter = u'|';
    const QByteArray saved = first.SaveToBytes();

    TPubStrGrid second;
    second.AutoSave = false;
    try {
        second.LoadFromBytes(saved);
    } catch (const Exception& e) {
        fail("a written file is not read back:", e.message());
    }
    same_contents(first, second);
    // Column 0 of a new grid has a width of its own; a width equal to the
    // default is not written, so it comes back as that width. Everything
    // else gives the same bytes.
    const QByteArray again = second.SaveToBytes();
    if (first.colWidth(0) != first.DefaultColWidth() && again != saved)
        fail("the second file differs from the first");

    // The same text as a cell, somewhere in a grid of a few rows and columns.
    cell_as_float(input, static_cast<int>(size % 7), static_cast<int>(size / 7 % 5));
    for (int r = 0; r < std::min(first.RowCount(), 8); ++r)
        for (int c = 0; c < std::min(first.ColCount(), 8); ++c)
            if (!first.cell(c, r).isEmpty())
                cell_as_float(first.cell(c, r), c, r);
    return 0;
}
