#pragma once

#include "data/Query.h"

namespace kvr::pos {

// The VAT codes with their rates, read once and kept until forgotten (each bill reads them afresh).
class PosTaxStore
{
public:
    explicit PosTaxStore(data::Connection& connection);

    // The rate of that code; 0 for no code or an unknown one.
    double rateOf(int taxId);
    void forget() { m_taxes.close(); }

private:
    data::Query m_taxes;
};

} // namespace kvr::pos
