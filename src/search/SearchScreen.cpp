#include "search/SearchScreen.h"

#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "data/dialect/Dialect.h"
#include "ui/base/Prompter.h"
#include "util/Flags.h"

#include <algorithm>

namespace kvr::search {

namespace {

// The slot after every search statement that bounds its rows.
const QString kRowLimit = QStringLiteral("RowLimit");

} // namespace

SearchScreen::SearchScreen(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : QObject(parent)
    , m_dm(dm)
    , m_prompter(prompter)
    , m_qSearch(dm.DMdata())
{ }

SearchScreen::SearchScreen(data::TDM& dm, ui::Prompter& prompter, data::Connection& connection, QObject* parent)
    : QObject(parent)
    , m_dm(dm)
    , m_prompter(prompter)
    , m_qSearch(connection)
{ }

bool SearchScreen::thai() const
{
    return m_dm.config().session().ThaiLanguage;
}

QString SearchScreen::searchCaption() const
{
    return thai() ? QStringLiteral("ค้นหา") : QStringLiteral("Search");
}

QString SearchScreen::okCaption() const
{
    return thai() ? QStringLiteral("เลือก") : QStringLiteral("Choose");
}

QString SearchScreen::cancelCaption() const
{
    return thai() ? QStringLiteral("ไม่เลือก") : QStringLiteral("Cancel");
}

QString SearchScreen::moreCaption() const
{
    return thai() ? QStringLiteral("แสดงเพิ่ม") : QStringLiteral("More");
}

void SearchScreen::addCriterion(const QString& name, const QString& thaiCaption, const QString& englishCaption,
                                bool upperCase)
{
    SearchCriterion c;
    c.name = name;
    c.caption = thai() ? thaiCaption : englishCaption;
    c.upperCase = upperCase;
    m_criteria.push_back(std::move(c));
}

void SearchScreen::addCheckCriterion(const QString& name, const QString& caption, bool checked)
{
    SearchCriterion c;
    c.name = name;
    c.caption = caption;
    c.text = util::flagText(checked);
    c.checkBox = true;
    c.searchOnChange = true;
    m_criteria.push_back(std::move(c));
}

void SearchScreen::addColumn(const QString& field, int width, const QString& title, const QString& format)
{
    ui::DataGridColumn column;
    column.field = field;
    column.width = width;
    column.title = title;
    column.displayFormat = format;
    column.readOnly = true;
    column.editor = ui::CellEditorKind::None;
    m_columns.push_back(std::move(column));
}

SearchCriterion* SearchScreen::criterion(const QString& name)
{
    for (SearchCriterion& c : m_criteria) {
        if (c.name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

void SearchScreen::setCriterion(const QString& name, const QString& text)
{
    SearchCriterion* c = criterion(name);
    if (!c)
        return;
    const QString value = c->upperCase ? text.toUpper() : text;
    if (value == c->text)
        return;
    c->text = value;
    if (c->searchOnChange && m_qSearch.isOpen())
        BtSearchClick();
}

QString SearchScreen::criterionText(const QString& name) const
{
    for (const SearchCriterion& c : m_criteria) {
        if (c.name.compare(name, Qt::CaseInsensitive) == 0)
            return c.text;
    }
    return {};
}

void SearchScreen::ensureStatement()
{
    if (m_built)
        return;
    QStringList lines = statement(m_qSearch.connection().dialect());
    lines << data::Query::slotLine(kRowLimit);
    m_qSearch.setSqlLines(lines);
    m_built = true;
}

void SearchScreen::openLimited(int rows)
{
    m_rowLimit = rows;
    // A number of the program's own, never typed text.
    m_qSearch.setSlot(kRowLimit, m_qSearch.connection().dialect().limit(QString(), rows).trimmed());
    m_qSearch.open();
    emit rowsListed();
}

void SearchScreen::FormShow()
{
    m_qSearch.close();
    m_result.clear();
    m_results.clear();
    m_selectedRows.clear();
    m_chosenRow = -1;
    if (!m_criteria.empty() && m_criteria.front().choices.isEmpty() && !m_criteria.front().checkBox)
        m_criteria.front().text.clear();
    emit focusRequested(Focus::Criteria);
}

void SearchScreen::BtSearchClick()
{
    if (!m_searchEnabled)
        return;
    ensureStatement();
    prepareSearch();
    m_selectedRows.clear();
    openLimited(m_pageRows);
    if (m_focusGridWhenFound && !m_qSearch.isEmpty())
        emit focusRequested(Focus::Grid);
}

void SearchScreen::BtMoreClick()
{
    if (!hasMoreRows())
        return;
    const int shown = m_qSearch.recordCount();
    m_selectedRows.clear();
    openLimited(m_rowLimit + m_pageRows);
    if (shown < m_qSearch.recordCount())
        m_qSearch.setRecNo(shown);
    emit focusRequested(Focus::Grid);
}

bool SearchScreen::BtOkClick()
{
    if (!m_qSearch.isOpen() || m_qSearch.isEmpty() || m_qSearch.eof())
        return false;
    m_chosenRow = m_qSearch.recNo();
    m_result = m_qSearch.fieldAt(m_chosenRow, m_keyColumn).asString();
    m_results.clear();
    std::vector<int> rows = m_multiSelect ? m_selectedRows : std::vector<int>();
    if (rows.empty())
        rows.push_back(m_chosenRow);
    // In grid order, however they were picked.
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (const int row : rows) {
        if (row >= 0 && row < m_qSearch.recordCount())
            m_results << m_qSearch.fieldAt(row, m_keyColumn).asString();
    }
    return true;
}

data::Field SearchScreen::chosen(const QString& column) const
{
    if (m_chosenRow < 0 || m_chosenRow >= m_qSearch.recordCount())
        return data::Field();
    return m_qSearch.fieldAt(m_chosenRow, column);
}

SearchScreen::KeyOutcome SearchScreen::FormKeyDown(QKeyCombination key, Where where)
{
    if (key.keyboardModifiers() != Qt::NoModifier && key.keyboardModifiers() != Qt::KeypadModifier)
        return KeyOutcome::Ignored;
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (where == Where::Grid)
            return KeyOutcome::Choose;
        if (m_searchEnabled)
            BtSearchClick();
        return KeyOutcome::Handled;
    case Qt::Key_Escape:
        return KeyOutcome::Cancel;
    case Qt::Key_Down:
        if (where != Where::Criteria)
            return KeyOutcome::Ignored;
        emit focusRequested(Focus::Grid);
        return KeyOutcome::Handled;
    default:
        return KeyOutcome::Ignored;
    }
}

SearchScreen::RowColour SearchScreen::rowColour(int) const
{
    return RowColour::Plain;
}

void SearchScreen::titleClick(const QString&) { }

void SearchScreen::gridMouseDown(int, Qt::MouseButton, Qt::KeyboardModifiers) { }

} // namespace kvr::search
