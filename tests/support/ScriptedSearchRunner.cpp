#include "support/ScriptedSearchRunner.h"

#include "data/CachedDataset.h"

namespace kvr::test {

namespace {

// Opens the dialog, searches with the criteria, lists the keys found and chooses the row whose key
// column holds `key`; false when no such row was listed, or `key` is empty.
bool searchAndChoose(search::SearchScreen& dialog, const ScriptedSearchRunner::Criteria& criteria, const QString& key,
                     QStringList& listed)
{
    dialog.FormShow();
    for (const auto& [name, text] : criteria)
        dialog.setCriterion(name, text);
    dialog.BtSearchClick();
    listed = ScriptedSearchRunner::keys(dialog);
    const auto row = key.isEmpty() ? -1 : listed.indexOf(key);
    if (row < 0)
        return false;
    dialog.QSearch().setRecNo(int(row));
    return dialog.BtOkClick();
}

} // namespace

bool ScriptedSearchRunner::run(search::SearchScreen& dialog)
{
    ran << dialog.caption();
    return m_script && m_script(dialog);
}

ScriptedSearchRunner::Script ScriptedSearchRunner::choosing(const Criteria& criteria, const QString& key)
{
    return
        [this, criteria, key](search::SearchScreen& dialog) { return searchAndChoose(dialog, criteria, key, listed); };
}

bool ScriptedSearchRunner::choose(search::SearchScreen& dialog, const Criteria& criteria, const QString& key)
{
    QStringList listed;
    return searchAndChoose(dialog, criteria, key, listed);
}

QStringList ScriptedSearchRunner::keys(search::SearchScreen& dialog, const QString& column)
{
    const QString name = column.isEmpty() ? dialog.keyColumn() : column;
    QStringList out;
    for (int row = 0; row < dialog.QSearch().recordCount(); ++row)
        out << dialog.QSearch().fieldAt(row, name).asString().trimmed();
    return out;
}

} // namespace kvr::test
