#include "search/TFrSearchCompanyBank.h"

#include "search/SearchStatements.h"

namespace kvr::search {

TFrSearchCompanyBank::TFrSearchCompanyBank(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : TFrSearch(dm, prompter, parent)
{
    setCaption(thai() ? QStringLiteral("ค้นหาธนาคารของกิจการ") : QStringLiteral("Search Company Bank"));
    setTableName(QStringLiteral("CompanyBank"));
    setKeyColumn(QStringLiteral("BankCode"));
    if (SearchCriterion* code = criterion(QStringLiteral("Code")))
        code->caption = thai() ? QStringLiteral("รหัสธนาคาร") : QStringLiteral("Bank code");
    addCriterion(QStringLiteral("Name"), QStringLiteral("ชื่อธนาคาร"), QStringLiteral("Bank name"));
    addColumn(QStringLiteral("BankCode"), 12, thai() ? QStringLiteral("รหัสธนาคาร") : QStringLiteral("Bank code"));
    addColumn(QStringLiteral("BankName"), 35, thai() ? QStringLiteral("ชื่อธนาคาร") : QStringLiteral("Bank name"));
    addColumn(QStringLiteral("AccountNo"), 15, thai() ? QStringLiteral("เลขที่บัญชี") : QStringLiteral("Account no."));
}

QStringList TFrSearchCompanyBank::statement(const data::Dialect& dialect)
{
    return statements::companyBankSearch(dialect);
}

void TFrSearchCompanyBank::prepareSearch()
{
    QSearch().setParam(QStringLiteral("GetCode"), startsWith(criterionText(QStringLiteral("Code"))));
    QSearch().setParam(QStringLiteral("GetName"), contains(criterionText(QStringLiteral("Name"))));
}

} // namespace kvr::search
