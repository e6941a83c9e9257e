#pragma once

#include "data/CachedDataset.h"
#include "search/SearchFrame.h"
#include "search/TFrSearchMisc.h"

namespace kvr::search {

// The remark of a document header: free text of at most 255 characters, or a remark chosen from
// a Misc group (the sale screen's "REM_SALE").
class TFaGetRemark : public SearchFrame
{
    Q_OBJECT
public:
    static constexpr int kMaxLength = 255;

    TFaGetRemark(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, QObject* parent = nullptr);

    void bind(data::CachedDataset& dataset, const QString& field);
    void refresh();
    void setMiscGroup(const QString& group) { m_search.setGroup(group); }
    const QString& text() const { return m_text; }
    // Typed text; longer text is cut to the column's size.
    void setText(const QString& text);

signals:
    void textChanged(const QString& text);

protected:
    void search() override;

private:
    data::CachedDataset* m_dataset = nullptr;
    QString m_field;
    QString m_text;
    TFrSearchMisc m_search;
};

} // namespace kvr::search
