#pragma once

#include "search/TFrSearch.h"

namespace kvr::search {

// The Misc rows of one group as a document-style search that gives back a chosen column (the
// remark frame takes the Description).
class TFrSearchMisc : public TFrSearch
{
    Q_OBJECT
public:
    TFrSearchMisc(data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);

    const QString& group() const { return m_group; }
    void setGroup(const QString& group) { m_group = group; }

protected:
    QStringList statement(const data::Dialect& dialect) override;
    void prepareSearch() override;

private:
    QString m_group;
};

} // namespace kvr::search
