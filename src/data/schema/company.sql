-- Company database: documents, masters, prices and stock of one company.
-- Every statement is safe to run at every start. Column names keep the suite's spelling;
-- both backends fold unquoted names, so the mixed case is only for the reader.
-- Amounts, prices, rates and quantities are DECIMAL(19,4); ids of other rows are INTEGER.

-- ---------------------------------------------------------------- company settings

-- The company's one configuration row: running year and the switches of the counter screens.
CREATE TABLE IF NOT EXISTS Config (
    Id %IDENTITY%,
    RunYear INTEGER,
    MainCurrencyId INTEGER,
    LockPosDate CHAR(1),
    PosLockTax CHAR(1),
    POS_IE CHAR(1),
    DefaultTax INTEGER,
    POS_PriceType INTEGER,
    ProductPriceIE CHAR(1),
    UseSpecialDisc CHAR(1),
    SpecialDiscStr VARCHAR(50),
    SalePercentDisc CHAR(1),
    SalesByUnits CHAR(1),
    DisplayFraction CHAR(1),
    SearchProductNo INTEGER,
    SearchProductMethod INTEGER,
    ShowLastSearch CHAR(1),
    PosUseBarCode CHAR(1),
    ShowBackOrder CHAR(1),
    SearchWHShowStock CHAR(1),
    SearchLotShowStock CHAR(1),
    RequireDepartment CHAR(1),
    Pos1_PrintType CHAR(1),
    Pos1_PrintLine CHAR(1),
    PosFormTextNo INTEGER,
    PrintOldDocument CHAR(1),
    CheckUserWarehouseFlag CHAR(1),
    UnitLeft VARCHAR(10),
    UnitRight VARCHAR(10),
    OnhandDecimal INTEGER,
    UseCustomerLinkHead CHAR(1),
    MainServerIP VARCHAR(100),
    MainDbName VARCHAR(100),
    AutoGenGL CHAR(1)
)
/

-- Small code lists by group: currencies, provinces ('CITY'), departments, price levels, remarks.
CREATE TABLE IF NOT EXISTS Misc (
    Id %IDENTITY%,
    GroupCode %CODE(20)% NOT NULL,
    Code %CODE(20)% NOT NULL,
    Description VARCHAR(255),
    OrderNo INTEGER,
    Blocked CHAR(1) DEFAULT 'N'
)
/
CREATE UNIQUE INDEX IF NOT EXISTS IX_Misc_GroupCode_Code ON Misc (GroupCode, Code)
/

-- Exchange figures of a currency (a 'CURRENCY' Misc row) from a date on.
CREATE TABLE IF NOT EXISTS CurrencyEx (
    Id %IDENTITY%,
    Currency INTEGER NOT NULL,
    ExchangeDate %DATETIME% NOT NULL,
    PurcScrap DECIMAL(19,4),
    PurcPart DECIMAL(19,4),
    PurcRate DECIMAL(19,4),
    SaleScrap DECIMAL(19,4),
    SalePart DECIMAL(19,4),
    SaleRate DECIMAL(19,4)
)
/
CREATE INDEX IF NOT EXISTS IX_CurrencyEx_ExchangeDate ON CurrencyEx (ExchangeDate)
/
CREATE INDEX IF NOT EXISTS IX_CurrencyEx_Currency_ExchangeDate ON CurrencyEx (Currency, ExchangeDate)
/

-- Numbering series: one row per document type code and year; LastNo is advanced by NewDocumentNo.
CREATE TABLE IF NOT EXISTS DocumentNo (
    Id %IDENTITY%,
    Code %CODE(20)% NOT NULL,
    DocYear INTEGER NOT NULL,
    Description VARCHAR(200),
    Prefix VARCHAR(20),
    LastNo INTEGER DEFAULT 0,
    DocumentLength INTEGER,
    AutoRun CHAR(1),
    DocType VARCHAR(20)
)
/
CREATE UNIQUE INDEX IF NOT EXISTS IX_DocumentNo_Code_DocYear ON DocumentNo (Code, DocYear)
/

-- A document type code that draws its numbers from another type's series for a year.
CREATE TABLE IF NOT EXISTS DocNoConvert (
    Id %IDENTITY%,
    Code %CODE(20)% NOT NULL,
    DocYear INTEGER NOT NULL,
    DocumentNo INTEGER NOT NULL
)
/
CREATE UNIQUE INDEX IF NOT EXISTS IX_DocNoConvert_Code_DocYear ON DocNoConvert (Code, DocYear)
/

-- Twelve accounting periods of a year; a period locked 'Y' takes no more documents.
CREATE TABLE IF NOT EXISTS accountperiod (
    Id %IDENTITY%,
    accountyear INTEGER NOT NULL,
    Start1 %DATETIME%,
    Stop1 %DATETIME%,
    Lock1 CHAR(1),
    Start2 %DATETIME%,
    Stop2 %DATETIME%,
    Lock2 CHAR(1),
    Start3 %DATETIME%,
    Stop3 %DATETIME%,
    Lock3 CHAR(1),
    Start4 %DATETIME%,
    Stop4 %DATETIME%,
    Lock4 CHAR(1),
    Start5 %DATETIME%,
    Stop5 %DATETIME%,
    Lock5 CHAR(1),
    Start6 %DATETIME%,
    Stop6 %DATETIME%,
    Lock6 CHAR(1),
    Start7 %DATETIME%,
    Stop7 %DATETIME%,
    Lock7 CHAR(1),
    Start8 %DATETIME%,
    Stop8 %DATETIME%,
    Lock8 CHAR(1),
    Start9 %DATETIME%,
    Stop9 %DATETIME%,
    Lock9 CHAR(1),
    Start10 %DATETIME%,
    Stop10 %DATETIME%,
    Lock10 CHAR(1),
    Start11 %DATETIME%,
    Stop11 %DATETIME%,
    Lock11 CHAR(1),
    Start12 %DATETIME%,
    Stop12 %DATETIME%,
    Lock12 CHAR(1)
)
/
CREATE UNIQUE INDEX IF NOT EXISTS IX_accountperiod_accountyear ON accountperiod (accountyear)
/

