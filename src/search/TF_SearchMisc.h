#pragma once

#include "search/SearchScreen.h"

namespace kvr::search {

// The general search of one group of the Misc code table (departments, provinces, ...); the
// caller sets caption and group.
class TF_SearchMisc : public SearchScreen
{
    Q_OBJECT
public:
    TF_SearchMisc(data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);

    const QString& group() const { return m_group; }
    void setGroup(const QString& group) { m_group = group; }

protected:
    QStringList statement(const data::Dialect& dialect) override;
    void prepareSearch() override;

private:
    QString m_group;
};

} // namespace kvr::search
