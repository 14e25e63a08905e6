#pragma once
// The view of a grid of the window model (TPubStrGrid): row 0 and column 0
// are its headers, the other cells are edited in place. Typed characters go
// through the grid's key filter; Down on the last row appends a row, Insert
// inserts one, Ctrl+Delete deletes the current row after a confirmation.
// With row moving on, a row dragged by its header moves in the grid.
#include "model/model.h"
#include "model/registry.h"

#include <QBrush>
#include <QFont>
#include <QPointer>
#include <QTableView>

#include <functional>

namespace qvk::shell {

class GridItemModel;

class PubStrGridView : public QTableView {
    Q_OBJECT
public:
    explicit PubStrGridView(double scale = 1.0, QWidget* parent = nullptr);

    // Shows the model's grid of this view's objectName.
    void attach(WindowModel& model, const Registry& registry);
    bool attached() const { return grid_ != nullptr; }
    grid::TPubStrGrid* grid() const { return grid_; }

    // Options of the window description.
    void setInfoColours();           // drawn in the tooltip colours
    void setRangeSelection(bool on); // the focused cell drawn selected as well
    void setRowMoving(bool on);      // a row dragged by its header moves there

    // Per-cell font and brush, asked before each cell is drawn.
    std::function<void(int col, int row, QFont& font, QBrush& brush)> OnGetCellColor;

    // The current cell in grid coordinates (headers included), -1 when none.
    int currentRow() const;
    int currentCol() const;

    static inline const QString kDeleteQuestion = QStringLiteral("Jste si jist vymazaním tohoto řádku ?");

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class GridCellDelegate;
    void applyLayout();
    // True when the key was taken.
    bool gridCommand(QKeyEvent* key);
    bool filterCharacter(QObject* target, QKeyEvent* key);
    void closeCellEditor();
    void editorCreated(QWidget* editor);
    void rowDragged(int logical, int from, int to); // visual places

    WindowModel* model_ = nullptr;
    const Registry* registry_ = nullptr;
    grid::TPubStrGrid* grid_ = nullptr;
    GridItemModel* items_ = nullptr;
    QPointer<QWidget> editor_;
    double scale_ = 1.0;
};

} // namespace qvk::shell
