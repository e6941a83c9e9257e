#pragma once

#include "search/LookupFrame.h"
#include "search/TF_SearchMisc.h"

namespace kvr::search {

// A header field over one group of the Misc code table, searched with the general Misc search.
class TFaGetMisc : public LookupFrame
{
    Q_OBJECT
public:
    TFaGetMisc(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, const QString& group,
               QObject* parent = nullptr);

    const QString& group() const { return m_group; }

protected:
    void search() override;
    TF_SearchMisc& searchDialog() { return m_search; }

private:
    QString m_group;
    TF_SearchMisc m_search;
};

} // namespace kvr::search
