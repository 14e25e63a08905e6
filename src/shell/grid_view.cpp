#include "shell/grid_view.h"
#include "shell/geometry.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace qvk::shell {

// The grid's cells without row 0 and column 0, which are the headers.
class GridItemModel : public QAbstractTableModel {
public:
    GridItemModel(grid::TPubStrGrid& grid, QObject* parent)
        : QAbstractTableModel(parent), grid_(grid), rows_(dataRows()), cols_(dataCols())
    {
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : cols_; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return grid_.cell(index.column() + 1, index.row() + 1);
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role == Qt::DisplayRole)
            return orientation == Qt::Horizontal ? grid_.cell(section + 1, 0) : grid_.cell(0, section + 1);
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (role != Qt::EditRole || !index.isValid())
            return false;
        grid_.SetCellIfChanged(index.column() + 1, index.row() + 1, value.toString());
        return true;
    }

    // Follows a change of the grid.
    void changed(const grid::GridChange& c)
    {
        using What = grid::GridChange::What;
        switch (c.what) {
        case What::Cell:
            if (c.row == 0 && c.col > 0)
                emit headerDataChanged(Qt::Horizontal, c.col - 1, c.col - 1);
            else if (c.col == 0 && c.row > 0)
                emit headerDataChanged(Qt::Vertical, c.row - 1, c.row - 1);
            else if (c.row > 0 && c.col > 0 && c.row <= rows_ && c.col <= cols_)
                emit dataChanged(index(c.row - 1, c.col - 1), index(c.row - 1, c.col - 1));
            break;
        case What::Size:
            resizeTo(dataRows(), dataCols());
            break;
        case What::Rows:
            if (rows_ > 0 && cols_ > 0) {
                const int from = std::max(c.row - 1, 0);
                if (from < rows_) {
                    emit dataChanged(index(from, 0), index(rows_ - 1, cols_ - 1));
                    emit headerDataChanged(Qt::Vertical, from, rows_ - 1);
                }
            }
            break;
        case What::Layout:
            break;
        }
    }

private:
    int dataRows() const { return std::max(grid_.RowCount() - 1, 0); }
    int dataCols() const { return std::max(grid_.ColCount() - 1, 0); }

    void resizeTo(int rows, int cols)
    {
        if (rows > rows_) {
            beginInsertRows({}, rows_, rows - 1);
            rows_ = rows;
            endInsertRows();
        } else if (rows < rows_) {
            beginRemoveRows({}, rows, rows_ - 1);
            rows_ = rows;
            endRemoveRows();
        }
        if (cols > cols_) {
            beginInsertColumns({}, cols_, cols - 1);
            cols_ = cols;
            endInsertColumns();
        } else if (cols < cols_) {
            beginRemoveColumns({}, cols, cols_ - 1);
            cols_ = cols;
            endRemoveColumns();
        }
    }

    grid::TPubStrGrid& grid_;
    int rows_;
    int cols_;
};

// The cell text: 2 pixels in from the sides, one line high and centred
// vertically, not wrapped, tabs expanded, with the grid's alignment.
class GridCellDelegate : public QStyledItemDelegate {
public:
    explicit GridCellDelegate(PubStrGridView* view) : QStyledItemDelegate(view), view_(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const grid::TPubStrGrid* g = view_->grid();
        if (!g)
            return;
        const int col = index.column() + 1, row = index.row() + 1;
        const bool selected = option.state & QStyle::State_Selected;
        QFont font = option.font;
        QBrush brush = selected ? option.palette.brush(QPalette::Highlight) : option.palette.brush(QPalette::Base);
        if (view_->OnGetCellColor)
            view_->OnGetCellColor(col, row, font, brush);
        painter->save();
        const QRect cell = option.rect;
        painter->fillRect(cell, brush);
        if (g->Grid3D() && view_->showGrid()) {
            painter->setPen(option.palette.color(QPalette::HighlightedText));
            painter->drawLine(cell.topLeft(), cell.bottomLeft());
            painter->drawLine(cell.topLeft(), cell.topRight());
        }
        painter->setFont(font);
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const int line = QFontMetrics(font).height();
        const int top = (cell.top() + cell.bottom() + 1 - line) / 2;
        const QRect text(cell.left() + 2, top, cell.width() - 4, line);
        int flags = Qt::TextSingleLine | Qt::TextExpandTabs | Qt::AlignTop;
        switch (g->alignmentOf(col, row)) {
        case grid::Alignment::Left: flags |= Qt::AlignLeft; break;
        case grid::Alignment::Right: flags |= Qt::AlignRight; break;
        case grid::Alignment::Center: flags |= Qt::AlignHCenter; break;
        }
        painter->drawText(text, flags, index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setFrame(false);
        view_->editorCreated(editor);
        return editor;
    }

private:
    PubStrGridView* view_;
};

PubStrGridView::PubStrGridView(double scale, QWidget* parent) : QTableView(parent), scale_(scale)
{
    setItemDelegate(new GridCellDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(4);
    verticalHeader()->setMinimumSectionSize(4);
    installEventFilter(this);
}

void PubStrGridView::attach(WindowModel& model, const Registry& registry)
{
    if (grid_)
        return;
    model_ = &model;
    registry_ = &registry;
    grid_ = &model.gridForWrite(objectName());
    items_ = new GridItemModel(*grid_, this);
    setModel(items_);
    // The grid lives in the model, which may outlive this view.
    grid_->observe([self = QPointer<PubStrGridView>(this)](const grid::GridChange& c) {
        if (!self)
            return;
        self->items_->changed(c);
        if (c.what != grid::GridChange::What::Cell)
            self->applyLayout();
    });
    applyLayout();
}

void PubStrGridView::setInfoColours()
{
    QPalette p = palette();
    p.setColor(QPalette::Base, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::Text, p.color(QPalette::ToolTipText));
    setPalette(p);
}

void PubStrGridView::setRangeSelection(bool on)
{
    setSelectionMode(on ? QAbstractItemView::ContiguousSelection : QAbstractItemView::SingleSelection);
}

void PubStrGridView::applyLayout()
{
    if (!grid_)
        return;
    QHeaderView* top = horizontalHeader();
    QHeaderView* left = verticalHeader();
    for (int c = 1; c < grid_->ColCount(); ++c)
        if (top->sectionSize(c - 1) != scaled(grid_->colWidth(c), scale_))
            top->resizeSection(c - 1, scaled(grid_->colWidth(c), scale_));
    left->setFixedWidth(scaled(grid_->colWidth(0), scale_));
    top->setFixedHeight(scaled(grid_->rowHeight(0), scale_));
    left->setDefaultSectionSize(scaled(grid_->DefaultRowHeight(), scale_));
    for (int r = 1; r < grid_->RowCount(); ++r)
        if (left->sectionSize(r - 1) != scaled(grid_->rowHeight(r), scale_))
            left->resizeSection(r - 1, scaled(grid_->rowHeight(r), scale_));
}

void PubStrGridView::setRowMoving(bool on)
{
    verticalHeader()->setSectionsMovable(on);
    if (on)
        connect(verticalHeader(), &QHeaderView::sectionMoved, this, &PubStrGridView::rowDragged,
                Qt::UniqueConnection);
    else
        disconnect(verticalHeader(), &QHeaderView::sectionMoved, this, &PubStrGridView::rowDragged);
}

void PubStrGridView::rowDragged(int, int from, int to)
{
    // The header only shows the rows in another order; the grid moves the
    // texts and the header goes back to showing row i at place i.
    QHeaderView* left = verticalHeader();
    {
        const QSignalBlocker quiet(left);
        left->moveSection(to, from);
    }
    if (!grid_)
        return;
    const int col = currentCol();
    closeCellEditor();
    run_guarded(*model_, [&] { grid_->MoveRow(from + 1, to + 1); });
    if (col > 0)
        setCurrentIndex(items_->index(to, col - 1));
}

int PubStrGridView::currentRow() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + 1 : -1;
}

int PubStrGridView::currentCol() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.column() + 1 : -1;
}

