#pragma once

#include "data/Query.h"

#include <vector>

namespace kvr::data {
class TDM;
}

namespace kvr::products {

class QuantityTexts;

// What the two selection dialogs with stock list: the lots of a product with their balance, and
// the warehouses holding it. The dialogs show these rows and return the chosen code.
class OnHandChoices
{
public:
    struct Lot
    {
        QString code;
        QString name;
        int id = 0;
        double quantity = 0; // smallest units
        QString quantityText; // in the product's stock unit
    };
    struct Warehouse
    {
        QString code;
        QString name;
        double onHand = 0;
        double backOrderPo = 0;
        double backOrderSo = 0;
    };

    OnHandChoices(data::TDM& dm, QuantityTexts& texts);

    // Lots of the product in one balance year; warehouseId 0 for every warehouse; without showAll
    // only lots with a positive balance.
    std::vector<Lot> lots(int productId, int year, int warehouseId, bool showAll);
    // "ค้นหา Lot คงเหลือ", with " คลัง " and the warehouse's name when one is given.
    QString lotCaption(int warehouseId);
    // Warehouses (location 1) or storage locations (any other value) holding the product, from the
    // current stock; limited to the user's warehouses under restriction.
    std::vector<Warehouse> warehouses(int productId, int location, bool onlyWithStock);

    // The two statements and their per-call lines and values, shared with the selection dialogs.
    static QStringList lotStatement();
    static void bindLots(data::Query& query, int productId, int year, int warehouseId, bool showAll);
    static QStringList warehouseStatement();
    void bindWarehouses(data::Query& query, int productId, int location, bool onlyWithStock);

private:
    data::TDM& m_dm;
    QuantityTexts& m_texts;
    data::Query m_qLots;
    data::Query m_qWarehouseName;
    data::Query m_qWarehouses;
};

} // namespace kvr::products
