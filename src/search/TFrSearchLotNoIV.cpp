#include "search/TFrSearchLotNoIV.h"

#include "search/StockSearchStatements.h"

namespace kvr::search {

TFrSearchLotNoIV::TFrSearchLotNoIV(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : TFrSearchLotNo(dm, prompter, parent)
{
    setCaption(thai() ? QStringLiteral("ค้นหารหัส Lot สำหรับขาย") : QStringLiteral("Search Lot No. for Sale"));
}

QString TFrSearchLotNoIV::lotCondition() const
{
    return statements::lotsOfProduct();
}

void TFrSearchLotNoIV::prepareSearch()
{
    TFrSearchLotNo::prepareSearch();
    QSearch().setParam(QStringLiteral("ProductId"), m_productId);
}

} // namespace kvr::search