-- Who did what to which document: saves, cancellations, shifts, prints, previews (UserAddLog).
CREATE TABLE IF NOT EXISTS UserLog (
    Id %IDENTITY%,
    LogDate %DATETIME% NOT NULL,
    UserId INTEGER,
    MenuId INTEGER,
    FunctionListId INTEGER,
    DocumentId INTEGER,
    Remark VARCHAR(255)
)
/
CREATE INDEX IF NOT EXISTS IX_UserLog_LogDate ON UserLog (LogDate)
/
CREATE INDEX IF NOT EXISTS IX_UserLog_DocumentId ON UserLog (DocumentId)
/

-- Print layouts per print code; a layout may name a procedure that prepares its data.
CREATE TABLE IF NOT EXISTS SystemForm (
    Id %IDENTITY%,
    FormCode %CODE(20)% NOT NULL,
    FormOrderNo INTEGER,
    FormDesc VARCHAR(200),
    FrfName VARCHAR(255),
    SpName VARCHAR(100),
    DocCode VARCHAR(20),
    DocParaName VARCHAR(100),
    ShowPrintPreview CHAR(1) DEFAULT 'N'
)
/
CREATE INDEX IF NOT EXISTS IX_SystemForm_FormCode_FormOrderNo ON SystemForm (FormCode, FormOrderNo)
/

-- One-row table for scratch records that select constants.
CREATE TABLE IF NOT EXISTS NullTable (
    Id %IDENTITY%
)
/
-- Its single row: a select from an empty table would yield no scratch record at all.
INSERT INTO NullTable (Id) SELECT 1 WHERE NOT EXISTS (SELECT Id FROM NullTable)
/

-- ---------------------------------------------------------------- masters

-- VAT codes and their percentages.
CREATE TABLE IF NOT EXISTS Tax (
    Id %IDENTITY%,
    Code %CODE(10)% NOT NULL,
    Description VARCHAR(100),
    Rate DECIMAL(19,4) DEFAULT 0
)
/
CREATE UNIQUE INDEX IF NOT EXISTS IX_Tax_Code ON Tax (Code)
/

-- Warehouses and storage locations.
CREATE TABLE IF NOT EXISTS Warehouse (
    Id %IDENTITY%,
    Code %CODE(20)% NOT NULL,
    Name VARCHAR(200),
    islocation CHAR(1),
    flagin CHAR(1),
    flagout CHAR(1)
)
/
CREATE UNIQUE INDEX IF NOT EXISTS IX_Warehouse_Code ON Warehouse (Code)
/

-- Warehouses a user (configuration database user id) may use when restriction is on.
CREATE TABLE IF NOT EXISTS UserWarehouse (
    Id %IDENTITY%,
    UserName INTEGER NOT NULL,
    Warehouse INTEGER NOT NULL
)
/
CREATE INDEX IF NOT EXISTS IX_UserWarehouse_UserName_Warehouse ON UserWarehouse (UserName, Warehouse)
/

-- Salesmen; Status 'N' marks one who may no longer be chosen.
CREATE TABLE IF NOT EXISTS Salesman (
    Id %IDENTITY%,
    Code %CODE(20)% NOT NULL,
    Name VARCHAR(100),
    SurName VARCHAR(100),
    Department INTEGER,
    Status CHAR(1),
    StartDate %DATETIME%,
    StopDate %DATETIME%,
    Address1 VARCHAR(200),
    Address2 VARCHAR(200),
    Address3 VARCHAR(200),
    Province INTEGER,
    ZipCode VARCHAR(10),
    PhoneNo VARCHAR(50),
    FaxNo VARCHAR(50),
    Email VARCHAR(100)
)
/
CREATE UNIQUE INDEX IF NOT EXISTS IX_Salesman_Code ON Salesman (Code)
/

-- Customer groups.
CREATE TABLE IF NOT EXISTS CustomerGroup (
    Id %IDENTITY%,
    Code %CODE(20)% NOT NULL,
    Name VARCHAR(200)
)
/
CREATE UNIQUE INDEX IF NOT EXISTS IX_CustomerGroup_Code ON CustomerGroup (Code)
/

