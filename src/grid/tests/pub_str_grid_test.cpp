// The grid's own operations that no calculator exercises: rows inserted and
// deleted, change notification, size bounds and the grid file.
#include "grid/pub_str_grid.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>

namespace qvk::grid {
namespace {

QStringList column(const TPubStrGrid& g, int col)
{
    QStringList out;
    for (int r = 0; r < g.RowCount(); ++r)
        out << g.cell(col, r);
    return out;
}

void fill_rows(TPubStrGrid& g, const QStringList& labels)
{
    g.resize(2, static_cast<int>(labels.size()));
    for (int r = 0; r < labels.size(); ++r) {
        g.setCell(0, r, u'h' + labels[r]);
        g.setCell(1, r, labels[r]);
    }
}

TEST(Rows, InsertMovesTheRowsBelowDownWithTheirHeaders)
{
    TPubStrGrid g;
    fill_rows(g, {"0", "1", "2", "3"});
    g.InsertRow(2);
    EXPECT_EQ(column(g, 1), (QStringList{"0", "1", "", "2", "3"}));
    EXPECT_EQ(column(g, 0), (QStringList{"h0", "h1", "", "h2", "h3"}));
    g.InsertRow(5); // after the last row
    EXPECT_EQ(g.RowCount(), 6);
    EXPECT_EQ(g.cell(1, 5), QString());
}

TEST(Rows, DeleteMovesTheRowsBelowUp)
{
    TPubStrGrid g;
    fill_rows(g, {"0", "1", "2", "3"});
    g.DeleteRow(1);
    EXPECT_EQ(column(g, 1), (QStringList{"0", "2", "3"}));
    EXPECT_EQ(column(g, 0), (QStringList{"h0", "h2", "h3"}));
    g.DeleteRow(2);
    EXPECT_EQ(column(g, 1), (QStringList{"0", "2"}));
    // Growing again brings empty rows, not the deleted texts.
    g.setRowCount(4);
    EXPECT_EQ(column(g, 1), (QStringList{"0", "2", "", ""}));
    g.DeleteRow(7);
    EXPECT_EQ(g.RowCount(), 4);
}

TEST(Rows, AMovedRowTakesItsHeaderAlong)
{
    TPubStrGrid g;
    fill_rows(g, {"0", "1", "2", "3"});
    int from = -1;
    g.observe([&](const GridChange& c) {
        if (c.what == GridChange::What::Rows)
            from = c.row;
    });
    g.MoveRow(1, 3);
    EXPECT_EQ(column(g, 1), (QStringList{"0", "2", "3", "1"}));
    EXPECT_EQ(column(g, 0), (QStringList{"h0", "h2", "h3", "h1"}));
    EXPECT_EQ(from, 1);
    g.MoveRow(3, 2);
    EXPECT_EQ(column(g, 1), (QStringList{"0", "2", "1", "3"}));
    EXPECT_EQ(from, 2);
    // The header row stays, and rows outside the table are no rows.
    for (const auto& [a, b] : {std::pair{0, 2}, {2, 0}, {1, 4}, {-1, 1}, {2, 2}})
        g.MoveRow(a, b);
    EXPECT_EQ(column(g, 1), (QStringList{"0", "2", "1", "3"}));
}

TEST(Cells, AnUnchangedTextIsNotWrittenAgain)
{
    TPubStrGrid g;
    int changes = 0;
    g.observe([&](const GridChange& c) { changes += c.what == GridChange::What::Cell; });
    EXPECT_TRUE(g.SetCellIfChanged(1, 1, QStringLiteral("x")));
    EXPECT_FALSE(g.SetCellIfChanged(1, 1, QStringLiteral("x")));
    EXPECT_TRUE(g.SetCellIfChanged(1, 1, QStringLiteral("X")));
    EXPECT_EQ(changes, 2);
    EXPECT_THROW(g.SetCellIfChanged(9, 9, QStringLiteral("x")), std::out_of_range);
}

TEST(Headers, ListsFillRowZeroAndColumnZero)
{
    TPubStrGrid g;
    g.resize(3, 4);
    g.setHCol({"", "A"});
    g.setHRow({"r1", "r2", "r3", "r4"});
    EXPECT_EQ(g.cell(1, 0), QStringLiteral("A"));
    EXPECT_EQ(g.cell(2, 0), QString());
    EXPECT_EQ(column(g, 0), (QStringList{"", "r1", "r2", "r3"}));
}

TEST(Sizes, HugeSizesAreRefused)
{
    TPubStrGrid g;
    EXPECT_THROW(g.setRowCount(1000000000), EPubStrGridError);
    EXPECT_THROW(g.resize(5000, 5000), EPubStrGridError);
    EXPECT_THROW(g.setColCount(-1), EPubStrGridError);
    EXPECT_EQ(g.RowCount(), 5);
}

TEST(CellAsFloat, PositionsAreHexadecimal)
{
    TPubStrGrid g;
    g.setCell(1, 2, QStringLiteral("123456789x"));
    try {
        g.CellAsFloat(1, 2);
        FAIL();
    } catch (const EPubStrGridError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Chyba A na pozici v buňce [1, 2]."));
    }
    g.setCell(1, 2, QStringLiteral(" -2.5e1"));
    EXPECT_EQ(g.CellAsFloat(1, 2), -25);
}

class GridFile : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("grid.txt")); }
    void write(const QByteArray& bytes) const
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read(const QString& name) const
    {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(GridFile, EveryLineKindSurvivesARoundTrip)
{
    {
        TPubStrGrid g;
        g.resize(4, 3);
        g.setRowHeight(2, 30);
        g.setColWidth(3, 99);
        g.Caption1 = QStringLiteral("první");
        g.Caption2 = QStringLiteral("druhý");
        g.caption2Placement = Caption2Placement::cpBottom;
        g.setCell(0, 1, QStringLiteral("never stored"));
        g.setCell(1, 0, QStringLiteral("a1"));
        g.setCell(3, 2, QStringLiteral("x|y ž"));
        g.AutoSave = false;
        g.setFileName(path()); // no file yet: nothing loaded
        g.SaveToFile();
    }
    EXPECT_EQ(read(path()), QByteArray("|\r\n3|4\r\n21\r\nprvní\r\ndruhý\r\nBottom\r\nRow 2 Height: 30\r\n"
                                       "Column 0 Width: 21\r\nColumn 3 Width: 99\r\n1|0|a1\r\n3|2|x|y ž\r\n\r\n"));
    TPubStrGrid h;
    h.AutoSave = false;
    h.setFileName(path());
    EXPECT_EQ(h.RowCount(), 3);
    EXPECT_EQ(h.ColCount(), 4);
    EXPECT_EQ(h.rowHeight(2), 30);
    EXPECT_EQ(h.rowHeight(1), 21);
    EXPECT_EQ(h.colWidth(3), 99);
    EXPECT_EQ(h.Caption1, QStringLiteral("první"));
    EXPECT_EQ(h.Caption2, QStringLiteral("druhý"));
    EXPECT_EQ(h.caption2Placement, Caption2Placement::cpBottom);
    EXPECT_EQ(h.cell(1, 0), QStringLiteral("a1"));
    EXPECT_EQ(h.cell(3, 2), QStringLiteral("x|y ž"));
    EXPECT_EQ(h.cell(0, 1), QString());
}

TEST_F(GridFile, SavingKeepsTheOldFileAsBackupAndTheGridSavesWhenDestroyed)
{
    write("old");
    {
        TPubStrGrid g;
        g.AutoSave = true;
        g.CellDelimiter = u';';
        g.setCell(1, 1, QStringLiteral("new"));
        g.setFileName(dir.filePath(QStringLiteral("missing.txt")));
        g.setFileName(QString());
        EXPECT_THROW(g.setFileName(path()), std::exception); // "old" is no grid file
        g.setCell(1, 1, QStringLiteral("new"));
    }
    EXPECT_EQ(read(path() + QStringLiteral("BAK")), QByteArray("old"));
    EXPECT_TRUE(read(path()).contains("1;1;new\r\n"));
}

TEST_F(GridFile, AnEmptyFileChangesNothing)
{
    write("");
    TPubStrGrid g;
    g.AutoSave = false;
    g.setCell(1, 1, QStringLiteral("kept"));
    g.setFileName(path());
    EXPECT_EQ(g.cell(1, 1), QStringLiteral("kept"));
    EXPECT_EQ(g.RowCount(), 5);
}

struct Damaged {
    const char* name;
    QByteArray bytes;
    const char* error; // empty: loads
};

class DamagedFile : public GridFile, public testing::WithParamInterface<Damaged> {};

TEST_P(DamagedFile, GivesAClearErrorOrSkipsTheLine)
{
    write(GetParam().bytes);
    TPubStrGrid g;
    g.AutoSave = false;
    g.setCell(1, 1, QStringLiteral("kept"));
    QString error;
    try {
        g.setFileName(path());
    } catch (const Exception& e) {
        error = e.message();
    }
    EXPECT_EQ(error, QString::fromUtf8(GetParam().error).replace(QStringLiteral("%1"), path()));
    if (!error.isEmpty()) {
        // A load that fails changes nothing.
        EXPECT_EQ(g.RowCount(), 5);
        EXPECT_EQ(g.cell(1, 1), QStringLiteral("kept"));
    } else {
        EXPECT_EQ(g.RowCount(), 3);
        EXPECT_EQ(g.cell(1, 1), QStringLiteral("kept"));
        EXPECT_EQ(g.cell(2, 2), QStringLiteral("in"));
    }
}

const QByteArray kHead = "|\n3|4\n21\n\n\nTop\n";

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedFile,
    testing::Values(Damaged{"short", "|\n3|4\n21\n", "File %1 is not a complete grid file"},
                    Damaged{"sizes not numbers", "|\nthree|4\n21\n\n\nTop\n", "'three' is not a valid integer value"},
                    Damaged{"sizes without delimiter", "|\n3;4\n21\n\n\nTop\n", "'3;4' is not a valid integer value"},
                    Damaged{"huge RowCount", "|\n1000000000|4\n21\n\n\nTop\n",
                            "Grid size 4 x 1000000000 in file %1 is out of range"},
                    Damaged{"RowCount beyond 32 bits", "|\n99999999999|4\n21\n\n\nTop\n",
                            "'99999999999' is not a valid integer value"},
                    Damaged{"negative ColCount", "|\n3|-4\n21\n\n\nTop\n", "Grid size -4 x 3 in file %1 is out of range"},
                    Damaged{"cell row not a number", kHead + "1|x|t\n", "'x' is not a valid integer value"},
                    Damaged{"cells outside the table are skipped",
                            kHead + "2|2|in\n9|1|out\n1|9|out\n-1|1|out\nRow 7 Height: 3\nColumn 9 Width: 3\n", ""},
                    Damaged{"another delimiter: its cells are skipped", kHead + "2|2|in\n1;1;semicolon\n", ""},
                    Damaged{"lines without a delimiter are skipped", kHead + "2|2|in\nrubbish\n\n", ""},
                    Damaged{"malformed row height", kHead + "Row 1 Height: tall\n", "'tall' is not a valid integer value"}),
    [](const testing::TestParamInfo<Damaged>& info) {
        std::string n = info.param.name;
        for (char& c : n)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return n;
    });

