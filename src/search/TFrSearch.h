#pragma once

#include "search/SearchScreen.h"

namespace kvr::search {

// The base of the document searches: a code field, cancelled rows in red and settled ones in
// blue, sorting by a click on a column title, a guard against choosing a cancelled document, and
// the purge of a cancelled document with Ctrl+Shift+right click.
class TFrSearch : public SearchScreen
{
    Q_OBJECT
public:
    TFrSearch(data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);

    // The table searched and, for documents, the document type; set by the caller.
    const QString& tableName() const { return m_tableName; }
    void setTableName(const QString& table) { m_tableName = table; }
    const QString& docType() const { return m_docType; }
    void setDocType(const QString& type) { m_docType = type; }

    QString gridHint() const override;
    bool BtOkClick() override;
    RowColour rowColour(int row) const override;
    void titleClick(const QString& field) override;
    void gridMouseDown(int row, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) override;

    // Deletes a cancelled document with its lines and other rows in one transaction; false
    // when the row is no longer a cancelled document (nothing is deleted then).
    bool purge(int id);

    // The sort state that all document searches of the run share.
    static const QString& lastSortField() { return s_lastSortField; }
    static bool sortToggle() { return s_descending; }
    // A new run starts unsorted.
    static void resetSortState();

private:
    static QString s_lastSortField;
    static bool s_descending;
    QString m_tableName;
    QString m_docType;
};

} // namespace kvr::search