-- Customers and members; a row with StoreCode is one of the company's branches.
CREATE TABLE IF NOT EXISTS Customer (
    Id %IDENTITY%,
    Code %CODE(20)% NOT NULL,
    CustomerGroup INTEGER,
    HeadCode VARCHAR(20),
    Vendor INTEGER,
    Name VARCHAR(200),
    NameEng VARCHAR(200),
    NameShort VARCHAR(100),
    TaxNumber VARCHAR(20),
    TaxCode INTEGER,
    Address1 VARCHAR(200),
    Address2 VARCHAR(200),
    Address3 VARCHAR(200),
    Province INTEGER,
    ZipCode VARCHAR(10),
    PhoneNo VARCHAR(50),
    FaxNo VARCHAR(50),
    Email VARCHAR(100),
    Website VARCHAR(100),
    OpenAccount CHAR(1),
    DueDays INTEGER,
    CreditLimit DECIMAL(19,4),
    Salesman INTEGER,
    Transport INTEGER,
    PriceLevel INTEGER,
    DirectCus CHAR(1),
    LocalCustomer CHAR(1),
    DropCredit CHAR(1),
    Blocked CHAR(1) DEFAULT 'N',
    Remark VARCHAR(255),
    Picture %BLOB%,
    PictureMap %BLOB%,
    Barcode VARCHAR(50),
    BarCodeId INTEGER,
    AddDate %DATETIME%,
    Currency INTEGER,
    fob VARCHAR(50),
    statementperiod VARCHAR(50),
    billperiod VARCHAR(50),
    chqperiod VARCHAR(50),
    DiscountStr VARCHAR(50),
    DistanceKm DECIMAL(19,4),
    DistanceCost DECIMAL(19,4),
    DiscName1 VARCHAR(100),
    DiscRate1 DECIMAL(19,4),
    DiscName2 VARCHAR(100),
    DiscRate2 DECIMAL(19,4),
    DiscName3 VARCHAR(100),
    DiscRate3 DECIMAL(19,4),
    CustomerOther VARCHAR(255),
    BranchHead CHAR(1),
    BranchCode VARCHAR(10),
    Zone VARCHAR(20),
    StoreCode VARCHAR(20)
)
/
CREATE UNIQUE INDEX IF NOT EXISTS IX_Customer_Code ON Customer (Code)
/
-- A buyer of a full tax invoice is looked up by telephone in the customer master too.
CREATE INDEX IF NOT EXISTS IX_Customer_TrimPhone ON Customer (ltrim(rtrim(PhoneNo)))
/

-- Attribute codes given to a customer (searched by code range).
CREATE TABLE IF NOT EXISTS CustomerAttribute (
    Id %IDENTITY%,
    Customer INTEGER NOT NULL,
    GroupCode %CODE(20)%
)
/
CREATE INDEX IF NOT EXISTS IX_CustomerAttribute_Customer ON CustomerAttribute (Customer)
/
CREATE INDEX IF NOT EXISTS IX_CustomerAttribute_GroupCode ON CustomerAttribute (GroupCode)
/

-- Vendors; VendorCurrency is a 'CURRENCY' Misc row that picks the unit's purchase price column.
CREATE TABLE IF NOT EXISTS vendor (
    Id %IDENTITY%,
    Code %CODE(20)% NOT NULL,
    Name VARCHAR(200),
    VendorCurrency INTEGER
)
/
CREATE UNIQUE INDEX IF NOT EXISTS IX_vendor_Code ON vendor (Code)
/

-- The company's own bank accounts that receive transfers.
CREATE TABLE IF NOT EXISTS CompanyBank (
    Id %IDENTITY%,
    BankCode %CODE(20)% NOT NULL,
    BankName VARCHAR(200),
    AccountNo VARCHAR(30),
    Blocked CHAR(1) DEFAULT 'N'
)
/
CREATE UNIQUE INDEX IF NOT EXISTS IX_CompanyBank_BankCode ON CompanyBank (BankCode)
/

-- Credit card types with their default surcharge percentage.
CREATE TABLE IF NOT EXISTS CreditCard (
    Id %IDENTITY%,
    CardCode %CODE(20)% NOT NULL,
    CardName VARCHAR(100),
    Charge DECIMAL(19,4) DEFAULT 0
)
/
CREATE UNIQUE INDEX IF NOT EXISTS IX_CreditCard_CardCode ON CreditCard (CardCode)
/

-- Coins and notes counted into a shift's float; Fraction is the face value.
CREATE TABLE IF NOT EXISTS Coin (
    Id %IDENTITY%,
    Description VARCHAR(100),
    Fraction DECIMAL(19,4) NOT NULL
)
/

-- ---------------------------------------------------------------- products

-- Products and services (ProductType 'S'); Code is what the cashier types.
CREATE TABLE IF NOT EXISTS Product (
    Id %IDENTITY%,
    Code %CODE(30)% NOT NULL,
    ThaiName VARCHAR(200),
    EngName VARCHAR(200),
    PosName VARCHAR(100),
    ProductType VARCHAR(10),
    ItemClassify VARCHAR(20),
    BuyingCode VARCHAR(30),
    TaxCode INTEGER,
    DefaultWh INTEGER,
    PriceIE CHAR(1),
    PrintFrac CHAR(1),
    Discount DECIMAL(19,4),
    PerDiscountOver DECIMAL(19,4),
    CostMoving DECIMAL(19,4),
    UseSerial CHAR(1),
    CheckSerialPurc CHAR(1),
    CheckSerialSale CHAR(1),
    CheckSerialStock CHAR(1),
    CheckSerialOnhand CHAR(1),
    LotControl CHAR(1),
    Negative CHAR(1),
    ProductFree CHAR(1),
    PriceByVolumn CHAR(1),
    VolumnUnit VARCHAR(20),
    Size_W DECIMAL(19,4),
    Size_L DECIMAL(19,4),
    Size_H DECIMAL(19,4),
    CartonsUnits DECIMAL(19,4),
    Cartons DECIMAL(19,4),
    NetWeight DECIMAL(19,4),
    GrossWeight DECIMAL(19,4),
    ProductDesc VARCHAR(255),
    MasterCode CHAR(1),
    Blocked CHAR(1) DEFAULT 'N'
)
/
CREATE UNIQUE INDEX IF NOT EXISTS IX_Product_Code ON Product (Code)
/

-- Alternative product names shown on the counter when the special-name search is configured.
CREATE TABLE IF NOT EXISTS ProductView (
    Id %IDENTITY%,
    Code %CODE(30)% NOT NULL,
    ThaiName VARCHAR(200),
    Remark VARCHAR(255),
    ProductType VARCHAR(10),
    Picture1 %BLOB%,
    Blocked CHAR(1) DEFAULT 'N'
)
/
CREATE INDEX IF NOT EXISTS IX_ProductView_Code ON ProductView (Code)
/

