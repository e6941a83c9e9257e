#pragma once

#include "data/CachedDataset.h"
#include "ui/base/DataGridColumn.h"

#include <QKeyCombination>
#include <QObject>
#include <vector>

namespace kvr::data {
class Dialect;
class TDM;
} // namespace kvr::data
namespace kvr::ui {
class Prompter;
}

namespace kvr::search {

// One criterion field of a search dialog: a text, or a choice among fixed options.
struct SearchCriterion
{
    QString name;
    QString caption;
    QString text;
    bool upperCase = false;
    QStringList choices; // a drop-down when not empty; text holds the index chosen
    bool checkBox = false; // a check box; text "Y" when checked
    bool searchOnChange = false; // the result follows every change at once
};

// What every search dialog does, without its window: criteria at the top, a statement run
// on the company database, a read-only result below, and the Search, Choose and Cancel buttons
// with their keys. What the user types is always bound as a parameter value. Members of the
// family give their criteria, statement and columns.
class SearchScreen : public QObject
{
    Q_OBJECT
public:
    // Where the focus is when a key is pressed.
    enum class Where { Criteria, Grid, Other };
    enum class KeyOutcome { Ignored, Handled, Choose, Cancel };
    enum class Focus { Criteria, Grid, Cancel };
    // How a result row stands out: cancelled documents and inactive rows red, settled ones blue.
    enum class RowColour { Plain, Red, Blue };

    SearchScreen(data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);
    // A search of another database than the company's (the head office's customers).
    SearchScreen(data::TDM& dm, ui::Prompter& prompter, data::Connection& connection, QObject* parent = nullptr);

    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption) { m_caption = caption; }
    bool thai() const;
    QString searchCaption() const;
    QString okCaption() const;
    QString cancelCaption() const;
    QString moreCaption() const;
    // The buttons' font size; 0 keeps the dialog's own.
    int buttonFontSize() const { return thai() ? 0 : 8; }
    // Dialogs that list their rows on opening have no Search button.
    virtual bool hasSearchButton() const { return true; }
    // A hint under the grid (the row colours of document searches).
    virtual QString gridHint() const { return {}; }

    std::vector<SearchCriterion>& criteria() { return m_criteria; }
    SearchCriterion* criterion(const QString& name);
    void setCriterion(const QString& name, const QString& text);
    QString criterionText(const QString& name) const;

    data::CachedDataset& QSearch() { return m_qSearch; }
    const std::vector<ui::DataGridColumn>& columns() const { return m_columns; }
    // The column whose value a chosen row gives back.
    const QString& keyColumn() const { return m_keyColumn; }
    void setKeyColumn(const QString& column) { m_keyColumn = column; }
    bool isMultiSelect() const { return m_multiSelect; }
    bool isSearchEnabled() const { return m_searchEnabled; }

    // Each time the dialog opens: no result, the first criterion empty and focused.
    virtual void FormShow();
    // Runs the search with the criteria as they are now; the result holds the first page.
    void BtSearchClick();
    // No search lists more than a page of rows at once, however large the history: the next
    // page follows on request, after the rows already shown.
    int pageRows() const { return m_pageRows; }
    void setPageRows(int rows) { m_pageRows = qMax(1, rows); }
    // The last search or page filled all the rows it asked for, so more may follow.
    bool hasMoreRows() const { return m_qSearch.isOpen() && m_qSearch.recordCount() >= m_rowLimit; }
    // Lists the next page of the same search; the current row moves to its first row.
    void BtMoreClick();
    // Takes the current row (or the selected rows); false when the dialog stays open.
    virtual bool BtOkClick();
    KeyOutcome FormKeyDown(QKeyCombination key, Where where);
    // The rows picked in the grid, for dialogs that take several.
    void setSelectedRows(std::vector<int> rows) { m_selectedRows = std::move(rows); }

    // The key column of the chosen row; empty until a row is chosen.
    const QString& result() const { return m_result; }
    // The key column of every chosen row, in grid order.
    const QStringList& results() const { return m_results; }
    // Another column of the chosen row.
    data::Field chosen(const QString& column) const;

    virtual RowColour rowColour(int row) const;
    virtual void titleClick(const QString& field);
    virtual void gridMouseDown(int row, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

signals:
    void focusRequested(SearchScreen::Focus where);
    // A search or a further page has been listed.
    void rowsListed();

protected:
    // The statement's lines, asked once, on the first search (the connection opens then).
    virtual QStringList statement(const data::Dialect& dialect) = 0;
    // Before every search: binds the criteria to the statement's parameters and replaces the
    // lines that depend on them.
    virtual void prepareSearch() = 0;
    // The statement in place, built on first use, with the row limit of the page after it.
    void ensureStatement();
    // Opens the result with at most this many rows.
    void openLimited(int rows);
    void addCriterion(const QString& name, const QString& thaiCaption, const QString& englishCaption,
                      bool upperCase = false);
    void addColumn(const QString& field, int width, const QString& title, const QString& format = {});
    void addCheckCriterion(const QString& name, const QString& caption, bool checked);
    void setMultiSelect(bool on) { m_multiSelect = on; }
    void setFocusGridWhenFound(bool on) { m_focusGridWhenFound = on; }
    // Contains-match and starts-with patterns of a typed text, bound as values.
    static QString contains(const QString& text) { return QLatin1Char('%') + text.trimmed() + QLatin1Char('%'); }
    static QString startsWith(const QString& text) { return text.trimmed() + QLatin1Char('%'); }
    data::TDM& dm() { return m_dm; }
    ui::Prompter& prompter() { return m_prompter; }

private:
    data::TDM& m_dm;
    ui::Prompter& m_prompter;
    data::CachedDataset m_qSearch;
    QString m_caption;
    std::vector<SearchCriterion> m_criteria;
    std::vector<ui::DataGridColumn> m_columns;
    std::vector<int> m_selectedRows;
    QString m_keyColumn = QStringLiteral("Code");
    QString m_result;
    QStringList m_results;
    int m_chosenRow = -1;
    bool m_multiSelect = false;
    bool m_searchEnabled = true;
    bool m_focusGridWhenFound = true;
    bool m_built = false;
    int m_pageRows = 200;
    int m_rowLimit = 0;
};

} // namespace kvr::search
