#include "search/TFaGetTaxCode.h"

#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "search/FrameStatements.h"

namespace kvr::search {

TFaGetTaxCode::TFaGetTaxCode(data::TDM& dm, QObject* parent)
    : QObject(parent)
    , m_dm(dm)
    , m_qTax(dm.DMdata(), statements::taxList())
{ }

QString TFaGetTaxCode::caption() const
{
    return m_dm.config().session().ThaiLanguage ? QStringLiteral("อัตราภาษี") : QStringLiteral("Tax");
}

data::Query& TFaGetTaxCode::QTax()
{
    if (!m_qTax.isOpen())
        m_qTax.open();
    return m_qTax;
}

void TFaGetTaxCode::bind(data::CachedDataset& dataset, const QString& field)
{
    m_dataset = &dataset;
    m_field = field;
    emit changed();
}

int TFaGetTaxCode::taxId() const
{
    if (!m_dataset || !m_dataset->isOpen() || m_dataset->eof())
        return 0;
    return m_dataset->field(m_field).asInteger();
}

int TFaGetTaxCode::currentRow()
{
    const int id = taxId();
    data::Query& tax = QTax();
    for (int row = 0; row < tax.recordCount(); ++row) {
        if (tax.fieldAt(row, QStringLiteral("Id")).asInteger() == id)
            return row;
    }
    return -1;
}

void TFaGetTaxCode::chooseRow(int row)
{
    data::Query& tax = QTax();
    if (!m_dataset || !m_dataset->isOpen() || m_dataset->eof() || row < 0 || row >= tax.recordCount())
        return;
    const int id = tax.fieldAt(row, QStringLiteral("Id")).asInteger();
    if (taxId() != id || m_dataset->field(m_field).isNull())
        m_dataset->setValue(m_field, id);
    emit changed();
}

void TFaGetTaxCode::ListTaxCodeExit()
{
    if (m_rateColumn.isEmpty() || !m_dataset || !m_dataset->isOpen() || m_dataset->eof())
        return;
    const int row = currentRow();
    if (row < 0)
        return;
    m_dataset->setValue(m_rateColumn, QTax().fieldAt(row, QStringLiteral("Rate")).asFloat());
}

} // namespace kvr::search
