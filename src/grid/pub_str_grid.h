#pragma once
// A table of cell texts with one header row and one header column, as the
// equation page uses it: header lists, cell-to-number conversion, writes that
// skip unchanged cells, row insertion and deletion, and a text file of its
// own. No toolkit: views observe the changes.
#include "core/errors.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <vector>

namespace qvk::grid {

// A cell text that is not a number.
class EPubStrGridError : public Exception {
    using Exception::Exception;
};

enum class Alignment { Left, Right, Center };
enum class Caption2Placement { cpTop, cpBottom };

struct GridChange {
    enum class What {
        Cell,   // the text of (col, row)
        Size,   // RowCount or ColCount
        Rows,   // texts of whole rows from `row` on moved (insert, delete)
        Layout, // widths, heights, alignment, drawing options
    };
    What what = What::Cell;
    int col = -1;
    int row = -1;
};

class TPubStrGrid {
public:
    // Bounds on a declared size, so that a damaged file cannot ask for gigabytes.
    static constexpr int kMaxRows = 100000;
    static constexpr int kMaxCols = 10000;
    static constexpr qsizetype kMaxCells = 2000000;
    // A grid file longer than this is refused when read and not written.
    static constexpr qsizetype kMaxFileBytes = 8 * 1024 * 1024;

    TPubStrGrid();
    ~TPubStrGrid(); // saves to FileName when AutoSave is on
    TPubStrGrid(const TPubStrGrid&) = delete;
    TPubStrGrid& operator=(const TPubStrGrid&) = delete;

    // --- sizes; raising adds empty rows/columns at the end, lowering drops the last
    int RowCount() const { return rowCount_; }
    int ColCount() const { return colCount_; }
    void setRowCount(int rows) { resize(colCount_, rows); }
    void setColCount(int cols) { resize(cols, rowCount_); }
    // Both at once; EPubStrGridError beyond the bounds above or below 0.
    void resize(int cols, int rows);

    // --- cells, column first; reading outside the table gives the empty text
    QString cell(int col, int row) const;
    // std::out_of_range outside the table.
    void setCell(int col, int row, const QString& text);
    // Writes only a different text; true when it wrote.
    bool SetCellIfChanged(int col, int row, const QString& text);
    // The text with a decimal point as a double; EPubStrGridError
    // "Chyba %x na pozici v buňce [%d, %d]." when it is not a number.
    double CellAsFloat(int col, int row) const;

    // --- header texts: HCol into row 0, HRow into column 0 from row 1 on
    const QStringList& HCol() const { return hcol_; }
    const QStringList& HRow() const { return hrow_; }
    void setHCol(const QStringList& texts);
    void setHRow(const QStringList& texts);
    void ApplyHCol();
    void ApplyHRow();

    // --- rows
    void InsertRow(int row);
    void DeleteRow(int row);
    // A row dragged elsewhere: its texts, header included, end up at `to`;
    // the rows between move by one. Nothing outside the data rows.
    void MoveRow(int from, int to);

    // --- sizes in pixels
    int DefaultColWidth() const { return defaultColWidth_; }
    int DefaultRowHeight() const { return defaultRowHeight_; }
    // Setting a default drops the widths (heights) of their own.
    void setDefaultColWidth(int width);
    void setDefaultRowHeight(int height);
    int colWidth(int col) const;
    int rowHeight(int row) const;
    void setColWidth(int col, int width);
    void setRowHeight(int row, int height);

    // --- drawing options
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);
    bool Grid3D() const { return grid3D_; }
    void setGrid3D(bool on);
    // Per-cell alignment, asked before drawing each cell when set.
    std::function<Alignment(int col, int row)> OnGetAlignment;
    Alignment alignmentOf(int col, int row) const { return OnGetAlignment ? OnGetAlignment(col, row) : alignment_; }

    // --- persistence
    const QString& FileName() const { return fileName_; }
    // Stores the name and loads the file when the name is not empty.
    void setFileName(const QString& name);
    bool AutoSave = true;
    bool AutoBackup = true;
    QChar CellDelimiter = u'|';
    QString Caption1;
    QString Caption2;
    Caption2Placement caption2Placement = Caption2Placement::cpTop;
    // Moves an existing file to its name with "BAK" appended (when AutoBackup
    // is on), then writes the file anew. Exception "Cannot create file %s";
    // EPubStrGridError, before anything is moved, beyond kMaxFileBytes.
    void SaveToFile() const;
    // Reads the file when it exists. A malformed number or size raises its
    // error and leaves the grid as it was; lines naming cells, rows or
    // columns outside the table are skipped.
    void LoadFromFile();
    // The contents of the file, as SaveToFile writes and LoadFromFile reads them.
    QByteArray SaveToBytes() const;
    void LoadFromBytes(QByteArray data);
    // What follows loading the grid's description: the file, then the headers.
    void Loaded();

    // --- change notification
    using Observer = std::function<void(const GridChange&)>;
    void observe(Observer observer) { observers_.push_back(std::move(observer)); }

private:
    void notify(GridChange::What what, int col = -1, int row = -1) const;

    int colCount_ = 0;
    int rowCount_ = 0;
    QVector<QStringList> rows_; // rows_[row][col]
    QStringList hcol_;
    QStringList hrow_;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 21;
    std::vector<int> colWidths_; // -1: the default
    std::vector<int> rowHeights_;
    Alignment alignment_ = Alignment::Left;
    bool grid3D_ = false;
    QString fileName_;
    std::vector<Observer> observers_;
};

} // namespace qvk::grid
