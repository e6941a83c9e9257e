#pragma once

#include "pos/PosSearchRunner.h"

#include <QString>
#include <memory>

namespace kvr::data {
class TDM;
}
namespace kvr::ui {
class Prompter;
}
namespace kvr::search {
class TFrSearchPos;
}

namespace kvr::pos {

// The saved bills of one mode, for the cashier to choose one by its number. The search is made
// on first use and keeps its filter for the next.
class PosBillSearch
{
public:
    PosBillSearch(data::TDM& dm, ui::Prompter& prompter, QString posType);
    ~PosBillSearch();

    void setSearchRunner(search::SearchRunner& runner) { m_runner.setTarget(&runner); }
    // The number of the bill chosen, trimmed; empty when the search was cancelled.
    QString chooseNumber();

private:
    data::TDM& m_dm;
    ui::Prompter& m_prompter;
    QString m_posType;
    PosSearchRunner m_runner;
    std::unique_ptr<search::TFrSearchPos> m_search;
};

} // namespace kvr::pos
