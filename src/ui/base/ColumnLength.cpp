#include "ui/base/ColumnLength.h"

#include "data/CachedDataset.h"
#include "data/ColumnLimits.h"
#include "data/Connection.h"
#include "data/DbError.h"

#include <QLineEdit>

namespace kvr::ui {

namespace {

void applyLimit(QLineEdit* edit, int length)
{
    if (length > 0 && length < edit->maxLength())
        edit->setMaxLength(length);
}

} // namespace

void limitToColumn(QLineEdit* edit, data::Connection& connection, const QString& table, const QString& column)
{
    try {
        applyLimit(edit, connection.columnLimits().maxLength(table, column));
    } catch (const data::DbError&) {
        // Without the database the edit stays open-ended; the save still refuses what does not fit.
    }
}

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
