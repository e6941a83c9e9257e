#include "search/TFrSearchPosHeader.h"

#include "search/FullTaxSearchStatements.h"

namespace kvr::search {

TFrSearchPosHeader::TFrSearchPosHeader(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : BillSearch(dm, prompter, QStringLiteral("PosHeader"), parent)
{
    addBillColumns();
}

QStringList TFrSearchPosHeader::statement(const data::Dialect& dialect)
{
    Q_UNUSED(dialect);
    return statements::posHeaderSearch();
}

void TFrSearchPosHeader::prepareSearch()
{
    bindBillCriteria();
}

} // namespace kvr::search
