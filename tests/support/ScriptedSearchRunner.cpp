#include "support/ScriptedSearchRunner.h"

#include "data/CachedDataset.h"

namespace kvr::test {

namespace {

void search(search::SearchScreen& dialog, const ScriptedSearchRunner::Criteria& criteria)
{
    dialog.FormShow();
    for (const auto& [name, text] : criteria)
        dialog.setCriterion(name, text);
    dialog.BtSearchClick();
}

bool chooseListed(search::SearchScreen& dialog, const QStringList& listed, const QString& key)
{
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
    return [this, criteria, key](search::SearchScreen& dialog) {
        search(dialog, criteria);
        listed = keys(dialog);
        return chooseListed(dialog, listed, key);
    };
}

bool ScriptedSearchRunner::choose(search::SearchScreen& dialog, const Criteria& criteria, const QString& key)
{
    search(dialog, criteria);
    return chooseListed(dialog, keys(dialog), key);
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
