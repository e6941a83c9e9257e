#include "search/FrameStatements.h"

namespace kvr::search::statements {

data::LookupSource salesmen()
{
    return {QStringLiteral("Salesman")};
}

data::LookupSource warehouses()
{
    return {QStringLiteral("Warehouse")};
}

data::LookupSource customers()
{
    return {QStringLiteral("Customer")};
}

data::LookupSource miscCodes()
{
    return {QStringLiteral("MISC"), QStringLiteral("ID"), QStringLiteral("CODE"), QStringLiteral("Description")};
}

data::LookupSource companyBanks()
{
    return {QStringLiteral("CompanyBank"), QStringLiteral("Id"), QStringLiteral("BankCode"),
            QStringLiteral("BankName")};
}

QString activeSalesmen()
{
    return QStringLiteral("Status='Y'");
}

QString warehousesOfUser()
{
    return QStringLiteral("Id In (Select Warehouse From UserWarehouse Where UserName = :UserId)");
}

QString unblockedCustomers()
{
    return QStringLiteral("Blocked='N'");
}

QString miscGroup()
{
    return QStringLiteral("GroupCode = :GroupCode");
}

QString accountsInUse()
{
    return QStringLiteral("Coalesce(Blocked, 'N') <> 'Y'");
}

QStringList salesmanByCode()
{
    return {QStringLiteral("select id,code,name,surname,department,status,startdate,stopdate,"),
            QStringLiteral("       address1,address2,address3,province,zipcode,phoneno,faxno,"),
            QStringLiteral("       email"), QStringLiteral("from salesman"), QStringLiteral("where code=:getcode")};
}

QStringList customerByCode()
{
    // Outer joins: a branch or a blocked customer must be seen by the checks even without a
    // salesman or a tax code.
    return {QStringLiteral("SELECT C.Id, C.Code AS CustomerCode, C.Name, C.NameEng, C.HeadCode, C.Vendor, C.TaxNumber, "
                           "C.TaxCode, C.Address1, C.Address2, C.Address3,"),
            QStringLiteral("  C.Province, C.ZipCode, C.PhoneNo, C.FaxNo, C.OpenAccount, C.DueDays, C.CreditLimit,"),
            QStringLiteral(
                "  C.Transport, C.PriceLevel, C.DirectCus, C.LocalCustomer, C.DropCredit, C.Blocked, C.Salesman,"),
            QStringLiteral("  S.Code, T.Id TaxId, T.Code CodeTax, T.Rate TaxRate, S.Department, C.StoreCode,"),
            QStringLiteral("  C.DiscName1, C.DiscRate1, C.DiscName2, C.DiscRate2, C.DiscName3, C.DiscRate3"),
            QStringLiteral("FROM Customer C"),
            QStringLiteral("LEFT JOIN Salesman S ON (C.Salesman = S.Id)"),
            QStringLiteral("LEFT JOIN Tax T ON (T.Id = C.TaxCode)"),
            QStringLiteral("WHERE (C.Code = :GetCode)")};
}

QString taxList()
{
    return QStringLiteral("SELECT Id, Code, Rate FROM Tax ORDER BY Code");
}

} // namespace kvr::search::statements