-- Units of a product; Fraction counts the product's smallest units in one of this unit.
-- Role flags default to 'N': unit searches match the roles they do not ask for with LIKE '%'.
CREATE TABLE IF NOT EXISTS ProductUnits (
    Id %IDENTITY%,
    Product INTEGER NOT NULL,
    UnitName %CODE(30)% NOT NULL,
    Fraction DECIMAL(19,4) NOT NULL,
    VolumnFraction DECIMAL(19,4),
    BarCode VARCHAR(50),
    PurcPrice DECIMAL(19,4),
    PurcPriceKip DECIMAL(19,4),
    PurcPriceUsd DECIMAL(19,4),
    PurcPriceBaht DECIMAL(19,4),
    LabourCost DECIMAL(19,4),
    SaleFlag CHAR(1) DEFAULT 'N',
    PurcFlag CHAR(1) DEFAULT 'N',
    StockUnitFlag CHAR(1) DEFAULT 'N',
    SmallUnitFlag CHAR(1) DEFAULT 'N'
)
/
CREATE INDEX IF NOT EXISTS IX_ProductUnits_Product_UnitName ON ProductUnits (Product, UnitName)
/
CREATE INDEX IF NOT EXISTS IX_ProductUnits_BarCode ON ProductUnits (BarCode)
/

-- Long descriptions offered for product lines.
CREATE TABLE IF NOT EXISTS ProductMemo (
    Id %IDENTITY%,
    Code %CODE(30)% NOT NULL,
    Description VARCHAR(255)
)
/
CREATE INDEX IF NOT EXISTS IX_ProductMemo_Code ON ProductMemo (Code)
/

-- Product attribute codes by attribute group.
CREATE TABLE IF NOT EXISTS ProdAttrCode (
    Id %IDENTITY%,
    GroupId INTEGER NOT NULL,
    Code %CODE(30)% NOT NULL,
    Description VARCHAR(200)
)
/
CREATE INDEX IF NOT EXISTS IX_ProdAttrCode_GroupId_Code ON ProdAttrCode (GroupId, Code)
/

-- Item codes of a project.
CREATE TABLE IF NOT EXISTS projectitemhd (
    Id %IDENTITY%,
    Project INTEGER NOT NULL,
    Code %CODE(30)% NOT NULL,
    Description VARCHAR(200)
)
/
CREATE INDEX IF NOT EXISTS IX_projectitemhd_Project_Code ON projectitemhd (Project, Code)
/

-- Lots; a lot with HasExpired other than 'N' is refused after its ExpiredDate.
CREATE TABLE IF NOT EXISTS LotNo (
    Id %IDENTITY%,
    Code %CODE(30)% NOT NULL,
    Description VARCHAR(200),
    HasExpired CHAR(1) DEFAULT 'N',
    ExpiredDate %DATETIME%
)
/
CREATE INDEX IF NOT EXISTS IX_LotNo_Code ON LotNo (Code)
/

-- Serial numbers of serial-controlled products; OnHand 'Y' while the piece is in stock.
CREATE TABLE IF NOT EXISTS SerialNo (
    Id %IDENTITY%,
    Product INTEGER NOT NULL,
    Serial %CODE(50)% NOT NULL,
    OnHand CHAR(1)
)
/
CREATE UNIQUE INDEX IF NOT EXISTS IX_SerialNo_Product_Serial ON SerialNo (Product, Serial)
/

-- ---------------------------------------------------------------- prices and promotions

-- List price of a product unit at a price level (a 'PRICETYPE' Misc row).
CREATE TABLE IF NOT EXISTS ProductPrice (
    Id %IDENTITY%,
    Product INTEGER NOT NULL,
    ProductUnits INTEGER NOT NULL,
    PriceType INTEGER NOT NULL,
    Price DECIMAL(19,4) DEFAULT 0
)
/
CREATE UNIQUE INDEX IF NOT EXISTS IX_ProductPrice_Product_ProductUnits_PriceType ON ProductPrice (Product, ProductUnits, PriceType)
/

-- A customer's own price and discount text for a product unit.
CREATE TABLE IF NOT EXISTS customerproductprice (
    Id %IDENTITY%,
    customer INTEGER NOT NULL,
    product INTEGER NOT NULL,
    productunits INTEGER NOT NULL,
    price DECIMAL(19,4),
    quantity DECIMAL(19,4),
    discount VARCHAR(50)
)
/
CREATE INDEX IF NOT EXISTS IX_customerproductprice_customer_product_productunits ON customerproductprice (customer, product, productunits)
/

-- A customer's price for a product unit within one project.
CREATE TABLE IF NOT EXISTS CustomerProductPriceProject (
    Id %IDENTITY%,
    product INTEGER NOT NULL,
    productunits INTEGER NOT NULL,
    customer INTEGER NOT NULL,
    project INTEGER NOT NULL,
    price DECIMAL(19,4),
    discount VARCHAR(50)
)
/
CREATE INDEX IF NOT EXISTS IX_CustomerProductPriceProject_product_productunits_customer ON CustomerProductPriceProject (product, productunits, customer, project)
/

-- Dated promotion prices; customer 0 means every customer, the highest id wins an overlap.
CREATE TABLE IF NOT EXISTS promotion_dt (
    id %IDENTITY%,
    product INTEGER NOT NULL,
    productunits INTEGER NOT NULL,
    pricetype INTEGER NOT NULL,
    customer INTEGER DEFAULT 0 NOT NULL,
    startdate %DATETIME% NOT NULL,
    stopdate %DATETIME% NOT NULL,
    price DECIMAL(19,4),
    discpercent VARCHAR(50)
)
/
CREATE INDEX IF NOT EXISTS IX_promotion_dt_product_productunits_pricetype_customer ON promotion_dt (product, productunits, pricetype, customer, startdate, stopdate)
/

