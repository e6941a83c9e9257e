#pragma once

#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "search/SearchRunner.h"
#include "search/SearchScreen.h"
#include "support/ScriptedPrompter.h"
#include "support/TestServer.h"
#include "util/QStringPrinter.h"

#include <functional>
#include <memory>

namespace kvr::test {

// Runs search dialogs as a user would, through the screen class: the script chooses what to
// search for and which row to take. Without a script every dialog is cancelled.
class ScriptedSearchRunner : public search::SearchRunner
{
public:
    using Script = std::function<bool(search::SearchScreen&)>;

    bool run(search::SearchScreen& search) override;
    void setScript(Script script) { m_script = std::move(script); }
    // The captions of the dialogs run, in order.
    QStringList ran;

    // Opens the dialog, searches with the criteria given, and chooses the row whose key column
    // holds `key`; false when no such row was listed.
    static bool choose(search::SearchScreen& search, const std::vector<std::pair<QString, QString>>& criteria,
                       const QString& key);

private:
    Script m_script;
};

// Both backends, the session of user 1 (Thai) on SHOP and a small shop with bills, salesmen,
// warehouses, codes, products, banks and machines (see SearchFixture.cpp).
class SearchFixture : public BackendTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    void exec(const QString& sql);
    int count(const QString& sql);
    void setConfig(const QString& assignments);
    void switchUser(int userId) { config->mutableSession().UserId = userId; }
    // The key column of every row of the result, in order.
    static QStringList keys(search::SearchScreen& search, const QString& column = {});

    std::unique_ptr<data::TDMConfig> config;
    std::unique_ptr<data::TDM> dm;
    ScriptedPrompter prompter;
    ScriptedSearchRunner runner;
};

} // namespace kvr::test
