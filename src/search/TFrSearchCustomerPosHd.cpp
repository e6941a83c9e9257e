#include "search/TFrSearchCustomerPosHd.h"

#include "data/TDM.h"
#include "search/FullTaxSearchStatements.h"

namespace kvr::search {

namespace {

const QString kPhone = QStringLiteral("Phone");
const QString kName = QStringLiteral("Name");
const QString kCaption = QStringLiteral("ค้นหารายชื่อลูกค้าสำหรับออกใบกำกับภาษีอย่างเต็ม");

} // namespace

TFrSearchCustomerPosHd::TFrSearchCustomerPosHd(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : TFrSearchCustomerPosHd(dm, prompter, QStringLiteral("PosHd"), kCaption, parent)
{ }

TFrSearchCustomerPosHd::TFrSearchCustomerPosHd(data::TDM& dm, ui::Prompter& prompter, const QString& headerTable,
                                               const QString& caption, QObject* parent)
    : TFrSearch(dm, prompter, parent)
{
    setCaption(caption);
    setTableName(headerTable);
    setKeyColumn(QStringLiteral("customername"));
    // A buyer is searched by telephone and name, not by a code.
    criteria().clear();
    addCriterion(kPhone, QStringLiteral("ค้นโทรศัพท์"), QStringLiteral("Telephone"));
    addCriterion(kName, QStringLiteral("ค้นชื่อลูกค้า"), QStringLiteral("Customer name"), true);
    addColumn(QStringLiteral("customername"), 30, thai() ? QStringLiteral("ชื่อลูกค้า") : QStringLiteral("Customer"));
    addColumn(QStringLiteral("address"), 45, thai() ? QStringLiteral("ที่อยู่") : QStringLiteral("Address"));
    addColumn(QStringLiteral("shipphone"), 14, thai() ? QStringLiteral("โทรศัพท์") : QStringLiteral("Telephone"));
}

void TFrSearchCustomerPosHd::FormShow()
{
    for (SearchCriterion& c : criteria())
        c.text.clear();
    TFrSearch::FormShow();
}

QStringList TFrSearchCustomerPosHd::statement(const data::Dialect& dialect)
{
    return statements::buyerSearch(dialect, tableName());
}

void TFrSearchCustomerPosHd::prepareSearch()
{
    const QString phone = criterionText(kPhone).trimmed();
    const QString name = criterionText(kName).trimmed();
    const data::Dialect& dialect = QSearch().connection().dialect();
    using statements::BuyerSource;
    QSearch().setSlot(statements::kReceiptBuyers,
                      statements::buyerCondition(dialect, BuyerSource::Receipts, !phone.isEmpty(), !name.isEmpty()));
    QSearch().setSlot(statements::kCustomerBuyers,
                      statements::buyerCondition(dialect, BuyerSource::Customers, !phone.isEmpty(), !name.isEmpty()));
    // The typed text is always a value, never part of the statement.
    QSearch().setParam(QStringLiteral("GetPhone"), phone);
    QSearch().setParam(QStringLiteral("GetName"), statements::likeContains(name));
}

TFrSearchCustomerPosHeader::TFrSearchCustomerPosHeader(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : TFrSearchCustomerPosHd(dm, prompter, QStringLiteral("PosHeader"), kCaption + QLatin1Char('.'), parent)
{ }

} // namespace kvr::search
