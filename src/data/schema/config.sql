-- Configuration database shared by the suite: users, menus, rights, companies, error log.
-- Every statement is safe to run at every start. Column names keep the suite's spelling;
-- both backends fold unquoted names, so the mixed case is only for the reader.

-- Users of the suite; the menu program passes the Id on the command line.
-- LanguageNo 1 is Thai, anything else English. Saleman is the user's Salesman id in the
-- company databases.
CREATE TABLE IF NOT EXISTS UserName (
    Id %IDENTITY%,
    Code %CODE(20)% NOT NULL,
    FullName VARCHAR(200),
    LanguageNo INTEGER,
    Saleman INTEGER,
    EditSalePrice CHAR(1),
    CanSeeCost CHAR(1),
    CanSeeSalePrice CHAR(1),
    CanModifyCusSale CHAR(1),
    CanModifyCredit CHAR(1),
    CanSetProductBlock CHAR(1),
    CanSetProductMinus CHAR(1),
    CanSaleCreditOnReturnCheque CHAR(1),
    CanSetOtherUserPass CHAR(1),
    Approve_Quo CHAR(1),
    Approve_SO CHAR(1),
    Approve_IV CHAR(1),
    Approve_PO CHAR(1),
    Approved_PORQ CHAR(1),
    Approve_PreIs CHAR(1),
    ApproveTranWH CHAR(1),
    ApproveTranBranch CHAR(1),
    ApproveWorkOrder CHAR(1),
    ApproveCustomerDropUse CHAR(1),
    ApproveCustomerDropCredit CHAR(1),
    UserSeeImport CHAR(1),
    UserSeeCost CHAR(1)
)
/
CREATE UNIQUE INDEX IF NOT EXISTS IX_UserName_Code ON UserName (Code)
/

-- Menu items of the suite; Command starts the module, MenuOption carries its extra parameters.
CREATE TABLE IF NOT EXISTS Menu (
    Id %IDENTITY%,
    Caption VARCHAR(200),
    CaptionEng VARCHAR(200),
    Command VARCHAR(255),
    MenuOption VARCHAR(255),
    Version INTEGER
)
/

-- A user's rights on a menu item; no row means no right. Read by MENUCAPTION.
CREATE TABLE IF NOT EXISTS UserRight (
    Id %IDENTITY%,
    UserId INTEGER NOT NULL,
    MenuId INTEGER NOT NULL,
    ACCESS_R CHAR(1) DEFAULT 'N',
    ADD_R CHAR(1) DEFAULT 'N',
    MODIFY_R CHAR(1) DEFAULT 'N',
    DELETE_R CHAR(1) DEFAULT 'N'
)
/
CREATE UNIQUE INDEX IF NOT EXISTS IX_UserRight_UserId_MenuId ON UserRight (UserId, MenuId)
/

-- The suite's function list: the kinds of activity the usage log records.
CREATE TABLE IF NOT EXISTS FunctionList (
    Id %IDENTITY%,
    Description VARCHAR(200)
)
/

-- Companies: identity and address printed on receipts and tax invoices.
CREATE TABLE IF NOT EXISTS Company (
    Id %IDENTITY%,
    Code %CODE(20)% NOT NULL,
    Password VARCHAR(100),
    NameThai VARCHAR(200),
    NameEng VARCHAR(200),
    ShortName VARCHAR(50),
    Address1 VARCHAR(200),
    Address2 VARCHAR(200),
    Address3 VARCHAR(200),
    Address4 VARCHAR(200),
    Province VARCHAR(100),
    Zip VARCHAR(10),
    Telephone VARCHAR(50),
    Fax VARCHAR(50),
    EMail VARCHAR(100),
    Logo %BLOB%,
    TaxNo VARCHAR(20),
    InstallDate %DATETIME%,
    RunYear INTEGER,
    LocalServer VARCHAR(100),
    FUNDNAME VARCHAR(200),
    TaxBranchHead CHAR(1),
    TaxBranchCode VARCHAR(10),
    TaxBranchName VARCHAR(200)
)
/
CREATE UNIQUE INDEX IF NOT EXISTS IX_Company_Code ON Company (Code)
/

-- A company's defaults for the counter and the other modules; ids of warehouses, tax codes and
-- price levels are rows of the company database.
CREATE TABLE IF NOT EXISTS CompanyConfig (
    Id %IDENTITY%,
    Company INTEGER NOT NULL,
    PicturePath VARCHAR(255),
    Public_Price_IE CHAR(1),
    DefaultWh INTEGER,
    DefaultTax INTEGER,
    POS1_Wh INTEGER,
    POS1_TaxCode INTEGER,
    POS1_Price_IE CHAR(1),
    POS1_PriceType INTEGER,
    POS1_SumDetail CHAR(1),
    DefaultPosComPort VARCHAR(20),
    DefaultPosMenuId INTEGER
)
/
CREATE UNIQUE INDEX IF NOT EXISTS IX_CompanyConfig_Company ON CompanyConfig (Company)
/

-- Which company each company database belongs to. Names compare without regard to case:
-- the command line may carry them in any case.
CREATE TABLE IF NOT EXISTS DatabaseList (
    Id %IDENTITY%,
    Company INTEGER NOT NULL,
    DatabaseName %CODE(100)% NOT NULL,
    Description VARCHAR(200),
    YearNo INTEGER
)
/
CREATE INDEX IF NOT EXISTS IX_DatabaseList_DatabaseName ON DatabaseList (DatabaseName)
/
CREATE INDEX IF NOT EXISTS IX_DatabaseList_Company ON DatabaseList (Company)
/

-- Errors that reached a program's exception handler, one row each (AddErrorLog).
CREATE TABLE IF NOT EXISTS ErrorLog (
    Id %IDENTITY%,
    LogDate %DATETIME% NOT NULL,
    CompName VARCHAR(100),
    LogName VARCHAR(100),
    UserId INTEGER,
    MenuId INTEGER,
    ErrorMsg %TEXT%
)
/
CREATE INDEX IF NOT EXISTS IX_ErrorLog_LogDate ON ErrorLog (LogDate)
/
