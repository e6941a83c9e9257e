#pragma once

#include "search/TFrSearch.h"

namespace kvr::search {

// The buyers a full tax invoice can be made out to: the buyer blocks of earlier receipts and the
// customers, by telephone and name, each distinct block once, by name. The chosen row's columns
// (customername, shipaddr1..3, shipprovince, shipzipcode, shipphone, TaxNumber) fill the buyer block.
class TFrSearchCustomerPosHd : public TFrSearch
{
    Q_OBJECT
public:
    TFrSearchCustomerPosHd(data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);

    // Both criteria are emptied each time the dialog opens.
    void FormShow() override;

protected:
    // The receipts of another header table, under another caption.
    TFrSearchCustomerPosHd(data::TDM& dm, ui::Prompter& prompter, const QString& headerTable, const QString& caption,
                           QObject* parent);
    QStringList statement(const data::Dialect& dialect) override;
    void prepareSearch() override;
};

// The same over the bills kept in PosHeader.
class TFrSearchCustomerPosHeader : public TFrSearchCustomerPosHd
{
    Q_OBJECT
public:
    TFrSearchCustomerPosHeader(data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);
};

} // namespace kvr::search
