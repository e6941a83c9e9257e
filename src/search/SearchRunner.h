#pragma once

namespace kvr::search {

class SearchScreen;

// Runs a search dialog modally for a screen or frame: true when the user chose a row, whose
// values the screen then reads from the dialog's result. The program shows the real dialog;
// tests drive the same screen class directly.
class SearchRunner
{
public:
    virtual ~SearchRunner() = default;
    virtual bool run(SearchScreen& search) = 0;
};

} // namespace kvr::search
