#include "pos/PosLinePage.h"

#include "pos/PosColumns.h"
#include "pos/TFrPos.h"
#include "ui/base/DataGrid.h"
#include "ui/base/Guarded.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

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

PosLinePage::PosLinePage(TFrPos& pos, QWidget* parent)
    : QWidget(parent)
    , m_pos(pos)
    , m_grid(new ui::DataGrid(this))
{
    setObjectName(QStringLiteral("sheetProduct"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    m_grid->setObjectName(QStringLiteral("dgDtGrid"));
    m_grid->setDataset(&m_pos.QDt());
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    wireGrid();
    layout->addWidget(m_grid);
}

bool PosLinePage::cashierInGrid() const
{
    return m_grid->hasFocus() || m_grid->isAncestorOf(QApplication::focusWidget());
}

void PosLinePage::wireGrid()
{
    LineCellFlow& flow = m_pos.cellFlow();
    m_grid->installEventFilter(new LinesEntryCheck(m_pos, m_grid));
    connect(m_grid, &ui::DataGrid::colEnter, this, [this, &flow](const QString& field) {
        showMemoMenu(field);
        flow.enterCell(field, cashierInGrid());
    });
    connect(m_grid, &ui::DataGrid::colExit, &flow, &LineCellFlow::exitCell);
    connect(m_grid, &ui::DataGrid::rowLeaving, &flow, [&flow] { flow.leaveRow(); });
    connect(m_grid, &ui::DataGrid::endReached, &flow, &LineCellFlow::reachEnd);
    connect(m_grid, &ui::DataGrid::rowChanged, &flow, [&flow] { flow.changeRow(); });
    connect(m_grid, &ui::DataGrid::fieldChanged, &flow, &LineCellFlow::editCell);
    connect(m_grid, &ui::DataGrid::fieldReentered, &flow, &LineCellFlow::retypeCell);
    connect(m_grid, &ui::DataGrid::searchRequested, this, [this](const QString& field) { m_pos.DgDtSearch(field); });
    // The checks of a cell run once the grid has closed its editor and settled on the next cell.
    connect(&flow, &LineCellFlow::checksWaiting, this,
            [this, &flow] { QTimer::singleShot(0, this, [&flow] { flow.runWaitingChecks(); }); });
    connect(&flow, &LineCellFlow::editingToFinish, m_grid, &ui::DataGrid::finishEditing);
    connect(&m_pos, &TFrPos::columnsChanged, this, &PosLinePage::applyEditors);
    connect(&m_pos, &TFrPos::gridFieldRequested, this, &PosLinePage::moveToField);
    // While the grid or one of its cell editors has the focus the form previews no keys: Enter
    // belongs to the grid, which moves on to the next cell.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        QWidget* window = this->window();
        if (now && (now == window || window->isAncestorOf(now)))
            m_pos.setKeyPreview(!(now == m_grid || m_grid->isAncestorOf(now)));
    });
    m_grid->setKeyHandler([this, &flow](QKeyCombination key) {
        // Ctrl+Delete deletes the line under the cursor, as the delete-line button does.
        if (key == QKeyCombination(Qt::ControlModifier, Qt::Key_Delete)) {
            if (m_pos.controls().deleteLineEnabled)
                m_pos.BtDeleteLineClick();
            return true;
        }
        // The form previews no keys here, but its actions' keys (F10 save, Ctrl+P, F3) work
        // wherever the cursor is, as their tool-bar buttons do.
        for (ui::FormAction* action : m_pos.actions())
            if (action->hasShortcut() && action->shortcut() == key) {
                action->execute();
                return true;
            }
        return flow.pressKey(key, m_grid->selectedField(), QApplication::focusWidget() == m_grid);
    });
}

void PosLinePage::moveToField(const QString& field)
{
    QTimer::singleShot(0, m_grid, [this, field] {
        // The line the screen is on, which may be one it has just added.
        const ui::DatasetTableModel& model = m_grid->gridModel();
        const int row = m_pos.QDt().recNo();
        const int column = model.columnOf(field);
        if (row >= 0 && row < model.rowCount() && column >= 0 && !m_grid->isColumnHidden(column))
            m_grid->setCurrentIndex(model.index(row, column));
    });
}

void PosLinePage::applyColumns()
{
    const std::vector<GridColumn>& columns = m_pos.columns();
    // Laid out again only when the layout changed: the grid keeps its cursor meanwhile.
    const bool sameLayout =
        std::equal(columns.begin(), columns.end(), m_grid->columns().begin(), m_grid->columns().end(),
                   [](const GridColumn& wanted, const ui::DataGridColumn& shown) {
                       return wanted.field == shown.field && wanted.width == shown.width && wanted.title == shown.title;
                   });
    if (!sameLayout) {
        std::vector<ui::DataGridColumn> layout(columns.size());
        for (size_t i = 0; i < columns.size(); ++i) {
            layout[i].field = columns[i].field;
            layout[i].width = columns[i].width;
            layout[i].title = columns[i].title;
        }
        m_grid->setColumns(std::move(layout));
    }
    for (const GridColumn& column : columns) {
        m_grid->setColumnReadOnly(column.field, column.readOnly);
        m_grid->setColumnVisible(column.field, column.visible);
        if (!column.displayFormat.isEmpty())
            m_grid->setColumnFormat(column.field, column.displayFormat);
    }
}

void PosLinePage::applyEditors()
{
    applyColumns();
    for (const GridColumn& column : m_pos.columns()) {
        m_grid->setColumnEditor(column.field, column.readOnly ? ui::CellEditorKind::None : editorKind(column.editor));
        const bool code = column.editor == CellEditor::ProductCode || column.editor == CellEditor::WhCode ||
            column.editor == CellEditor::LotNoCode;
        m_grid->setColumnUpperCase(column.field, code);
    }
}

void PosLinePage::showMemoMenu(const QString& field)
{
    const bool nameColumn = LineCellFlow::offersMemo(field);
    if (nameColumn == m_memoMenuOn)
        return;
    m_memoMenuOn = nameColumn;
    for (QAction* action : m_grid->actions())
        m_grid->removeAction(action);
    if (!nameColumn)
        return;
    auto* memo = new QAction(QStringLiteral("ป้อนคำอธิบายเพิ่มเติม"), m_grid);
    memo->setObjectName(QStringLiteral("n1MenuItem"));
    connect(memo, &QAction::triggered, this, ui::guarded(std::bind_front(&PosLinePage::editMemoLine, this)));
    m_grid->addAction(memo);
}

void PosLinePage::editMemoLine()
{
    if (!m_pos.bill().hasLineRow())
        return;
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("เพิ่มเติม คำอธิบายรายการ"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* text = new QPlainTextEdit(m_pos.bill().lineText(dt::MemoLine), &dialog);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_pos.QDt().edit();
    m_pos.bill().setLine(dt::MemoLine, text->toPlainText());
}

} // namespace kvr::pos