// Files edited by hand or cut short never make the grid allocate without
// bound: a file beyond the bound is refused before it is read whole.
TEST_F(GridFile, AFileBeyondTheBoundIsRefused)
{
    // A field of 10^8 characters would make a file of that size; one byte beyond the bound shows it.
    write(kHead + "1|1|" + QByteArray(TPubStrGrid::kMaxFileBytes, 'x') + "\r\n");
    TPubStrGrid g;
    g.AutoSave = false;
    g.setCell(1, 1, QStringLiteral("kept"));
    try {
        g.setFileName(path());
        FAIL();
    } catch (const EPubStrGridError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("File %1 is too large for a grid (at most 8388608 bytes)").arg(path()));
    }
    EXPECT_EQ(g.cell(1, 1), QStringLiteral("kept"));
    // A device without an end, whose size says 0.
    EXPECT_THROW(g.setFileName(QStringLiteral("/dev/zero")), EPubStrGridError);
    EXPECT_EQ(g.RowCount(), 5);
}

TEST_F(GridFile, AGridTooLargeForAFileKeepsTheOldFile)
{
    write(kHead + "1|1|old\r\n");
    TPubStrGrid g;
    g.AutoSave = false;
    g.setFileName(path());
    g.setCell(1, 1, QString(TPubStrGrid::kMaxFileBytes / 2, u'x'));
    g.setCell(2, 1, QString(TPubStrGrid::kMaxFileBytes / 2, u'y'));
    try {
        g.SaveToFile();
        FAIL();
    } catch (const EPubStrGridError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Grid is too large for file %1 (at most 8388608 bytes)").arg(path()));
    }
    EXPECT_EQ(read(path()), kHead + "1|1|old\r\n");
    EXPECT_FALSE(QFile::exists(path() + QStringLiteral("BAK")));
}