void PubStrGridView::editorCreated(QWidget* editor)
{
    editor_ = editor;
    editor->installEventFilter(this);
}

void PubStrGridView::closeCellEditor()
{
    // What was typed is kept, as when the user leaves the cell.
    if (editor_ && state() == QAbstractItemView::EditingState) {
        QWidget* editor = editor_;
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    editor_ = nullptr;
}

bool PubStrGridView::gridCommand(QKeyEvent* key)
{
    if (!grid_)
        return false;
    const int row = currentRow();
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() == Qt::Key_Down && mods == Qt::NoModifier) {
        if (row >= 0 && row == grid_->RowCount() - 1)
            run_guarded(*model_, [&] { grid_->setRowCount(grid_->RowCount() + 1); });
        return false; // the view then moves down
    }
    if (key->key() == Qt::Key_Insert && mods == Qt::NoModifier) {
        if (row >= 0) {
            const int col = currentCol();
            closeCellEditor();
            run_guarded(*model_, [&] { grid_->InsertRow(row); });
            setCurrentIndex(items_->index(row - 1, col - 1));
            edit(currentIndex());
        }
        return true;
    }
    if (key->key() == Qt::Key_Delete && mods == Qt::ControlModifier) {
        if (row >= 0 && grid_->RowCount() > 2) {
            QMessageBox box(QMessageBox::Question, kAppTitle, kDeleteQuestion, QMessageBox::Ok | QMessageBox::Cancel,
                            this);
            box.setObjectName(QStringLiteral("messageBox"));
            if (box.exec() == QMessageBox::Ok) {
                const int col = currentCol();
                closeCellEditor();
                run_guarded(*model_, [&] { grid_->DeleteRow(row); });
                const int rows = items_->rowCount();
                if (rows > 0) {
                    setCurrentIndex(items_->index(std::min(row - 1, rows - 1), col - 1));
                    edit(currentIndex());
                }
            }
        }
        return true;
    }
    return false;
}

bool PubStrGridView::filterCharacter(QObject* target, QKeyEvent* key)
{
    const KeyFilter* filter = registry_ ? registry_->keyFilter(objectName()) : nullptr;
    if (!filter || (key->modifiers() & Qt::ControlModifier))
        return false;
    // Backspace and Delete change a cell's text as much as a typed character.
    QChar c;
    if (key->key() == Qt::Key_Backspace)
        c = u'\b';
    else if (key->key() == Qt::Key_Delete)
        c = QChar(0x7f);
    else if (key->text().size() == 1 && key->text()[0].isPrint())
        c = key->text()[0];
    else
        return false;
    const std::optional<QChar> kept = (*filter)(*model_, c);
    if (!kept)
        return true;
    if (*kept == c)
        return false;
    QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), QString(*kept));
    QCoreApplication::sendEvent(target, &replaced);
    return true;
}

bool PubStrGridView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == this || watched == editor_)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (gridCommand(key))
            return true;
        // A key typed on the view opens the editor with it: filter it there.
        if (watched == editor_ && filterCharacter(watched, key))
            return true;
        if (watched == this && state() != QAbstractItemView::EditingState && filterCharacter(watched, key))
            return true;
    }
    return QTableView::eventFilter(watched, event);
}

} // namespace qvk::shell
