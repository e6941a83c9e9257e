#pragma once

#include "search/StockSearchStatements.h"
#include "search/TFrSearch.h"

namespace kvr::search {

// Products or services, by the sale screen's mode, of which several rows may be chosen at once;
// results() gives their codes in grid order.
class TFrSearchProductServiceMulSelect : public TFrSearch
{
    Q_OBJECT
public:
    TFrSearchProductServiceMulSelect(data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);

    // The sale screen's mode letter: "S" lists services, any other goods.
    void setPosType(const QString& posType);

protected:
    QStringList statement(const data::Dialect& dialect) override;
    void prepareSearch() override;

private:
    ProductKind m_kind = ProductKind::Goods;
};

} // namespace kvr::search
