#pragma once

#include <QString>
#include <QVariant>

namespace kvr::devices {

class TCommPortDriver;

// The kick: the two bytes 5E 47, a caret and a capital G, which the installed drawers answer
// to. Not the single control byte 07, however alike "^G" looks.
inline constexpr char kDrawerKick[] = "^G";

// The drawer speed of a POS machine for the sale: its BaudRate, or 9600 when 0 or null.
int DrawerBaudRate(const QVariant& machineBaudRate);

// After a saved bill: kicks the drawer named by the machine's CashDrawer at DrawerBaudRate.
// Returns whether the kick went out; a missing, busy or stalled port only makes it false, after
// at most the port's OutputTimeout. Nothing is touched when cashDrawer is blank.
bool OpenCashDrawer(TCommPortDriver& port, const QString& cashDrawer, const QVariant& machineBaudRate);

// The machine screen's drawer test with the values on screen, speed as typed (no fallback).
bool TestCashDrawer(TCommPortDriver& port, const QString& cashDrawer, int baudRate);

} // namespace kvr::devices
