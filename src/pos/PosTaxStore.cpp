#include "pos/PosTaxStore.h"

namespace kvr::pos {

PosTaxStore::PosTaxStore(data::Connection& connection)
    : m_taxes(connection, QStringLiteral("SELECT Id, Code, Description, Rate FROM Tax ORDER BY Code"))
{ }

double PosTaxStore::rateOf(int taxId)
{
    if (!m_taxes.isOpen())
        m_taxes.open();
    for (int row = 0; row < m_taxes.recordCount(); ++row) {
        if (m_taxes.fieldAt(row, QStringLiteral("Id")).asInteger() == taxId)
            return m_taxes.fieldAt(row, QStringLiteral("Rate")).asFloat();
    }
    return 0.0;
}

} // namespace kvr::pos
