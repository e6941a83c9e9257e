#pragma once

#include "search/SearchFrame.h"
#include "ui/base/CodeLookup.h"

namespace kvr::search {

class SearchScreen;

// A header frame whose field is a lookup edit: the typed code resolves to the id stored in the
// owner's field and the name shown beside it.
class LookupFrame : public SearchFrame
{
    Q_OBJECT
public:
    LookupFrame(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, ui::LookupSource source,
                QObject* parent = nullptr);

    ui::CodeLookup& lookup() { return m_lookup; }
    // The owner's dataset and field; shows what the current row holds.
    void bind(data::CachedDataset& dataset, const QString& field);
    // After the owner moved to or loaded another row.
    void refresh() { m_lookup.refresh(); }

    // Leaving the field: the lookup resolves the code, then the frame's own checks run.
    void FieldExit() override;
    // As the user does it: enter the field, type the code, leave.
    void typeCode(const QString& code);

signals:
    // The field was left and the frame's checks ran: the owner takes the code (or its absence).
    void exited();

protected:
    // Runs a search dialog; on OK its result becomes the code, resolved, and the field is focused.
    bool runSearch(SearchScreen& search);
    // The frame's checks after the lookup resolved the code.
    virtual void codeExit() { }

private:
    ui::CodeLookup m_lookup;
};

} // namespace kvr::search
