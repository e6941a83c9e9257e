#include "AdminFixture.h"

#include "data/Query.h"
#include "support/SessionSeed.h"

namespace kvr::test {

namespace {

int run(data::Connection& connection, const QString& sql, AdminFixture::Params params)
{
    data::Query q(connection, sql);
    for (const auto& [name, value] : params)
        q.setParam(QString::fromLatin1(name), value);
    return q.execSql();
}

} // namespace

bool ChoosingRunner::searchLocation(search::SearchScreen& search, const QString& location, const QString& code)
{
    search.FormShow();
    search.setCriterion(QStringLiteral("Location"), location);
    search.BtSearchClick();
    listed.clear();
    int chosen = -1;
    data::CachedDataset& rows = search.QSearch();
    for (int row = 0; row < rows.recordCount(); ++row) {
        listed << rows.fieldAt(row, QStringLiteral("MachineCode")).asString();
        if (listed.back() == code)
            chosen = row;
    }
    if (chosen < 0)
        return false;
    rows.setRecNo(chosen);
    return search.BtOkClick();
}

void AdminFixture::SetUp()
{
    BackendTest::SetUp();
    if (IsSkipped())
        return;
    seedSession(*server);
    config = std::make_unique<data::TDMConfig>(server->workingDirectory());
    config->CheckRight(101, 1);
    dm = std::make_unique<data::TDM>(*config, server->workingDirectory());
    dm->setCompanyCode(QStringLiteral("SHOP"));
    other = server->connection(QStringLiteral("SHOP"));

    exec(QStringLiteral("INSERT INTO Config (RunYear, LockPosDate) VALUES (2026, 'N')"));
    // Not in order of value: the float lists them largest first.
    exec(QStringLiteral("INSERT INTO Coin (Description, Fraction) VALUES ('เหรียญ 1 บาท', 1), ('ธนบัตร 1000 บาท', 1000), "
                        "('เหรียญ 25 สตางค์', 0.25), ('ธนบัตร 100 บาท', 100), ('เหรียญ 10 บาท', 10), "
                        "('ธนบัตร 20 บาท', 20)"));
    exec(QStringLiteral("INSERT INTO Salesman (Code, Name, Status) VALUES ('S01', 'สมหญิง', 'Y')"));
    exec(QStringLiteral("INSERT INTO Warehouse (Code, Name) VALUES ('MAIN', 'คลังหน้าร้าน')"));
    exec(QStringLiteral("INSERT INTO Misc (GroupCode, Code, Description) VALUES ('DEPARTMENT', 'FRONT', 'หน้าร้าน')"));
    exec(QStringLiteral("INSERT INTO PosMachineNo (MachineCode, Location, Blocked, Remark, PrinterName, PrinterCode, "
                        "WareHouse, Salesman, Department, CashDrawer, BaudRate, PosDisplayHello1, PosDisplayHello2, "
                        "PosDisplayBaudRate, PosDisplayComport) VALUES "
                        "('POS01', 'หน้าร้าน ชั้น 1', 'N', '1234567890123', 'EPSON', 'TIS', 1, 1, 1, 'COM1:', 19200, "
                        "'ยินดีต้อนรับ', 'ขอบคุณที่อุดหนุน', 9600, 'COM2:')"));
    exec(QStringLiteral("INSERT INTO PosMachineNo (MachineCode, Location, Blocked) VALUES ('POS02', 'ชั้น 2', 'Y')"));
    exec(QStringLiteral("INSERT INTO PosMachineNo (MachineCode, Location, Blocked) VALUES ('POS03', NULL, NULL)"));
    exec(QStringLiteral("INSERT INTO PosMachineNo (MachineCode, Location, Blocked, BaudRate) "
                        "VALUES ('POS04', 'คลังหลังร้าน', 'N', 4800)"));
}

void AdminFixture::TearDown()
{
    other.reset();
    dm.reset();
    config.reset();
    BackendTest::TearDown();
}

int AdminFixture::exec(const QString& sql, Params params)
{
    return run(dm->DMdata(), sql, params);
}

QVariant AdminFixture::scalar(const QString& sql, Params params)
{
    data::Query q(dm->DMdata(), sql);
    for (const auto& [name, value] : params)
        q.setParam(QString::fromLatin1(name), value);
    q.open();
    return q.isEmpty() ? QVariant() : q.fieldAt(0, q.fieldNames().at(0)).value();
}

int AdminFixture::execElsewhere(const QString& sql, Params params)
{
    return run(*other, sql, params);
}

void AdminFixture::setLockPosDate(bool locked)
{
    exec(QStringLiteral("UPDATE Config SET LockPosDate = :Locked"), {{"Locked", locked ? "Y" : "N"}});
}

int AdminFixture::insertShift(const QDate& date, int machineId, int shiftNo, const QString& closed,
                              std::initializer_list<std::pair<int, int>> counts)
{
    const QDateTime opened(date, QTime(8, 30));
    execElsewhere(
        QStringLiteral("INSERT INTO PosShiftNo (ShiftDate, ShiftNo, PosMachineNo, OpenTime, OpenMoney, Closed, "
                       "CloseTime, CloseMoney, SaleAmount) VALUES (:Date, :No, :Machine, :Opened, 0, :Closed, "
                       ":Opened, 0, 0)"),
        {{"Date", date}, {"No", shiftNo}, {"Machine", machineId}, {"Opened", opened}, {"Closed", closed}});
    const int id =
        scalar(QStringLiteral("SELECT Id FROM PosShiftNo WHERE ShiftDate = :Date AND PosMachineNo = :Machine "
                              "AND ShiftNo = :No"),
               {{"Date", date}, {"Machine", machineId}, {"No", shiftNo}})
            .toInt();
    double total = 0;
    for (const auto& [coin, pieces] : counts) {
        const double face =
            scalar(QStringLiteral("SELECT Fraction FROM Coin WHERE Id = :Coin"), {{"Coin", coin}}).toDouble();
        execElsewhere(QStringLiteral("INSERT INTO PosShiftMoney (PosShiftNo, Closed, Coin, Quantity, Amount) "
                                     "VALUES (:Shift, 'N', :Coin, :Pieces, :Amount)"),
                      {{"Shift", id}, {"Coin", coin}, {"Pieces", pieces}, {"Amount", pieces * face}});
        total += pieces * face;
    }
    execElsewhere(QStringLiteral("UPDATE PosShiftNo SET OpenMoney = :Total WHERE Id = :Id"),
                  {{"Total", total}, {"Id", id}});
    return id;
}

} // namespace kvr::test
