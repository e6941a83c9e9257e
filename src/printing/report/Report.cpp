#include "printing/report/Report.h"

#include "printing/report/LayoutReader.h"
#include "printing/report/PagePreparer.h"
#include "printing/report/ReportData.h"
#include "printing/report/ReportError.h"
#include "printing/report/ValueText.h"

#include <QFileInfo>

namespace kvr::report {

Report::Report(data::Connection& company, data::Connection* config)
    : m_company(company)
    , m_config(config)
{ }

Report::~Report() = default;

void Report::clear()
{
    m_script.reset();
    m_layout.reset();
    m_variables.clear();
    m_tables.clear();
    m_prepared = PreparedReport();
}

void Report::loadFromFile(const QString& path)
{
    clear();
    auto layout = std::make_unique<Layout>(LayoutReader::readFile(path));
    m_script = std::make_unique<ReportScript>(*layout);
    m_layout = std::move(layout);
    applyFunctions();
}

void Report::setVariable(const QString& name, const QVariant& value)
{
    m_variables.insert(name.toUpper(), value);
}

void Report::addFunctions(const QStringList& names, ReportScript::FunctionHandler handler)
{
    m_functions.emplace_back(names, handler);
    if (m_script)
        m_script->addFunctions(names, handler);
}

void Report::applyFunctions()
{
    m_script->addFunctions(formattingFunctionNames(), callFormattingFunction);
    for (const auto& [names, handler] : m_functions)
        m_script->addFunctions(names, handler);
}

bool Report::prepare()
{
    m_prepared = PreparedReport();
    if (!m_layout)
        return false;
    m_tables = ReportData::load(*m_layout, m_company, m_config, m_variables);
    for (auto it = m_variables.cbegin(); it != m_variables.cend(); ++it)
        m_script->setValue(it.key(), it.value());
    // Totals and counts over a whole data set, for footers.
    m_script->addFunctions({QStringLiteral("SUM"), QStringLiteral("COUNT")},
                           [this](const QString& name, const QVariantList& arguments) -> QVariant {
                               const QString set = arguments.value(0).toString();
                               for (const DataTable& table : m_tables) {
                                   if (table.name.compare(set, Qt::CaseInsensitive) != 0)
                                       continue;
                                   if (name == u"COUNT")
                                       return double(table.rows.size());
                                   return table.sum(arguments.value(1).toString());
                               }
                               throw ReportError(QStringLiteral("%1: there is no data set \"%2\"").arg(name, set));
                           });
    PagePreparer preparer(*m_layout, *m_script, m_tables);
    m_prepared = preparer.prepare(0);
    // PAGES is known only once the pages are laid out: a layout that prints it is laid out twice.
    if (m_layout->usesPageCount())
        m_prepared = preparer.prepare(int(m_prepared.pages.size()));
    m_prepared.title = QFileInfo(m_layout->fileName).completeBaseName();
    return !m_prepared.pages.empty();
}

} // namespace kvr::report