long peak_rss_mib()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024;
}

// The largest files the reader takes, each of the kinds that cost the most
// memory: many short lines, one long field, the most cells, many empty lines.
TEST(GridBytes, TheLargestFilesStayWithinMemory)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's own memory would be counted";
#endif
    const QByteArray head = "|\r\n100000|20\r\n21\r\n\r\n\r\nTop\r\n";
    const qsizetype room = TPubStrGrid::kMaxFileBytes - head.size() - 16;
    QByteArray cells;
    for (int r = 0; cells.size() < room; ++r)
        for (int c = 1; c < 20 && cells.size() < room; ++c)
            cells += QByteArray::number(c) + '|' + QByteArray::number(r % 100000) + "|x\n";
    const QByteArray files[] = {
        head + QByteArray("1|1\n").repeated(room / 4),
        head + "1|1|" + QByteArray(room, 'x'),
        head + cells,
        head + QByteArray(room, '\n'),
    };
    for (const QByteArray& file : files) {
        ASSERT_LE(file.size(), TPubStrGrid::kMaxFileBytes);
        TPubStrGrid g;
        g.AutoSave = false;
        g.LoadFromBytes(file);
        EXPECT_EQ(g.RowCount(), 100000);
        EXPECT_LT(peak_rss_mib(), 256);
    }
}

} // namespace
} // namespace qvk::grid
