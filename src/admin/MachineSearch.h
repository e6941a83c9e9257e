#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace kvr::admin {

// The machine search of the screens: shows the search by location with the given caption and
// gives back the chosen machine's code, or nothing when the user did not choose one. The
// program plugs in the search dialog; tests answer it themselves.
using MachineSearch = std::function<std::optional<QString>(const QString& caption)>;

} // namespace kvr::admin
