#pragma once

#include "data/Query.h"

namespace kvr::pos {

// The POS machine a shift runs on, with what it gives a new bill and how its devices are reached.
struct PosMachine
{
    QVariant salesman; // ids of the bill's defaults, null when the machine names none
    QVariant department;
    QVariant warehouse;
    QString salesmanCode;
    QString cashDrawer; // serial port of the cash drawer; empty: no drawer
    QVariant baudRate;
    QString remark; // the machine's tax registration, printed on the receipt
    QString printerCode;
    QString machineCode;
    QString printerName;
};

// The machines of the cashier shifts.
class PosMachineStore
{
public:
    explicit PosMachineStore(data::Connection& connection);

    // The machine of that shift; all empty when there is none.
    PosMachine machineOfShift(int shiftId);

private:
    data::Query m_machine;
};

} // namespace kvr::pos
