#include "grid/pub_str_grid.h"
#include "core/numeric.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace qvk::grid {

TPubStrGrid::TPubStrGrid()
{
    resize(5, 5);
    setColWidth(0, 21);
}

TPubStrGrid::~TPubStrGrid()
{
    if (!AutoSave || fileName_.isEmpty())
        return;
    try {
        SaveToFile();
    } catch (const std::exception&) {
        // Nobody is left to show it to.
    }
}

void TPubStrGrid::notify(GridChange::What what, int col, int row) const
{
    const GridChange change{what, col, row};
    for (const Observer& o : observers_)
        o(change);
}

void TPubStrGrid::resize(int cols, int rows)
{
    if (cols < 0 || rows < 0 || cols > kMaxCols || rows > kMaxRows ||
        static_cast<qsizetype>(cols) * rows > kMaxCells)
        throw EPubStrGridError(QStringLiteral("Grid size %1 x %2 is out of range (at most %3 columns, %4 rows, %5 cells)")
                                   .arg(cols)
                                   .arg(rows)
                                   .arg(kMaxCols)
                                   .arg(kMaxRows)
                                   .arg(kMaxCells));
    if (cols == colCount_ && rows == rowCount_)
        return;
    rows_.resize(rows);
    for (QStringList& row : rows_) {
        if (row.size() > cols)
            row.resize(cols);
        while (row.size() < cols)
            row.append(QString());
    }
    colWidths_.resize(static_cast<size_t>(cols), -1);
    rowHeights_.resize(static_cast<size_t>(rows), -1);
    colCount_ = cols;
    rowCount_ = rows;
    notify(GridChange::What::Size);
}

QString TPubStrGrid::cell(int col, int row) const
{
    if (row < 0 || row >= rowCount_ || col < 0 || col >= colCount_)
        return {};
    return rows_[row][col];
}

void TPubStrGrid::setCell(int col, int row, const QString& text)
{
    if (row < 0 || row >= rowCount_ || col < 0 || col >= colCount_)
        throw std::out_of_range("grid cell out of range");
    rows_[row][col] = text;
    notify(GridChange::What::Cell, col, row);
}

bool TPubStrGrid::SetCellIfChanged(int col, int row, const QString& text)
{
    if (row >= 0 && row < rowCount_ && col >= 0 && col < colCount_ && rows_[row][col] == text)
        return false;
    setCell(col, row, text);
    return true;
}

