#pragma once

#include "search/TFrSearchLotNo.h"

namespace kvr::search {

// The lots of one product that came into stock, by goods receipt or production: those a line
// of that product can be sold from.
class TFrSearchLotNoIV : public TFrSearchLotNo
{
    Q_OBJECT
public:
    TFrSearchLotNoIV(data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);

    void setProductId(int productId) { m_productId = productId; }

protected:
    void prepareSearch() override;
    QString lotCondition() const override;

private:
    int m_productId = 0;
};

} // namespace kvr::search
