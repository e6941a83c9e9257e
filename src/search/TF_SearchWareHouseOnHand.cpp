#include "search/TF_SearchWareHouseOnHand.h"

#include "util/Flags.h"

namespace kvr::search {

TF_SearchWareHouseOnHand::TF_SearchWareHouseOnHand(data::TDM& dm, ui::Prompter& prompter,
                                                   products::QuantityTexts& texts, QObject* parent)
    : SearchScreen(dm, prompter, parent)
    , m_choices(dm, texts)
{
    setCaption(thai() ? QStringLiteral("ค้นหาคลังสินค้า") : QStringLiteral("Search Warehouse with ONHAND"));
    addCheckCriterion(kOnlyWithStock, QStringLiteral("แสดงเฉพาะคลังที่มีคงเหลือ"), true);
    const QString quantity = QStringLiteral("#,##0.##");
    addColumn(QStringLiteral("Code"), 12, QStringLiteral("รหัส"));
    addColumn(QStringLiteral("Onhand"), 12, QStringLiteral("คงเหลือ"), quantity);
    addColumn(QStringLiteral("BackOrderPo"), 12, QStringLiteral("ค้างรับ"), quantity);
    addColumn(QStringLiteral("BackOrderSo"), 12, QStringLiteral("ค้างส่ง"), quantity);
    addColumn(QStringLiteral("Name"), 30, QStringLiteral("ชื่อสินค้า"));
}

void TF_SearchWareHouseOnHand::setInputs(int productId, int location)
{
    m_productId = productId;
    m_location = location;
}

void TF_SearchWareHouseOnHand::FormShow()
{
    SearchScreen::FormShow();
    // Each opening starts with warehouses holding stock only.
    criterion(kOnlyWithStock)->text = util::flagText(true);
    BtSearchClick();
    if (QSearch().isEmpty())
        emit focusRequested(Focus::Cancel);
}

QStringList TF_SearchWareHouseOnHand::statement(const data::Dialect& dialect)
{
    Q_UNUSED(dialect);
    return products::OnHandChoices::warehouseStatement();
}

void TF_SearchWareHouseOnHand::prepareSearch()
{
    m_choices.bindWarehouses(QSearch(), m_productId, m_location, util::isFlagSet(criterionText(kOnlyWithStock)));
}

} // namespace kvr::search