namespace {

bool digit(QChar c) { return c >= u'0' && c <= u'9'; }

// The 0-based index of the first character that does not fit
// [blanks][sign](digits[.digits] | .digits)[(E|e)[sign]digits], or -1.
qsizetype bad_position(const QString& t)
{
    const qsizetype n = t.size();
    qsizetype i = 0;
    while (i < n && t[i] == u' ')
        ++i;
    if (i < n && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && digit(t[i]))
        ++i, ++digits;
    if (i < n && t[i] == u'.') {
        ++i;
        while (i < n && digit(t[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return i;
    if (i < n && (t[i] == u'E' || t[i] == u'e')) {
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-'))
            ++i;
        if (i >= n || !digit(t[i]))
            return i;
        while (i < n && digit(t[i]))
            ++i;
    }
    return i < n ? i : -1;
}

} // namespace

double TPubStrGrid::CellAsFloat(int col, int row) const
{
    const QString text = cell(col, row);
    const qsizetype bad = bad_position(text);
    if (bad >= 0)
        throw EPubStrGridError(QStringLiteral("Chyba %1 na pozici v buňce [%2, %3].")
                                   .arg(QString::number(bad + 1, 16).toUpper())
                                   .arg(col)
                                   .arg(row));
    // Only ASCII is left: the C library reads it with a point in the "C" locale.
    const QByteArray ascii = text.trimmed().toLatin1();
    const double v = std::strtod(ascii.constData(), nullptr);
    if (std::isinf(v))
        throw EMathError(kOverflow);
    return v;
}

void TPubStrGrid::setHCol(const QStringList& texts)
{
    hcol_ = texts;
    ApplyHCol();
}

void TPubStrGrid::setHRow(const QStringList& texts)
{
    hrow_ = texts;
    ApplyHRow();
}

void TPubStrGrid::ApplyHCol()
{
    if (rowCount_ < 1)
        return;
    for (int i = 0; i < colCount_; ++i)
        SetCellIfChanged(i, 0, hcol_.value(i));
}

void TPubStrGrid::ApplyHRow()
{
    if (colCount_ < 1)
        return;
    for (int r = 1; r < rowCount_; ++r)
        SetCellIfChanged(0, r, hrow_.value(r - 1));
}

void TPubStrGrid::InsertRow(int row)
{
    if (row < 0 || row > rowCount_)
        return;
    resize(colCount_, rowCount_ + 1);
    rows_.move(rowCount_ - 1, row); // the new empty row, moved into place
    notify(GridChange::What::Rows, -1, row);
}

void TPubStrGrid::DeleteRow(int row)
{
    if (row < 0 || row >= rowCount_)
        return;
    rows_.move(row, rowCount_ - 1);
    for (QString& text : rows_[rowCount_ - 1])
        text.clear();
    notify(GridChange::What::Rows, -1, row);
    resize(colCount_, rowCount_ - 1);
}

void TPubStrGrid::MoveRow(int from, int to)
{
    if (from < 1 || to < 1 || from >= rowCount_ || to >= rowCount_ || from == to)
        return;
    rows_.move(from, to);
    notify(GridChange::What::Rows, -1, std::min(from, to));
}

void TPubStrGrid::setDefaultColWidth(int width)
{
    defaultColWidth_ = width;
    std::fill(colWidths_.begin(), colWidths_.end(), -1);
    notify(GridChange::What::Layout);
}

void TPubStrGrid::setDefaultRowHeight(int height)
{
    defaultRowHeight_ = height;
    std::fill(rowHeights_.begin(), rowHeights_.end(), -1);
    notify(GridChange::What::Layout);
}

int TPubStrGrid::colWidth(int col) const
{
    if (col < 0 || col >= colCount_ || colWidths_[col] < 0)
        return defaultColWidth_;
    return colWidths_[col];
}

int TPubStrGrid::rowHeight(int row) const
{
    if (row < 0 || row >= rowCount_ || rowHeights_[row] < 0)
        return defaultRowHeight_;
    return rowHeights_[row];
}

void TPubStrGrid::setColWidth(int col, int width)
{
    if (col < 0 || col >= colCount_ || width < 0)
        throw std::out_of_range("grid column out of range");
    colWidths_[col] = width;
    notify(GridChange::What::Layout, col, -1);
}

void TPubStrGrid::setRowHeight(int row, int height)
{
    if (row < 0 || row >= rowCount_ || height < 0)
        throw std::out_of_range("grid row out of range");
    rowHeights_[row] = height;
    notify(GridChange::What::Layout, -1, row);
}

void TPubStrGrid::setAlignment(Alignment a)
{
    alignment_ = a;
    notify(GridChange::What::Layout);
}

void TPubStrGrid::setGrid3D(bool on)
{
    grid3D_ = on;
    notify(GridChange::What::Layout);
}

void TPubStrGrid::setFileName(const QString& name)
{
    fileName_ = name;
    if (!fileName_.isEmpty())
        LoadFromFile();
}

void TPubStrGrid::Loaded()
{
    if (!fileName_.isEmpty())
        LoadFromFile();
    ApplyHCol();
    ApplyHRow();
}

void TPubStrGrid::SaveToFile() const
{
    // Built first: a grid too large for a file leaves the old one in place.
    const QByteArray data = SaveToBytes();
    if (AutoBackup && QFileInfo::exists(fileName_)) {
        // A failed move leaves the old file to be overwritten.
        QFile::rename(fileName_, fileName_ + QStringLiteral("BAK"));
    }
    QFile file(fileName_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) ||
        file.write(data) != data.size())
        throw Exception(QStringLiteral("Cannot create file %1").arg(fileName_));
}

QByteArray TPubStrGrid::SaveToBytes() const
{
    QByteArray data;
    // Stops at the bound, before converting a text that alone exceeds it.
    // (A text has no more UTF-16 units than UTF-8 bytes.)
    const auto add = [&](const QString& line) {
        const auto tooLarge = [&] {
            return EPubStrGridError(
                QStringLiteral("Grid is too large for file %1 (at most %2 bytes)").arg(fileName_).arg(kMaxFileBytes));
        };
        if (line.size() > kMaxFileBytes - data.size())
            throw tooLarge();
        data += line.toUtf8();
        data += "\r\n";
        if (data.size() > kMaxFileBytes)
            throw tooLarge();
    };
    const QString d = CellDelimiter;
    add(d);
    add(QString::number(rowCount_) + d + QString::number(colCount_));
    add(QString::number(defaultRowHeight_));
    add(Caption1);
    add(Caption2);
    add(caption2Placement == Caption2Placement::cpTop ? QStringLiteral("Top") : QStringLiteral("Bottom"));
    for (int i = 0; i < rowCount_; ++i)
        if (rowHeight(i) != defaultRowHeight_)
            add(QStringLiteral("Row %1 Height: %2").arg(i).arg(rowHeight(i)));
    for (int i = 0; i < colCount_; ++i)
        if (colWidth(i) != defaultColWidth_)
            add(QStringLiteral("Column %1 Width: %2").arg(i).arg(colWidth(i)));
    for (int r = 0; r < rowCount_; ++r)
        for (int c = 1; c < colCount_; ++c)
            if (!rows_[r][c].isEmpty())
                add(QString::number(c) + d + QString::number(r) + d + rows_[r][c]);
    add(QString());
    return data;
}

namespace {

// The lines of a text split at "\n", each without a final "\r"; views into
// the text, so that a file of many short lines costs no string per line.
class Lines {
public:
    explicit Lines(QStringView text) : text_(text) {}
    bool next(QStringView& line)
    {
        if (pos_ > text_.size())
            return false;
        qsizetype end = text_.indexOf(u'\n', pos_);
        if (end < 0)
            end = text_.size();
        line = text_.sliced(pos_, end - pos_);
        if (line.endsWith(u'\r'))
            line.chop(1);
        pos_ = end + 1;
        return true;
    }

private:
    QStringView text_;
    qsizetype pos_ = 0;
};

int integer(QStringView text) { return parse_integer32(text.toString()); }

// "Row 3 Height: 25" -> 3 and 25; `word` is "Row" or "Column", `what` "Height" or "Width".
std::pair<int, int> index_and_size(QStringView line, const QString& word, const QString& what)
{
    const QString lead = word + u' ';
    const QString middle = u' ' + what + QStringLiteral(": ");
    const qsizetype at = line.indexOf(middle);
    if (!line.startsWith(lead) || at < 0)
        return {integer(line.mid(lead.size())), 0}; // a malformed line: its conversion error
    return {integer(line.mid(lead.size(), at - lead.size())), integer(line.mid(at + middle.size()))};
}

} // namespace

void TPubStrGrid::LoadFromFile()
{
    if (!QFileInfo::exists(fileName_))
        return;
    QFile file(fileName_);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Cannot open file %1").arg(fileName_));
    // One byte beyond the bound tells a file too large, also one whose size
    // is unknown: the bytes' reader says so.
    LoadFromBytes(file.read(kMaxFileBytes + 1));
}

void TPubStrGrid::LoadFromBytes(QByteArray data)
{
    if (data.size() > kMaxFileBytes)
        throw EPubStrGridError(QStringLiteral("File %1 is too large for a grid (at most %2 bytes)")
                                   .arg(fileName_)
                                   .arg(kMaxFileBytes));
    const QString text = QString::fromUtf8(data);
    data = QByteArray();
    Lines lines(text);
    QStringView head[6];
    int count = 0;
    while (count < 6 && lines.next(head[count]))
        ++count;
    if (count == 1 && head[0].isEmpty())
        return; // an empty file changes nothing
    if (count < 6)
        throw EPubStrGridError(QStringLiteral("File %1 is not a complete grid file").arg(fileName_));

    // Everything is read and checked first, so a damaged file leaves the grid as it was.
    const QChar delimiter = head[0].isEmpty() ? CellDelimiter : head[0][0];
    const qsizetype bar = head[1].indexOf(u'|');
    const int rows = integer(bar < 0 ? head[1] : head[1].left(bar));
    const int cols = integer(bar < 0 ? QStringView() : head[1].mid(bar + 1));
    if (cols < 0 || rows < 0 || cols > kMaxCols || rows > kMaxRows || static_cast<qsizetype>(cols) * rows > kMaxCells)
        throw EPubStrGridError(QStringLiteral("Grid size %1 x %2 in file %3 is out of range").arg(cols).arg(rows).arg(fileName_));
    const int rowHeight = integer(head[2]);
    struct Size {
        bool row;
        int index, size;
    };
    struct Cell {
        int col, row;
        QStringView text;
    };
    std::vector<Size> sizes;
    std::vector<Cell> cells;
    for (QStringView line; lines.next(line);) {
        if (line.startsWith(u"Row")) {
            const auto [index, h] = index_and_size(line, QStringLiteral("Row"), QStringLiteral("Height"));
            if (index >= 0 && index < rows && h >= 0)
                sizes.push_back({true, index, h});
        } else if (line.startsWith(u"Column")) {
            const auto [index, w] = index_and_size(line, QStringLiteral("Column"), QStringLiteral("Width"));
            if (index >= 0 && index < cols && w >= 0)
                sizes.push_back({false, index, w});
        } else if (const qsizetype first = line.indexOf(u'|'); first >= 0) {
            const qsizetype second = line.indexOf(u'|', first + 1);
            const int col = integer(line.left(first));
            const int row = integer(second < 0 ? line.mid(first + 1) : line.mid(first + 1, second - first - 1));
            if (col >= 0 && col < cols && row >= 0 && row < rows)
                cells.push_back({col, row, second < 0 ? QStringView() : line.mid(second + 1)});
        }
    }

    CellDelimiter = delimiter;
    resize(cols, rows);
    defaultRowHeight_ = rowHeight;
    std::fill(rowHeights_.begin(), rowHeights_.end(), -1);
    Caption1 = head[3].toString();
    Caption2 = head[4].toString();
    caption2Placement = head[5] == u"Top" ? Caption2Placement::cpTop : Caption2Placement::cpBottom;
    for (const Size& s : sizes) {
        if (s.row)
            rowHeights_[s.index] = s.size;
        else
            colWidths_[s.index] = s.size;
    }
    notify(GridChange::What::Layout);
    for (const Cell& c : cells)
        SetCellIfChanged(c.col, c.row, c.text.toString());
}

} // namespace qvk::grid
