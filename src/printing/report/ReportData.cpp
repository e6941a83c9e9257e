#include "printing/report/ReportData.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Query.h"
#include "printing/report/ReportError.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace kvr::report {

namespace {

// SQLite keeps date-times as text in this form; the other backend hands them over as date-times.
QVariant normalised(const QVariant& value)
{
    if (value.typeId() != QMetaType::QString)
        return value;
    static const QRegularExpression dateTime(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}( \\d{2}:\\d{2}:\\d{2}(\\.\\d{1,3})?)?$"));
    const QString text = value.toString();
    if (!dateTime.match(text).hasMatch())
        return value;
    return data::Field(value).asDateTime();
}

} // namespace

double DataTable::sum(const QString& column) const
{
    const qsizetype index = columns.indexOf(column.toUpper());
    double total = 0;
    if (index < 0)
        return total;
    for (const auto& row : rows)
        total += row.at(index).toDouble();
    return total;
}

std::vector<DataTable> ReportData::load(const Layout& layout, data::Connection& company, data::Connection* config,
                                        const QHash<QString, QVariant>& variables)
{
    std::vector<DataTable> tables;
    for (const DataSetSpec& spec : layout.dataSets) {
        if (spec.onConfigDatabase && !config)
            throw ReportError(QStringLiteral("%1, line %2: data set %3 reads the configuration database, which this "
                                             "report has no connection to")
                                  .arg(layout.fileName)
                                  .arg(spec.sourceLine)
                                  .arg(spec.name));
        tables.push_back(run(spec, layout.fileName, spec.onConfigDatabase ? *config : company, variables));
    }
    return tables;
}

DataTable ReportData::run(const DataSetSpec& spec, const QString& fileName, data::Connection& connection,
                          const QHash<QString, QVariant>& variables)
{
    const data::TranslatedSql translated = data::translateNamedParameters(spec.sql);
    for (const QString& name : translated.placeholders) {
        if (!variables.contains(name.toUpper()))
            throw ReportError(QStringLiteral("%1, line %2: data set %3 asks for :%4, which is no variable of the "
                                             "report (%5)")
                                  .arg(fileName)
                                  .arg(spec.sourceLine)
                                  .arg(spec.name, name, QStringList(variables.keys()).join(QStringLiteral(", "))));
    }
    connection.open();
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    // Decimals as numbers: PostgreSQL would hand them over as text.
    query.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    // Classified by the dialect like any other statement, with the layout and data set named.
    const auto failed = [&](const QSqlError& error) {
        connection.fail(error, QStringLiteral("%1, data set %2:\n%3").arg(fileName, spec.name, spec.sql));
    };
    if (!query.prepare(translated.sql))
        failed(query.lastError());
    const data::Dialect& dialect = connection.dialect();
    for (int i = 0; i < translated.placeholders.size(); ++i)
        query.bindValue(i, dialect.bindValue(variables.value(translated.placeholders.at(i).toUpper())));
    if (!query.exec())
        failed(query.lastError());

    DataTable table;
    table.name = spec.name;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        table.columns << record.fieldName(i).toUpper();
    while (query.next()) {
        QVector<QVariant> row(record.count());
        for (int i = 0; i < record.count(); ++i)
            row[i] = normalised(query.value(i));
        table.rows.push_back(std::move(row));
    }
    // Releases SQLite's read snapshot at once, so other counters can write.
    query.finish();
    return table;
}

} // namespace kvr::report