-- Vendors' purchase codes and prices for a product unit.
CREATE TABLE IF NOT EXISTS PartSource (
    Id %IDENTITY%,
    Product INTEGER NOT NULL,
    Vendor INTEGER NOT NULL,
    ProductUnits INTEGER NOT NULL,
    Price DECIMAL(19,4),
    PurchaseCode %CODE(30)%,
    PurchaseName VARCHAR(200),
    DiscountStr VARCHAR(50),
    lastprice DECIMAL(19,4),
    lastdoccode VARCHAR(20),
    lastdocno VARCHAR(30),
    lastdate %DATETIME%
)
/
CREATE INDEX IF NOT EXISTS IX_PartSource_Product_Vendor_ProductUnits ON PartSource (Product, Vendor, ProductUnits)
/
CREATE INDEX IF NOT EXISTS IX_PartSource_ProductUnits_Vendor ON PartSource (ProductUnits, Vendor)
/
CREATE INDEX IF NOT EXISTS IX_PartSource_Vendor_PurchaseCode ON PartSource (Vendor, PurchaseCode)
/

-- ---------------------------------------------------------------- stock

-- Stock balance per product, unit row, warehouse and year, in smallest units.
CREATE TABLE IF NOT EXISTS ProductOnHand (
    Id %IDENTITY%,
    Product INTEGER NOT NULL,
    ProductUnits INTEGER NOT NULL,
    Warehouse INTEGER NOT NULL,
    BalanceYear INTEGER NOT NULL,
    Quantity DECIMAL(19,4) DEFAULT 0 NOT NULL
)
/
CREATE INDEX IF NOT EXISTS IX_ProductOnHand_Product_BalanceYear_Warehouse ON ProductOnHand (Product, BalanceYear, Warehouse)
/
CREATE INDEX IF NOT EXISTS IX_ProductOnHand_Product_ProductUnits_Warehouse_BalanceYear ON ProductOnHand (Product, ProductUnits, Warehouse, BalanceYear)
/

-- Stock balance of a lot per product, warehouse and year, in smallest units.
CREATE TABLE IF NOT EXISTS LotOnHand (
    Id %IDENTITY%,
    Product INTEGER NOT NULL,
    LotNo INTEGER NOT NULL,
    Warehouse INTEGER NOT NULL,
    BalanceYear INTEGER NOT NULL,
    Quantity DECIMAL(19,4) DEFAULT 0 NOT NULL
)
/
CREATE INDEX IF NOT EXISTS IX_LotOnHand_Product_LotNo_Warehouse_BalanceYear ON LotOnHand (Product, LotNo, Warehouse, BalanceYear)
/
CREATE INDEX IF NOT EXISTS IX_LotOnHand_Product_BalanceYear ON LotOnHand (Product, BalanceYear)
/

-- Current stock per product and warehouse with what open purchase and sales orders still move;
-- kept by the back office's stock posting.
CREATE TABLE IF NOT EXISTS view_currentstock (
    Id %IDENTITY%,
    Product INTEGER NOT NULL,
    Warehouse INTEGER NOT NULL,
    Onhand DECIMAL(19,4),
    OnhandQnty DECIMAL(19,4),
    WaitPO DECIMAL(19,4),
    WaitSO DECIMAL(19,4)
)
/
CREATE INDEX IF NOT EXISTS IX_view_currentstock_Product_Warehouse ON view_currentstock (Product, Warehouse)
/

-- ---------------------------------------------------------------- POS machines and shifts

-- Registered counters with their default salesman, warehouse, department and devices.
CREATE TABLE IF NOT EXISTS PosMachineNo (
    Id %IDENTITY%,
    MachineCode %CODE(20)% NOT NULL,
    Location VARCHAR(100),
    Blocked CHAR(1) DEFAULT 'N',
    Remark VARCHAR(255),
    PrinterName VARCHAR(100),
    PrinterCode VARCHAR(10),
    WareHouse INTEGER,
    Salesman INTEGER,
    Department INTEGER,
    CashDrawer VARCHAR(20),
    BaudRate INTEGER,
    PosDisplayHello1 VARCHAR(20),
    PosDisplayHello2 VARCHAR(20),
    PosDisplayBaudRate INTEGER,
    PosDisplayComport VARCHAR(20)
)
/
CREATE UNIQUE INDEX IF NOT EXISTS IX_PosMachineNo_MachineCode ON PosMachineNo (MachineCode)
/
CREATE INDEX IF NOT EXISTS IX_PosMachineNo_Location ON PosMachineNo (Location)
/

-- Cashier shifts, known to the user by date, machine and shift number; closed elsewhere.
CREATE TABLE IF NOT EXISTS PosShiftNo (
    Id %IDENTITY%,
    ShiftDate %DATETIME% NOT NULL,
    ShiftNo INTEGER NOT NULL,
    PosMachineNo INTEGER NOT NULL,
    OpenTime %DATETIME%,
    OpenMoney DECIMAL(19,4),
    Closed CHAR(1) DEFAULT 'N',
    CloseTime %DATETIME%,
    CloseMoney DECIMAL(19,4),
    SaleAmount DECIMAL(19,4)
)
/
-- One shift per date, machine and number: two counters opening the same new shift at once end
-- with one row, the second one writing its count into the row that won.
DROP INDEX IF EXISTS IX_PosShiftNo_PosMachineNo_ShiftDate_ShiftNo
/
CREATE UNIQUE INDEX IF NOT EXISTS IX_PosShiftNo_ShiftDate_PosMachineNo_ShiftNo ON PosShiftNo (ShiftDate, PosMachineNo, ShiftNo)
/

