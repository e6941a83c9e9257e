#pragma once

#include "search/SearchRunner.h"
#include "search/SearchScreen.h"

#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

namespace kvr::test {

// Runs the search dialogs a screen opens through their screen classes, as the user would: the
// script decides what to search and which row to take. Without a script every dialog is cancelled.
class ScriptedSearchRunner : public search::SearchRunner
{
public:
    using Script = std::function<bool(search::SearchScreen&)>;
    using Criteria = std::vector<std::pair<QString, QString>>;

    bool run(search::SearchScreen& search) override;
    void setScript(Script script) { m_script = std::move(script); }
    // A script that searches with the criteria, keeps the rows listed and chooses the one whose
    // key column holds `key`; it cancels when no row does, or when `key` is empty (only listing).
    Script choosing(const Criteria& criteria, const QString& key);

    // Opens the dialog, searches with the criteria and chooses the row whose key column holds
    // `key`; false when no such row was listed.
    static bool choose(search::SearchScreen& search, const Criteria& criteria, const QString& key);
    // The key column (or the one named) of every row of the last search, trimmed, in order.
    static QStringList keys(search::SearchScreen& search, const QString& column = {});

    QStringList ran; // the captions of the dialogs run, in order
    QStringList listed; // the keys of the last search a `choosing` script made

private:
    Script m_script;
};

} // namespace kvr::test
