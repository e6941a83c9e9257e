#pragma once

#include "ui/base/Prompter.h"

namespace kvr::bench {

// Benchmarks answer no question: what is asked only takes its time and goes nowhere.
class QuietPrompter : public ui::Prompter
{
public:
    void information(const QString&) override { }
    void warning(const QString&) override { }
    void error(const QString&) override { }
    bool confirm(const QString&, ui::ConfirmColour) override { return false; }
    std::optional<QString> input(const QString&, const QString&, const QString&) override { return std::nullopt; }
    ui::ErrorDialogAnswer showErrorDialog(const QString&) override { return ui::ErrorDialogAnswer::DontSend; }
};

} // namespace kvr::bench
