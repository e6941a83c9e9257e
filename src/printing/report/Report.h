#pragma once

#include "printing/report/Layout.h"
#include "printing/report/PreparedReport.h"
#include "printing/report/ReportData.h"
#include "printing/report/ReportScript.h"

#include <QHash>
#include <memory>

namespace kvr::data {
class Connection;
}

namespace kvr::report {

// The report engine as the print form uses it: clear, load a layout file, set variables,
// register functions, prepare the pages once, then hand them to a printer, a PDF file or the
// preview. Data sets run on the company connection (or the configuration one where the layout
// says so).
class Report
{
public:
    explicit Report(data::Connection& company, data::Connection* config = nullptr);
    ~Report();

    // Forgets the layout, its variables and its pages; registered functions stay.
    void clear();
    // Raises ReportError (naming the file) when it is not a layout of ours or has a mistake.
    void loadFromFile(const QString& path);
    bool isLoaded() const { return m_layout != nullptr; }
    const Layout& layout() const { return *m_layout; }

    void setVariable(const QString& name, const QVariant& value);
    QVariant variable(const QString& name) const { return m_variables.value(name.toUpper()); }
    // A user-function callback for these names (matched upper-cased), kept across loads.
    void addFunctions(const QStringList& names, ReportScript::FunctionHandler handler);

    // Runs the data sets and lays the pages out; true when there are pages to print.
    // Failures of the statements or expressions raise.
    bool prepare();
    const PreparedReport& prepared() const { return m_prepared; }

private:
    void applyFunctions();

    data::Connection& m_company;
    data::Connection* m_config;
    std::unique_ptr<Layout> m_layout;
    std::unique_ptr<ReportScript> m_script;
    QHash<QString, QVariant> m_variables;
    std::vector<std::pair<QStringList, ReportScript::FunctionHandler>> m_functions;
    std::vector<DataTable> m_tables;
    PreparedReport m_prepared;
};

} // namespace kvr::report
