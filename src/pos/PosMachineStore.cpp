#include "pos/PosMachineStore.h"

namespace kvr::pos {

PosMachineStore::PosMachineStore(data::Connection& connection)
    : m_machine(connection)
{
    m_machine.setSqlLines(
        {QStringLiteral("select d.salesman,d.department,d.warehouse,d.CashDrawer, d.Remark, D.PrinterCode,"),
         QStringLiteral("       S.Code CodeSalesman,d.baudrate, d.MachineCode, d.PrinterName"),
         QStringLiteral("from posshiftno p"), QStringLiteral("inner join posmachineno d on d.id=p.posmachineno"),
         QStringLiteral("Left Join salesman S On (S.Id = D.Salesman)"), QStringLiteral("where p.id=:getid")});
}

PosMachine PosMachineStore::machineOfShift(int shiftId)
{
    m_machine.setParam(QStringLiteral("getid"), shiftId);
    m_machine.open();
    const auto field = [this](const char* name) { return m_machine.field(QString::fromLatin1(name)); };
    PosMachine machine;
    machine.salesman = field("salesman").value();
    machine.department = field("department").value();
    machine.warehouse = field("warehouse").value();
    machine.salesmanCode = field("CodeSalesman").asString();
    machine.cashDrawer = field("CashDrawer").asString().trimmed();
    machine.baudRate = field("baudrate").value();
    machine.remark = field("Remark").asString();
    machine.printerCode = field("PrinterCode").asString().trimmed();
    machine.machineCode = field("MachineCode").asString().trimmed();
    machine.printerName = field("PrinterName").asString().trimmed();
    return machine;
}

} // namespace kvr::pos