-- Opening float of a shift, one row per coin or note; Quantity is a count of pieces.
CREATE TABLE IF NOT EXISTS PosShiftMoney (
    Id %IDENTITY%,
    PosShiftNo INTEGER NOT NULL,
    Closed CHAR(1) DEFAULT 'N',
    Coin INTEGER NOT NULL,
    Quantity INTEGER DEFAULT 0,
    Amount DECIMAL(19,4) DEFAULT 0
)
/
CREATE INDEX IF NOT EXISTS IX_PosShiftMoney_PosShiftNo ON PosShiftMoney (PosShiftNo)
/

-- ---------------------------------------------------------------- POS bills

-- POS bill header (abbreviated tax receipt). PosNo is stored right-aligned to the series' length
-- and unique only within a document type and year, so lookups also give PosType.
CREATE TABLE IF NOT EXISTS PosHd (
    Id %IDENTITY%,
    DelFlag CHAR(1) DEFAULT 'N',
    DelRemark VARCHAR(255),
    PosType CHAR(1),
    PsNo VARCHAR(20),
    PosShiftNo INTEGER,
    PosNo VARCHAR(20),
    PosDate %DATETIME%,
    Department INTEGER,
    Project INTEGER,
    Customer INTEGER,
    Salesman INTEGER,
    Warehouse INTEGER,
    TaxCode INTEGER,
    TaxRate DECIMAL(19,4),
    Price_IE CHAR(1),
    NoTaxAmt DECIMAL(19,4),
    TaxAmt DECIMAL(19,4),
    TaxTotal DECIMAL(19,4),
    Total DECIMAL(19,4),
    DiscName1 VARCHAR(100),
    DiscName2 VARCHAR(100),
    DiscName3 VARCHAR(100),
    DiscRate1 DECIMAL(19,4),
    DiscRate2 DECIMAL(19,4),
    DiscRate3 DECIMAL(19,4),
    DiscAmt1 DECIMAL(19,4),
    DiscAmt2 DECIMAL(19,4),
    DiscAmt3 DECIMAL(19,4),
    Posted CHAR(1) DEFAULT 'N',
    Cash DECIMAL(19,4),
    CardAmount DECIMAL(19,4),
    Coupon DECIMAL(19,4),
    BankAmount DECIMAL(19,4),
    Transfer CHAR(1) DEFAULT 'N',
    Change DECIMAL(19,4),
    CompanyBank INTEGER,
    PosPrintDateTime %DATETIME%,
    Imported CHAR(1) DEFAULT 'N',
    Remark VARCHAR(255),
    ShipAddr1 VARCHAR(200),
    ShipAddr2 VARCHAR(200),
    ShipAddr3 VARCHAR(200),
    ShipProvince INTEGER,
    ShipZipCode VARCHAR(10),
    ShipPhone VARCHAR(50),
    Printed CHAR(1) DEFAULT 'N',
    ShiftClose CHAR(1) DEFAULT 'N',
    CurrencyId INTEGER,
    Rate DECIMAL(19,4),
    Scrap DECIMAL(19,4),
    Part DECIMAL(19,4),
    FullTaxNo VARCHAR(20),
    CustomerName VARCHAR(200),
    TaxCustomer VARCHAR(20),
    BranchHead CHAR(1),
    BranchCode VARCHAR(10)
)
/
CREATE INDEX IF NOT EXISTS IX_PosHd_PosNo_PosType ON PosHd (PosNo, PosType)
/
-- Bill numbers are looked up trimmed.
CREATE INDEX IF NOT EXISTS IX_PosHd_TrimPosNo ON PosHd (ltrim(rtrim(PosNo)))
/
CREATE INDEX IF NOT EXISTS IX_PosHd_PosDate ON PosHd (PosDate)
/
CREATE INDEX IF NOT EXISTS IX_PosHd_PosShiftNo ON PosHd (PosShiftNo)
/
-- A customer's bills newest first, without sorting all of them.
DROP INDEX IF EXISTS IX_PosHd_Customer
/
CREATE INDEX IF NOT EXISTS IX_PosHd_Customer_PosDate ON PosHd (Customer, PosDate)
/
-- The bill search matches the typed digits against the end of the number: read backwards, the
-- end is the start, which an index can find.
CREATE INDEX IF NOT EXISTS IX_PosHd_PosNoEnd ON PosHd (%REVERSED(PosNo)%)
/
CREATE INDEX IF NOT EXISTS IX_PosHd_FullTaxNo ON PosHd (FullTaxNo)
/
-- The full tax invoice's buyers: the few receipts with a buyer name, found by their name or their
-- telephone without reading every bill; the name also gives a buyer's latest branch data.
CREATE INDEX IF NOT EXISTS IX_PosHd_BuyerName ON PosHd (ltrim(rtrim(CustomerName)))
/
CREATE INDEX IF NOT EXISTS IX_PosHd_BuyerPhone ON PosHd (ltrim(rtrim(ShipPhone)))
/
-- Part of a buyer's name, anywhere in it: the search tests the names in an index, reading a receipt
-- only where its name matches; where the index above cannot give the listed columns too, this
-- one holds them.
%SUBSTRING_INDEX(IX_PosHd_BuyerNamePart, PosHd, CustomerName; ShipPhone, ShipAddr1, ShipAddr2, ShipAddr3, ShipProvince, ShipZipCode, TaxCustomer)%
/

