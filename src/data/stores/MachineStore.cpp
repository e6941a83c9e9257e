#include "data/stores/MachineStore.h"

#include "data/Connection.h"
#include "util/Flags.h"

namespace kvr::data {

namespace {

QStringList selectSql()
{
    return {QStringLiteral("SELECT Id, MachineCode, Location, Blocked, Remark,PrinterName,PrinterCode,"),
            QStringLiteral("WareHouse,Salesman,Department,CashDrawer,BaudRate,"),
            QStringLiteral("PosDisplayHello1,PosDisplayHello2,PosDisplayBaudRate,PosDisplayComport"),
            QStringLiteral("FROM PosMachineNo"), QStringLiteral("WHERE MachineCode = :GetCode")};
}

QStringList insertSql()
{
    return {
        QStringLiteral("insert into PosMachineNo (MachineCode, Location, Blocked, Remark, PrinterName, PrinterCode,"),
        QStringLiteral("  WareHouse, Salesman, Department, CashDrawer, BaudRate, PosDisplayHello1, PosDisplayHello2,"),
        QStringLiteral("  PosDisplayBaudRate, PosDisplayComport)"),
        QStringLiteral("values (:MachineCode, :Location, :Blocked, :Remark, :PrinterName, :PrinterCode,"),
        QStringLiteral("  :WareHouse, :Salesman, :Department, :CashDrawer, :BaudRate, :PosDisplayHello1,"),
        QStringLiteral("  :PosDisplayHello2, :PosDisplayBaudRate, :PosDisplayComport)")};
}

QStringList modifySql()
{
    return {
        QStringLiteral("update PosMachineNo set MachineCode = :MachineCode, Location = :Location, Blocked = :Blocked,"),
        QStringLiteral("  Remark = :Remark, PrinterName = :PrinterName, PrinterCode = :PrinterCode,"),
        QStringLiteral("  WareHouse = :WareHouse, Salesman = :Salesman, Department = :Department,"),
        QStringLiteral("  CashDrawer = :CashDrawer, BaudRate = :BaudRate, PosDisplayHello1 = :PosDisplayHello1,"),
        QStringLiteral("  PosDisplayHello2 = :PosDisplayHello2, PosDisplayBaudRate = :PosDisplayBaudRate,"),
        QStringLiteral("  PosDisplayComport = :PosDisplayComport"),
        QStringLiteral("where Id = :OLD_Id")};
}

} // namespace

MachineStore::MachineStore(Connection& connection)
    : m_connection(connection)
    , m_qPosMachine(connection)
    , m_qCheck(connection,
               QStringLiteral("select Id, Location, Blocked from PosMachineNo where MachineCode = :GetCode"))
{
    m_qPosMachine.setSqlLines(selectSql());
    m_qPosMachine.insertSql() = insertSql();
    m_qPosMachine.modifySql() = modifySql();
    m_qPosMachine.deleteSql() = {QStringLiteral("delete from PosMachineNo where Id = :OLD_Id")};
}

void MachineStore::open(const QString& code)
{
    m_qPosMachine.setParam(QStringLiteral("GetCode"), code);
    m_qPosMachine.open();
}

void MachineStore::save()
{
    write();
}

void MachineStore::removeCurrent()
{
    m_qPosMachine.remove();
    write();
}

void MachineStore::write()
{
    {
        Transaction transaction(m_connection);
        m_qPosMachine.applyUpdates();
        transaction.commit();
    }
    m_qPosMachine.commitUpdates();
}

MachineCheck MachineStore::check(const QString& code)
{
    m_qCheck.setParam(QStringLiteral("GetCode"), code);
    m_qCheck.open();
    MachineCheck result;
    result.found = !m_qCheck.isEmpty();
    result.id = m_qCheck.field(machine::kId).asInteger();
    result.location = m_qCheck.field(machine::kLocation).asString();
    // A machine whose Blocked was never set is in use, as the register shows it and saves it; only
    // 'N' or nothing opens a shift, so a stray value still stops it.
    const data::Field blocked = m_qCheck.field(machine::kBlocked);
    result.inUse = result.found && (blocked.isNull() || blocked.asString() == util::flagText(false));
    return result;
}

} // namespace kvr::data
