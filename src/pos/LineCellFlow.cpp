#include "pos/LineCellFlow.h"

#include "pos/PosBill.h"
#include "pos/PosColumns.h"
#include "pos/TFrPos.h"
#include "ui/base/FormAction.h"

namespace kvr::pos {

namespace {

bool is(const QString& field, const QString& name)
{
    return field.compare(name, Qt::CaseInsensitive) == 0;
}

// Quantity, price and discount recompute through the field change itself.
bool recomputesOnChange(const QString& field)
{
    return is(field, dt::Quantity) || is(field, dt::Price) || is(field, dt::Discount);
}

// Keys that move the cursor off the line recompute the bill first.
bool movesOff(QKeyCombination key)
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

bool isTyping(QKeyCombination key)
{
    return key.key() >= Qt::Key_Space && key.key() <= Qt::Key_AsciiTilde &&
        !(key.keyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

} // namespace

LineCellFlow::LineCellFlow(TFrPos& pos, QObject* parent)
    : QObject(parent)
    , m_pos(pos)
{ }

bool LineCellFlow::offersMemo(const QString& field)
{
    const QString name = field.trimmed();
    return is(name, dt::PosName) || is(name, dt::ThaiName);
}

void LineCellFlow::enterCell(const QString& field, bool byCashier)
{
    // Only the cashier's own entry: a grid that follows a new bill moves nowhere.
    if (!byCashier)
        return;
    if (is(field, dt::WhCode) || is(field, dt::LotNoCode) || is(field, dt::UnitName) || is(field, dt::Serial))
        m_pos.enterLineCell();
}

void LineCellFlow::editCell(const QString& field)
{
    // The cell's own check runs once the grid has closed its editor and moved on: a scan may add
    // the next line, which a grid still inside its editor must not see. The column-exit re-check
    // queued after it then finds the code assigned and does not assign it again.
    queueCheck([this, field] { checkEditedCell(field); });
}

void LineCellFlow::retypeCell(const QString& field)
{
    // A product code typed again assigns its product again (modes "S" and "M" re-price).
    if (is(field, dt::ProductCode))
        editCell(field);
}

void LineCellFlow::checkEditedCell(const QString& field)
{
    if (is(field, dt::ProductCode))
        m_pos.ProductCodeExit();
    else if (is(field, dt::UnitName))
        m_pos.FrPOS();
    else if (is(field, dt::Quantity))
        m_pos.lineEntry().leaveQuantity();
    else if (is(field, dt::Price))
        m_pos.lineEntry().leavePrice();
    else if (is(field, dt::WhCode))
        m_pos.WhCodeExit();
    else if (is(field, dt::LotNoCode))
        m_pos.LotNoCodeExit();
    else if (is(field, dt::Serial))
        m_pos.SerialExit();
    else if (is(field, dt::Discount))
        m_pos.GetDiscExit();
    // Any other cell may have brought a product, a unit or a price.
    if (recomputesOnChange(field))
        fieldChanged(field);
    else
        m_pos.CalculateAll();
}

void LineCellFlow::enterHeldCodes(const QStringList& codes)
{
    PosBill& bill = m_pos.bill();
    for (qsizetype i = 0; i < codes.size(); ++i) {
        // Whatever the cell still waits for runs first, on its own line.
        runWaitingChecks();
        const bool placed =
            bill.hasLineRow() && (bill.lineText(dt::ProductCode).trimmed().isEmpty() || m_pos.appendLine());
        if (!placed) {
            // No line to take them (the bill was closed meanwhile): told, not dropped unseen.
            m_pos.setStatusText(
                1, QStringLiteral("ยังไม่ได้บันทึกรหัส %1 โปรดสแกนใหม่").arg(codes.mid(i).join(QStringLiteral(", "))));
            return;
        }
        bill.QDt().edit();
        bill.setLine(dt::ProductCode, codes[i]);
        m_pos.ProductCodeExit();
        m_pos.CalculateAll();
    }
}

void LineCellFlow::fieldChanged(const QString& field)
{
    if (!recomputesOnChange(field.trimmed()))
        return;
    m_pos.CalculateDtRecord();
    m_pos.CalculateAll();
}

void LineCellFlow::exitCell(const QString& field)
{
    queueCheck([this, field] { m_pos.DgDtColExit(field); });
}

void LineCellFlow::leaveRow()
{
    runWaitingChecks();
}

void LineCellFlow::changeRow()
{
    m_pos.SetDgDtColumn();
}

void LineCellFlow::reachEnd()
{
    runWaitingChecks();
    m_pos.appendLine();
}

bool LineCellFlow::pressKey(QKeyCombination key, const QString& field, bool onGrid)
{
    if (key.key() == Qt::Key_F5 && key.keyboardModifiers() == Qt::NoModifier)
        return m_pos.DgDtSearch(field);
    // The form's shortcuts (F3 New, F10 Save, Ctrl+X Exit) work in the grid as anywhere on the
    // form, though the grid keeps Enter and Escape to itself.
    for (ui::FormAction* action : m_pos.actions()) {
        if (action->hasShortcut() && action->shortcut() == key) {
            action->execute();
            return true;
        }
    }
    // The first key typed into the product code opens its editor: not without a customer.
    if (isTyping(key) && onGrid && is(field, dt::ProductCode))
        return !m_pos.ProductCodeEnter();
    if (movesOff(key)) {
        // The cell being typed in is the line's before anything is recomputed or moved.
        emit editingToFinish();
        m_pos.CalculateAll();
    }
    return false;
}

void LineCellFlow::finishTyping()
{
    emit editingToFinish();
    runWaitingChecks();
}

void LineCellFlow::queueCheck(std::function<void()> check)
{
    const int row = m_pos.QDt().recNo();
    if (!m_checks.empty() && m_checksRow != row)
        runWaitingChecks();
    m_checksRow = row;
    m_checks.push_back(std::move(check));
    if (m_checks.size() == 1)
        emit checksWaiting();
}

void LineCellFlow::runWaitingChecks()
{
    std::vector<std::function<void()>> checks;
    checks.swap(m_checks);
    const int row = m_checksRow;
    const data::CachedDataset& lines = m_pos.QDt();
    // The line they belong to must still be the current one: a new bill, a reload or a scan that
    // opened the next line forgets the rest.
    for (const auto& check : checks) {
        if (!lines.isOpen() || lines.eof() || lines.recNo() != row)
            return;
        check();
    }
}

} // namespace kvr::pos
