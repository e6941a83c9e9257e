#pragma once

#include "data/stores/CodeTable.h"

#include <QStringList>

namespace kvr::search::statements {

// What the header frames read: the tables their codes resolve through, the conditions that
// decide which codes resolve, and the rows read when a code is left.

data::LookupSource salesmen();
data::LookupSource warehouses();
data::LookupSource customers();
data::LookupSource miscCodes();
data::LookupSource companyBanks();

// Salesmen still working.
QString activeSalesmen();
// Warehouses granted to :UserId.
QString warehousesOfUser();
// Customers that are not blocked.
QString unblockedCustomers();
// Codes of the Misc group :GroupCode.
QString miscGroup();
// Bank accounts in use: only "Y" blocks one.
QString accountsInUse();

// Every column of the salesman of :getcode.
QStringList salesmanByCode();
// The customer of :GetCode with what the owner takes from it: tax, salesman, discounts, prices.
QStringList customerByCode();
// The company's tax codes (Id, Code, Rate).
QString taxList();

} // namespace kvr::search::statements
