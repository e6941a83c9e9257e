#pragma once

#include <QFont>

namespace kvr::ui {

// The forms' small sans-serif font, with Thai faces next so that Thai text never falls back to
// boxes on a workstation without the Windows fonts.
QFont formFont(bool bold = false);

} // namespace kvr::ui
