#pragma once

namespace kvr::devices {

// Speeds that termios has no constant for (14400, 56000, 128000 ...) go to the driver as a plain
// number. Kept in its own file because the kernel's termios2 header cannot share a file with
// <termios.h>. False when the driver does not take the speed.
bool SetCustomBaudRate(int fd, int bitsPerSecond);

} // namespace kvr::devices
