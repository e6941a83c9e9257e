#pragma once

#include "search/LookupFrame.h"

namespace kvr::search {

// The warehouse of a document header; with the company's user-warehouse restriction only the
// warehouses granted to the user resolve and are listed.
class TFaGetWarehouse : public LookupFrame
{
    Q_OBJECT
public:
    TFaGetWarehouse(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, QObject* parent = nullptr);

    void FieldEnter() override;

protected:
    void search() override;

private:
    // The user whose warehouses are allowed, 0 when the company does not restrict them.
    int restrictedUser();
};

} // namespace kvr::search
