#pragma once

#include "search/SearchRunner.h"

namespace kvr::pos {

// The searches of the sale screen's header run through the runner its window (or a test) gives;
// before one is given every search counts as cancelled.
class PosSearchRunner : public search::SearchRunner
{
public:
    void setTarget(search::SearchRunner* target) { m_target = target; }
    bool run(search::SearchScreen& search) override { return m_target && m_target->run(search); }

private:
    search::SearchRunner* m_target = nullptr;
};

} // namespace kvr::pos