-- POS bill lines; Fraction and TaxRate are copied at entry so the saved bill stays as sold.
CREATE TABLE IF NOT EXISTS PosDt (
    Id %IDENTITY%,
    PosHd INTEGER NOT NULL,
    PosRecNo INTEGER,
    PosDate %DATETIME%,
    Product INTEGER,
    Quantity DECIMAL(19,4),
    ProductUnits INTEGER,
    Fraction DECIMAL(19,4),
    TaxCode INTEGER,
    TaxRate DECIMAL(19,4),
    Warehouse INTEGER,
    LotNo INTEGER,
    SerialNo INTEGER,
    Price DECIMAL(19,4),
    Discount VARCHAR(50),
    DiscountAmt DECIMAL(19,4),
    Total DECIMAL(19,4),
    ProductAmount DECIMAL(19,4),
    Cost DECIMAL(19,4),
    MemoLine %TEXT%
)
/
CREATE INDEX IF NOT EXISTS IX_PosDt_PosHd_PosRecNo ON PosDt (PosHd, PosRecNo)
/
CREATE INDEX IF NOT EXISTS IX_PosDt_Product ON PosDt (Product)
/

-- Card payments of a receipt document (RcptType 1: a POS bill, RcptDocId its PosHd.Id).
CREATE TABLE IF NOT EXISTS CreditCardInfo (
    Id %IDENTITY%,
    RcptType INTEGER NOT NULL,
    RcptDocId INTEGER NOT NULL,
    RcptRecNo INTEGER,
    CreditCard INTEGER,
    CardNo VARCHAR(30),
    SlipNo VARCHAR(30),
    VerifyCode VARCHAR(30),
    Deposit CHAR(1) DEFAULT 'N',
    CardRcpt DECIMAL(19,4),
    CardRate DECIMAL(19,4),
    CardCharge DECIMAL(19,4),
    CardAmount DECIMAL(19,4)
)
/
CREATE INDEX IF NOT EXISTS IX_CreditCardInfo_RcptType_RcptDocId ON CreditCardInfo (RcptType, RcptDocId)
/

-- POS bills kept in a second pair of tables; same columns as PosHd.
CREATE TABLE IF NOT EXISTS PosHeader (
    Id %IDENTITY%,
    DelFlag CHAR(1) DEFAULT 'N',
    DelRemark VARCHAR(255),
    PosType CHAR(1),
    PsNo VARCHAR(20),
    PosShiftNo INTEGER,
    PosNo VARCHAR(20),
    PosDate %DATETIME%,
    Department INTEGER,
    Project INTEGER,
    Customer INTEGER,
    Salesman INTEGER,
    Warehouse INTEGER,
    TaxCode INTEGER,
    TaxRate DECIMAL(19,4),
    Price_IE CHAR(1),
    NoTaxAmt DECIMAL(19,4),
    TaxAmt DECIMAL(19,4),
    TaxTotal DECIMAL(19,4),
    Total DECIMAL(19,4),
    DiscName1 VARCHAR(100),
    DiscName2 VARCHAR(100),
    DiscName3 VARCHAR(100),
    DiscRate1 DECIMAL(19,4),
    DiscRate2 DECIMAL(19,4),
    DiscRate3 DECIMAL(19,4),
    DiscAmt1 DECIMAL(19,4),
    DiscAmt2 DECIMAL(19,4),
    DiscAmt3 DECIMAL(19,4),
    Posted CHAR(1) DEFAULT 'N',
    Cash DECIMAL(19,4),
    CardAmount DECIMAL(19,4),
    Coupon DECIMAL(19,4),
    BankAmount DECIMAL(19,4),
    Transfer CHAR(1) DEFAULT 'N',
    Change DECIMAL(19,4),
    CompanyBank INTEGER,
    PosPrintDateTime %DATETIME%,
    Imported CHAR(1) DEFAULT 'N',
    Remark VARCHAR(255),
    ShipAddr1 VARCHAR(200),
    ShipAddr2 VARCHAR(200),
    ShipAddr3 VARCHAR(200),
    ShipProvince INTEGER,
    ShipZipCode VARCHAR(10),
    ShipPhone VARCHAR(50),
    Printed CHAR(1) DEFAULT 'N',
    ShiftClose CHAR(1) DEFAULT 'N',
    CurrencyId INTEGER,
    Rate DECIMAL(19,4),
    Scrap DECIMAL(19,4),
    Part DECIMAL(19,4),
    FullTaxNo VARCHAR(20),
    CustomerName VARCHAR(200),
    TaxCustomer VARCHAR(20),
    BranchHead CHAR(1),
    BranchCode VARCHAR(10)
)
/
CREATE INDEX IF NOT EXISTS IX_PosHeader_PosNo_PosType ON PosHeader (PosNo, PosType)
/
CREATE INDEX IF NOT EXISTS IX_PosHeader_TrimPosNo ON PosHeader (ltrim(rtrim(PosNo)))
/
CREATE INDEX IF NOT EXISTS IX_PosHeader_PosDate ON PosHeader (PosDate)
/
CREATE INDEX IF NOT EXISTS IX_PosHeader_PosNoEnd ON PosHeader (%REVERSED(PosNo)%)
/
CREATE INDEX IF NOT EXISTS IX_PosHeader_FullTaxNo ON PosHeader (FullTaxNo)
/
CREATE INDEX IF NOT EXISTS IX_PosHeader_BuyerName ON PosHeader (ltrim(rtrim(CustomerName)))
/
CREATE INDEX IF NOT EXISTS IX_PosHeader_BuyerPhone ON PosHeader (ltrim(rtrim(ShipPhone)))
/
%SUBSTRING_INDEX(IX_PosHeader_BuyerNamePart, PosHeader, CustomerName; ShipPhone, ShipAddr1, ShipAddr2, ShipAddr3, ShipProvince, ShipZipCode, TaxCustomer)%
/

