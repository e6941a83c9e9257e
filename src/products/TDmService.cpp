#include "products/TDmService.h"

#include "data/TDM.h"

namespace kvr::products {

// A null Blocked is not blocked, as for goods. Services hold no stock: one without a default
// warehouse is found all the same.
TDmService::TDmService(data::TDM& dm)
    : m_qService(
          dm.DMdata(),
          QStringLiteral("SELECT P.Id, P.Code, P.ThaiName, P.EngName, P.PosName, P.ProductType, P.UseSerial, "
                         "P.CheckSerialPurc, P.CheckSerialSale, P.CheckSerialStock, P.CheckSerialOnhand, P.LotControl, "
                         "P.TaxCode, P.DefaultWh, T.Rate AS TaxRate, P.Discount, W.Code AS WhCode, W.Name AS WhName, "
                         "P.PriceIE, P.PrintFrac FROM Product P INNER JOIN Tax T On (T.Id = P.TaxCode) "
                         "LEFT JOIN Warehouse W On (W.Id = P.DefaultWh) WHERE (P.Code = :GetCode) "
                         "AND (Coalesce(P.Blocked, 'N') <> 'Y') And (P.ProductType = 'S')"))
{ }

bool TDmService::ExistsService(const QString& code)
{
    m_qService.setParam(QStringLiteral("GetCode"), code);
    m_qService.open();
    return !m_qService.isEmpty();
}

} // namespace kvr::products
