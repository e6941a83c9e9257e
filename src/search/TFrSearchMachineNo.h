#pragma once

#include "search/SearchScreen.h"

#include <functional>
#include <optional>

namespace kvr::search {

// The registered POS machines by location; the caller sets the caption.
class TFrSearchMachineNo : public SearchScreen
{
    Q_OBJECT
public:
    TFrSearchMachineNo(data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);

protected:
    QStringList statement(const data::Dialect& dialect) override;
    void prepareSearch() override;
};

class SearchRunner;

// The machine search as the shift dialog and the machine register take it: the dialog with the
// caption given, made for each search; the chosen machine code, or nothing.
std::function<std::optional<QString>(const QString& caption)> machineSearch(data::TDM& dm, ui::Prompter& prompter,
                                                                            SearchRunner& runner);

} // namespace kvr::search