-- Lines of PosHeader bills; PosHeader holds the header's Id.
CREATE TABLE IF NOT EXISTS PosDetail (
    Id %IDENTITY%,
    PosHeader INTEGER NOT NULL,
    PosRecNo INTEGER,
    PosDate %DATETIME%,
    Product INTEGER,
    Quantity DECIMAL(19,4),
    ProductUnits INTEGER,
    Fraction DECIMAL(19,4),
    TaxCode INTEGER,
    TaxRate DECIMAL(19,4),
    Warehouse INTEGER,
    LotNo INTEGER,
    SerialNo INTEGER,
    Price DECIMAL(19,4),
    Discount VARCHAR(50),
    DiscountAmt DECIMAL(19,4),
    Total DECIMAL(19,4),
    ProductAmount DECIMAL(19,4),
    Cost DECIMAL(19,4),
    MemoLine %TEXT%
)
/
CREATE INDEX IF NOT EXISTS IX_PosDetail_PosHeader ON PosDetail (PosHeader)
/

-- ---------------------------------------------------------------- other modules' documents
-- Only what the counter's searches, reserved-stock figure and purge of cancelled documents touch.

-- Sales orders.
CREATE TABLE IF NOT EXISTS SoHd (
    Id %IDENTITY%,
    SoNo VARCHAR(20),
    SoDate %DATETIME%,
    Customer INTEGER,
    Salesman INTEGER,
    Total DECIMAL(19,4),
    DelFlag CHAR(1) DEFAULT 'N',
    DelRemark VARCHAR(255)
)
/
CREATE INDEX IF NOT EXISTS IX_SoHd_SoNo ON SoHd (SoNo)
/

-- Sales order lines; BackOrder is what is still to be delivered, in the line's unit.
CREATE TABLE IF NOT EXISTS sodt (
    Id %IDENTITY%,
    SoHd INTEGER NOT NULL,
    SoDate %DATETIME%,
    Product INTEGER,
    ProductUnits INTEGER,
    Fraction DECIMAL(19,4),
    Quantity DECIMAL(19,4),
    BackOrder DECIMAL(19,4) DEFAULT 0
)
/
CREATE INDEX IF NOT EXISTS IX_sodt_SoHd ON sodt (SoHd)
/
CREATE INDEX IF NOT EXISTS IX_sodt_Product_SoDate ON sodt (Product, SoDate)
/

-- Ship-to addresses of sales orders.
CREATE TABLE IF NOT EXISTS SoShip (
    Id %IDENTITY%,
    SoHd INTEGER NOT NULL,
    ShipAddr1 VARCHAR(200),
    ShipAddr2 VARCHAR(200),
    ShipAddr3 VARCHAR(200),
    ShipProvince INTEGER,
    ShipZipCode VARCHAR(10),
    ShipPhone VARCHAR(50)
)
/
CREATE INDEX IF NOT EXISTS IX_SoShip_SoHd ON SoShip (SoHd)
/

-- Quotations.
CREATE TABLE IF NOT EXISTS QuoHd (
    Id %IDENTITY%,
    QuoNo VARCHAR(20),
    QuoDate %DATETIME%,
    Customer INTEGER,
    Salesman INTEGER,
    Total DECIMAL(19,4),
    DelFlag CHAR(1) DEFAULT 'N',
    DelRemark VARCHAR(255)
)
/
CREATE INDEX IF NOT EXISTS IX_QuoHd_QuoNo ON QuoHd (QuoNo)
/

-- Credit sale invoices.
CREATE TABLE IF NOT EXISTS IvHd (
    Id %IDENTITY%,
    IvNo VARCHAR(20),
    IvDate %DATETIME%,
    Customer INTEGER,
    Salesman INTEGER,
    Total DECIMAL(19,4),
    DelFlag CHAR(1) DEFAULT 'N',
    DelRemark VARCHAR(255)
)
/
CREATE INDEX IF NOT EXISTS IX_IvHd_IvNo ON IvHd (IvNo)
/

-- Ship-to addresses of credit sale invoices.
CREATE TABLE IF NOT EXISTS IvShip (
    Id %IDENTITY%,
    IvHd INTEGER NOT NULL,
    ShipAddr1 VARCHAR(200),
    ShipAddr2 VARCHAR(200),
    ShipAddr3 VARCHAR(200),
    ShipProvince INTEGER,
    ShipZipCode VARCHAR(10),
    ShipPhone VARCHAR(50)
)
/
CREATE INDEX IF NOT EXISTS IX_IvShip_IvHd ON IvShip (IvHd)
/

-- Goods receipt lines: where a lot came into stock.
CREATE TABLE IF NOT EXISTS mrdt (
    Id %IDENTITY%,
    MrHd INTEGER NOT NULL,
    Product INTEGER,
    ProductUnits INTEGER,
    LotNo INTEGER,
    Fraction DECIMAL(19,4),
    Quantity DECIMAL(19,4)
)
/
CREATE INDEX IF NOT EXISTS IX_mrdt_Product_LotNo ON mrdt (Product, LotNo)
/

-- Finished-goods lines of production: where a lot was made.
CREATE TABLE IF NOT EXISTS MFGFinishDt (
    Id %IDENTITY%,
    MFGFinishHd INTEGER NOT NULL,
    Product INTEGER,
    ProductUnits INTEGER,
    LotNo INTEGER,
    Fraction DECIMAL(19,4),
    Quantity DECIMAL(19,4)
)
/
CREATE INDEX IF NOT EXISTS IX_MFGFinishDt_Product_LotNo ON MFGFinishDt (Product, LotNo)
/
