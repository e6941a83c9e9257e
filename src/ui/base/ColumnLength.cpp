#include "ui/base/ColumnLength.h"

#include "data/CachedDataset.h"
#include "data/ColumnLimits.h"
#include "data/Connection.h"
#include "data/DbError.h"

#include <QLineEdit>

namespace kvr::ui {

namespace {

// An edit with a smaller limit keeps it; a column of unknown length leaves the edit as it is.
void limitToColumn(QLineEdit* edit, data::Connection& connection, const QString& table, const QString& column)
{
    try {
        const int length = connection.columnLimits().maxLength(table, column);
        if (length > 0 && length < edit->maxLength())
            edit->setMaxLength(length);
    } catch (const data::DbError&) {
        // Without the database the edit stays open-ended; the save still refuses what does not fit.
    }
}

} // namespace

void limitToField(QLineEdit* edit, data::CachedDataset& dataset, const QString& field)
{
    for (const QStringList* sql : {&dataset.insertSql(), &dataset.modifySql()}) {
        const data::StatementTarget target = data::StatementTarget::of(sql->join(QLatin1Char('\n')));
        const QString column = target.columnOfParam.value(field.toUpper());
        if (!column.isEmpty()) {
            limitToColumn(edit, dataset.connection(), target.table, column);
            return;
        }
    }
}

} // namespace kvr::ui
