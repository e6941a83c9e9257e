#include "devices/CashDrawer.h"

#include "devices/TCommPortDriver.h"

namespace kvr::devices {

int DrawerBaudRate(const QVariant& machineBaudRate)
{
    bool ok = false;
    const int rate = machineBaudRate.isNull() ? 0 : machineBaudRate.toInt(&ok);
    return ok && rate != 0 ? rate : 9600;
}

bool OpenCashDrawer(TCommPortDriver& port, const QString& cashDrawer, const QVariant& machineBaudRate)
{
    return TestCashDrawer(port, cashDrawer, DrawerBaudRate(machineBaudRate));
}

bool TestCashDrawer(TCommPortDriver& port, const QString& cashDrawer, int baudRate)
{
    const QString name = cashDrawer.trimmed();
    if (name.isEmpty())
        return false;
    // A component left connected elsewhere would otherwise send to its old port.
    port.Disconnect();
    port.setPortName(name);
    port.setBaudRateValue(baudRate);
    if (!port.Connect())
        return false;
    const bool sent = port.SendString(QByteArray(kDrawerKick));
    port.Disconnect();
    return sent;
}

} // namespace kvr::devices
