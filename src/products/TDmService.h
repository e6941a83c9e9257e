#pragma once

#include "data/Query.h"

namespace kvr::data {
class TDM;
}

namespace kvr::products {

// Service products (ProductType 'S') for the sale screen's service mode.
class TDmService
{
public:
    explicit TDmService(data::TDM& dm);

    // True when an unblocked service has this code; its row stays readable in QService().
    bool ExistsService(const QString& code);
    const data::Query& QService() const { return m_qService; }

private:
    data::Query m_qService;
};

} // namespace kvr::products
