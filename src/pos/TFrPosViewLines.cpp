// The line grid of the sale screen: its in-cell editors, cell entry and exit, F5 and the keys
// that recompute the bill, all handed to the screen.
#include "pos/TFrPosView.h"

#include "ui/base/DataGrid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTimer>

namespace kvr::pos {

namespace {

ui::CellEditorKind editorKind(CellEditor editor)
{
    switch (editor) {
    case CellEditor::None:
        return ui::CellEditorKind::None;
    case CellEditor::ProductCode:
    case CellEditor::WhCode:
    case CellEditor::LotNoCode:
    case CellEditor::UnitName:
        return ui::CellEditorKind::SearchEdit;
    default:
        return ui::CellEditorKind::Edit;
    }
}

bool recomputesBeforeMoving(QKeyCombination key)
{
    switch (key.key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return key.keyboardModifiers() == Qt::NoModifier;
    default:
        return false;
    }
}

// The cashier entering the lines (a click, Tab or Enter from the header) first has the header
// checked; refused, the screen sends the cursor back to what is missing. Focus the program moves
// itself, or that comes back from a message box, is no entry.
class LinesEntryCheck : public QObject
{
public:
    LinesEntryCheck(TFrPos& pos, QObject* parent)
        : QObject(parent)
        , m_pos(pos)
    { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
                m_pos.PosPageEnter();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TFrPos& m_pos;
};

} // namespace

void TFrPosView::wireLineGrid()
{
    m_grid->installEventFilter(new LinesEntryCheck(m_pos, m_grid));
    connect(m_grid, &ui::DataGrid::colEnter, this, [this](const QString& field) {
        gridColumnEntered(field);
        // Only the cashier's own entry: a grid that follows a new bill moves nowhere.
        if (!m_grid->hasFocus() && !m_grid->isAncestorOf(QApplication::focusWidget()))
            return;
        const QString name = field.toUpper();
        if (name == QLatin1String("WHCODE") || name == QLatin1String("LOTNOCODE") ||
            name == QLatin1String("UNITNAME") || name == QLatin1String("SERIAL"))
            m_pos.LineCellEnter();
    });
    // The re-check of the cell left runs once the grid has settled on its new cell.
    connect(m_grid, &ui::DataGrid::colExit, this,
            [this](const QString& field) { deferLineCheck([this, field] { m_pos.DgDtColExit(field); }); });
    // Checks still waiting for the line the cursor leaves run now, on that line: the stock, the
    // unit's price and the product of a cell left for another row must not be skipped.
    connect(m_grid, &ui::DataGrid::rowLeaving, this, [this] { runLineChecks(); });
    // Past the last line a new one opens, once the checks of the line left are done.
    connect(m_grid, &ui::DataGrid::endReached, this, [this] {
        runLineChecks();
        m_pos.AppendLine();
    });
    connect(m_grid, &ui::DataGrid::rowChanged, this, [this](int) { m_pos.SetDgDtColumn(); });
    connect(m_grid, &ui::DataGrid::fieldChanged, this, &TFrPosView::lineCellEdited);
    // A product code typed again assigns its product again (modes "S" and "M" re-price).
    connect(m_grid, &ui::DataGrid::fieldReentered, this, [this](const QString& field) {
        if (field.compare(QLatin1String("ProductCode"), Qt::CaseInsensitive) == 0)
            lineCellEdited(field);
    });
    connect(m_grid, &ui::DataGrid::searchRequested, this, [this](const QString& field) { m_pos.DgDtSearch(field); });
    connect(&m_pos, &TFrPos::columnsChanged, this, &TFrPosView::applyLineEditors);
    // Saving takes the cell still being typed in and the checks still waiting, first.
    connect(&m_pos, &TFrPos::paymentEditsWanted, this, [this] {
        m_grid->finishEditing();
        runLineChecks();
    });
    connect(&m_pos, &TFrPos::gridFieldRequested, this, [this](const QString& field) {
        QTimer::singleShot(0, m_grid, [this, field] {
            // The line the screen is on, which may be one it has just added.
            const ui::DatasetTableModel& model = m_grid->gridModel();
            const int row = m_pos.QDt().recNo();
            const int column = model.columnOf(field);
            if (row >= 0 && row < model.rowCount() && column >= 0 && !m_grid->isColumnHidden(column))
                m_grid->setCurrentIndex(model.index(row, column));
        });
    });
    // While the grid or one of its cell editors has the focus the form previews no keys: Enter
    // belongs to the grid, which moves on to the next cell.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && (now == this || isAncestorOf(now)))
            m_pos.setKeyPreview(!(now == m_grid || m_grid->isAncestorOf(now)));
    });
    m_grid->setKeyHandler([this](QKeyCombination key) {
        if (key.key() == Qt::Key_F5 && key.keyboardModifiers() == Qt::NoModifier)
            return m_pos.DgDtSearch(m_grid->selectedField());
        // The first key typed into the product code opens its editor: not without a customer.
        const bool typing = key.key() >= Qt::Key_Space && key.key() <= Qt::Key_AsciiTilde &&
            !(key.keyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (typing && QApplication::focusWidget() == m_grid &&
            m_grid->selectedField().compare(QLatin1String("ProductCode"), Qt::CaseInsensitive) == 0)
            return !m_pos.ProductCodeEnter();
        if (recomputesBeforeMoving(key)) {
            // The cell being typed in is the line's before anything is recomputed or moved.
            m_grid->finishEditing();
            m_pos.CalculateAll();
        }
        return false;
    });
}

void TFrPosView::applyLineEditors()
{
    applyColumns();
    for (const GridColumn& column : m_pos.columns()) {
        m_grid->setColumnEditor(column.field, column.readOnly ? ui::CellEditorKind::None : editorKind(column.editor));
        const bool code = column.editor == CellEditor::ProductCode || column.editor == CellEditor::WhCode ||
            column.editor == CellEditor::LotNoCode;
        m_grid->setColumnUpperCase(column.field, code);
    }
}

void TFrPosView::lineCellEdited(const QString& field)
{
    // The cell's own check runs once the grid has closed its editor and moved on: a scan may add
    // the next line, which a grid still inside its editor must not see. The column-exit re-check
    // queued after it then finds the code assigned and does not assign it again.
    const QString name = field.toUpper();
    deferLineCheck([this, name] {
        if (name == QLatin1String("PRODUCTCODE")) {
            m_pos.ProductCodeExit();
        } else if (name == QLatin1String("UNITNAME")) {
            m_pos.FrPOS();
        } else if (name == QLatin1String("QUANTITY")) {
            m_pos.QuantityExit();
        } else if (name == QLatin1String("WHCODE")) {
            m_pos.WhCodeExit();
        } else if (name == QLatin1String("LOTNOCODE")) {
            m_pos.LotNoCodeExit();
        } else if (name == QLatin1String("SERIAL")) {
            m_pos.SerialExit();
        } else if (name == QLatin1String("DISCOUNT")) {
            m_pos.GetDiscExit();
        }
        // Quantity, price and discount recompute through the field change; any other cell may
        // have brought a product, a unit or a price.
        m_pos.DgDtFieldChanged(name);
        if (name != QLatin1String("QUANTITY") && name != QLatin1String("PRICE") && name != QLatin1String("DISCOUNT"))
            m_pos.CalculateAll();
    });
}

void TFrPosView::deferLineCheck(std::function<void()> check)
{
    const int row = m_pos.QDt().recNo();
    if (!m_lineChecks.empty() && m_lineChecksRow != row)
        runLineChecks();
    m_lineChecksRow = row;
    m_lineChecks.push_back(std::move(check));
    if (m_lineChecks.size() == 1)
        QTimer::singleShot(0, this, &TFrPosView::runLineChecks);
}

void TFrPosView::runLineChecks()
{
    std::vector<std::function<void()>> checks;
    checks.swap(m_lineChecks);
    const int row = m_lineChecksRow;
    data::CachedDataset& dt = m_pos.QDt();
    // The line they belong to must still be the current one: a new bill, a reload or a scan that
    // opened the next line forgets the rest.
    for (const auto& check : checks) {
        if (!dt.isOpen() || dt.eof() || dt.recNo() != row)
            return;
        check();
    }
}

} // namespace kvr::pos
