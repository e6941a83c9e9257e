#pragma once

#include "data/CachedDataset.h"

#include <QObject>

namespace kvr::data {
class TDM;
}

namespace kvr::search {

// The tax code of a document header, chosen from the company's tax list; leaving it copies the
// chosen tax's rate into the owner's rate column when one is named.
class TFaGetTaxCode : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDropDownRows = 8;

    explicit TFaGetTaxCode(data::TDM& dm, QObject* parent = nullptr);

    QString caption() const;
    // The tax list (Id, Code, Rate), read on first use.
    data::Query& QTax();
    void bind(data::CachedDataset& dataset, const QString& field);
    // The owner's column that receives the chosen rate ("TaxRate" on the sale screen).
    void setRateColumn(const QString& column) { m_rateColumn = column; }

    // The tax id the bound field holds, 0 for none.
    int taxId() const;
    // The row of QTax() shown for the bound field, -1 for none.
    int currentRow();
    // A row of the list chosen in the drop-down.
    void chooseRow(int row);
    void ListTaxCodeExit();

signals:
    void changed();

private:
    data::TDM& m_dm;
    data::Query m_qTax;
    data::CachedDataset* m_dataset = nullptr;
    QString m_field;
    QString m_rateColumn;
};

} // namespace kvr::search
