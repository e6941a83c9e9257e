#pragma once

#include <QKeyCombination>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace kvr::pos {

class TFrPos;

// What the cashier's moves through the line grid mean for the sale screen: which check a cell's
// edit runs, the re-check when a cell is left, the checks waiting for their line, when the cursor
// goes back to the product code, which keys recompute the bill and when a new line opens. The
// grid reports its events here as plain calls; nothing here knows a widget.
class LineCellFlow : public QObject
{
    Q_OBJECT
public:
    explicit LineCellFlow(TFrPos& pos, QObject* parent = nullptr);

    // The cursor entered a cell; `byCashier` when the cashier moved it there, not the grid
    // following a new or reloaded bill.
    void enterCell(const QString& field, bool byCashier);
    // A cell's value was changed and its editor closed.
    void editCell(const QString& field);
    // The same value typed again into a cell: only a product code is entered again.
    void retypeCell(const QString& field);
    // The cursor left a cell: it is checked once more when the grid has settled.
    void exitCell(const QString& field);
    // The cursor leaves the line: its waiting checks run now, on that line.
    void leaveRow();
    // Another line became current.
    void changeRow();
    // Down on the last line, or Enter in its last cell: the waiting checks, then a new line.
    void reachEnd();
    // A key pressed in the grid, in `field`; `onGrid` when the grid itself has the focus (no cell
    // editor open). True when the key was taken here.
    bool pressKey(QKeyCombination key, const QString& field, bool onGrid);
    // A line's value changed: quantity, price and discount recompute the line and the bill.
    void fieldChanged(const QString& field);
    // Codes the scanner sent while a message was open: each goes into a line's product code as if
    // scanned there, on a new line when the current one already sells something.
    void enterHeldCodes(const QStringList& codes);
    // Saving is near: what is typed in the cell goes into the line and the waiting checks run.
    void finishTyping();

    // The checks of the current line's edited cells, in the order the cells were left. They run
    // once the grid has settled (checksWaiting), or at once when the cursor leaves the line; a
    // line no longer current (a new bill, a scan that opened the next line) drops them.
    void runWaitingChecks();
    bool hasWaitingChecks() const { return !m_checks.empty(); }

    // The pop-up's memo entry belongs to the name column.
    static bool offersMemo(const QString& field);

signals:
    // The first check is waiting: the grid calls runWaitingChecks once it has settled.
    void checksWaiting();
    // The cell editor's text goes into the line now.
    void editingToFinish();

private:
    void queueCheck(std::function<void()> check);
    void checkEditedCell(const QString& field);

    TFrPos& m_pos;
    std::vector<std::function<void()>> m_checks;
    int m_checksRow = -1;
};

} // namespace kvr::pos
