#include "search/TFrSearchLotNoIV.h"

namespace kvr::search {

TFrSearchLotNoIV::TFrSearchLotNoIV(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : TFrSearchLotNo(dm, prompter, parent)
{
    setCaption(thai() ? QStringLiteral("ค้นหารหัส Lot สำหรับขาย") : QStringLiteral("Search Lot No. for Sale"));
}

QString TFrSearchLotNoIV::lotCondition() const
{
    return QStringLiteral("AND Id In (Select LotNo From mrdt Where Product = :ProductId "
                          "Union Select LotNo From MFGFinishDt Where Product = :ProductId)");
}

void TFrSearchLotNoIV::prepareSearch()
{
    TFrSearchLotNo::prepareSearch();
    QSearch().setParam(QStringLiteral("ProductId"), m_productId);
}

} // namespace kvr::search
