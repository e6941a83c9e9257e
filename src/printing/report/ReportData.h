#pragma once

#include "printing/report/Layout.h"

#include <QHash>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace kvr::data {
class Connection;
}

namespace kvr::report {

// The rows of one data set, read whole: numbers as numbers and date columns as date-times on
// every backend, so that display pictures and functions see the same values everywhere.
struct DataTable
{
    QString name;
    QStringList columns;
    std::vector<QVector<QVariant>> rows;

    double sum(const QString& column) const;
};

// Runs the statements of a layout. Every ":Name" in a statement takes the variable of that name
// (compared upper-cased) as a bound value, never as text pasted into the statement; a parameter
// without a variable is an error naming the file and the data set.
class ReportData
{
public:
    // Variables by upper-cased name.
    static std::vector<DataTable> load(const Layout& layout, data::Connection& company, data::Connection* config,
                                       const QHash<QString, QVariant>& variables);
    static DataTable run(const DataSetSpec& spec, const QString& fileName, data::Connection& connection,
                         const QHash<QString, QVariant>& variables);
};

} // namespace kvr::report
