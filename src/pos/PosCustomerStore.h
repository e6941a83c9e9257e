#pragma once

#include "data/Query.h"

#include <optional>

namespace kvr::pos {

// What a new bill takes from its customer: the customer's VAT code with its rate and salesman.
struct PosCustomer
{
    int id = 0;
    QVariant taxId;
    double taxRate = 0;
    QVariant salesman;
};

// How a customer's lines are priced: the price level and the customer's own discount text.
struct CustomerPricing
{
    int priceLevel = 0;
    QString discountText;
};

// The customers as the sale screen reads them.
class PosCustomerStore
{
public:
    explicit PosCustomerStore(data::Connection& connection);

    // The customer of that code, with a salesman and a VAT code; none otherwise.
    std::optional<PosCustomer> customerByCode(const QString& code);
    // Read once per customer: lines are priced one after another for the same one.
    CustomerPricing pricing(int customerId);

private:
    data::Query m_byCode;
    data::Query m_pricing;
};

} // namespace kvr::pos
