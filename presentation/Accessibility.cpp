#include "Accessibility.h"

#include <map>
#include <utility>

#include <QAccessibleWidget>
#include <QPointer>

#include "game/Round.h"
#include "presentation/Announcer.h"
#include "presentation/BoardView.h"
#include "presentation/ToolStrip.h"

namespace daz {
namespace {

class BoardAccessible;

// One cell of the board, by its place: what lies there is read from the
// view when asked, so a cell stays true through pairs, slides and
// shuffles. A place outside the board dealt now is no longer valid.
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(BoardView* view, Cell cell) : view_(view), cell_(cell) {}

    bool isValid() const override
    {
        return view_ && cell_.x >= 1 && cell_.y >= 1 && cell_.x <= Board().MaxX() && cell_.y <= Board().MaxY();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? view_->CellName(cell_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid()) {
            return {};
        }
        const BoardGeometry& geometry = view_->Geometry();
        const QRect local(geometry.Corner(cell_), geometry.Corner(Cell{cell_.x + 1, cell_.y + 1}) - QPoint(1, 1));
        return QRect(view_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const Round& round = view_->GetRound();
        state.invisible = !view_->isVisible();
        state.focusable = true;
        state.focused = round.CursorShown() && round.CursorCell() == cell_ && view_->HasKeys();
        // An empty cell cannot be chosen; a tile can.
        state.selectable = Board().At(cell_) != 0;
        state.selected = round.Selection() == cell_;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return isValid() && view_->GetRound().Selection() == cell_; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return cell_.x - 1; }
    int rowIndex() const override { return cell_.y - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override
    {
        return view_ ? QAccessible::queryAccessibleInterface(view_) : nullptr;
    }

private:
    const daz::Board& Board() const { return view_->GetRound().GetBoard(); }

    QPointer<BoardView> view_;
    Cell cell_;
};

// The board: a table of the level's rows and columns, its cells first,
// then the caption over them.
class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(BoardView* view) : QAccessibleWidget(view, QAccessible::Table) {}

    ~BoardAccessible() override
    {
        // Qt may have let a cell go already, as it does all at its exit.
        for (const auto& [place, id] : cells_) {
            if (QAccessible::accessibleInterface(id)) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    BoardView* View() const { return static_cast<BoardView*>(widget()); }

    // The cell at a place, made when first asked for and kept while the
    // board lives.
    CellAccessible* CellAt(Cell cell) const
    {
        const std::pair place{cell.x, cell.y};
        if (const auto found = cells_.find(place); found != cells_.end()) {
            return static_cast<CellAccessible*>(QAccessible::accessibleInterface(found->second));
        }
        auto* made = new CellAccessible(View(), cell);
        cells_.emplace(place, QAccessible::registerAccessibleInterface(made));
        return made;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return View()->AccessibleName();
        case QAccessible::Description: return View()->Caption()->text();
        default: return QAccessibleWidget::text(t);
        }
    }

    int childCount() const override { return Cells() + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0) {
            return nullptr;
        }
        if (index < Cells()) {
            return cellAt(index / columnCount(), index % columnCount());
        }
        return QAccessibleWidget::child(index - Cells());
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child && child->role() == QAccessible::Cell && child->parent() == this) {
            const auto* cell = static_cast<const CellAccessible*>(child);
            return child->isValid() ? cell->rowIndex() * columnCount() + cell->columnIndex() : -1;
        }
        const int index = QAccessibleWidget::indexOfChild(child);
        return index < 0 ? -1 : index + Cells();
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint local = View()->mapFromGlobal(QPoint(x, y));
        const Cell cell = View()->Geometry().CellUnder(local);
        if (cell.x >= 1 && cell.y >= 1 && cell.x <= columnCount() && cell.y <= rowCount()) {
            return CellAt(cell);
        }
        return QAccessibleWidget::childAt(x, y);
    }
    QAccessibleInterface* focusChild() const override
    {
        const Round& round = View()->GetRound();
        if (round.CursorShown() && View()->HasKeys() && Cells() > 0) {
            return CellAt(round.CursorCell());
        }
        return nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) {
            return nullptr;
        }
        return CellAt(Cell{column + 1, row + 1});
    }
    int selectedCellCount() const override { return View()->GetRound().Selection() ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        if (const auto selection = View()->GetRound().Selection()) {
            return {CellAt(*selection)};
        }
        return {};
    }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return View()->GetRound().GetBoard().MaxX(); }
    int rowCount() const override { return View()->GetRound().GetBoard().MaxY(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // Tiles are chosen by clicking them, never a row or a column at once.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    int Cells() const { return rowCount() * columnCount(); }

    // By place (x, y): the ids of the cells made so far.
    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
};

// A label of the tool strip that works as a button: a client presses it
// as a click would.
class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel* label) : QAccessibleWidget(label, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return static_cast<ClickLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && widget()->isEnabled()) {
            static_cast<ClickLabel*>(widget())->Click();
        }
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("daz::BoardView")) {
        return new BoardAccessible(static_cast<BoardView*>(object));
    }
    if (className == QLatin1String("daz::ClickLabel")) {
        return new ClickLabelAccessible(static_cast<ClickLabel*>(object));
    }
    if (className == QLatin1String("daz::Announcer")) {
        return new QAccessibleWidget(static_cast<Announcer*>(object), QAccessible::Notification);
    }
    return nullptr;
}

BoardAccessible* BoardOf(BoardView& view)
{
    if (!QAccessible::isActive()) {
        return nullptr;
    }
    return dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(&view));
}

} // namespace

void InstallAccessibility()
{
    // Qt keeps a factory installed once however often it is asked.
    QAccessible::installFactory(Factory);
}

void TellCellChanged(BoardView& view, Cell cell)
{
    if (BoardAccessible* board = BoardOf(view)) {
        QAccessibleEvent event(board->CellAt(cell), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void TellSelection(BoardView& view, Cell cell, bool selected)
{
    if (BoardAccessible* board = BoardOf(view)) {
        QAccessibleEvent event(board->CellAt(cell),
                               selected ? QAccessible::SelectionAdd : QAccessible::SelectionRemove);
        QAccessible::updateAccessibility(&event);
    }
}

void TellCursor(BoardView& view, Cell cell)
{
    if (BoardAccessible* board = BoardOf(view); board && view.HasKeys()) {
        QAccessibleEvent event(board->CellAt(cell), QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void TellTableReset(BoardView& view)
{
    if (BoardAccessible* board = BoardOf(view)) {
        QAccessibleTableModelChangeEvent reset(board, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
        QAccessibleEvent reorder(board, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reorder);
    }
}

} // namespace daz
