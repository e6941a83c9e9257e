#include "search/TF_SearchLotShowOnHand.h"

#include "products/QuantityTexts.h"

namespace kvr::search {

TF_SearchLotShowOnHand::TF_SearchLotShowOnHand(data::TDM& dm, ui::Prompter& prompter, products::QuantityTexts& texts,
                                               QObject* parent)
    : SearchScreen(dm, prompter, parent)
    , m_texts(texts)
    , m_choices(dm, texts)
{
    setCaption(QStringLiteral("ค้นหา Lot คงเหลือ"));
    addColumn(QStringLiteral("Code"), 14, QStringLiteral("รหัส Lot"));
    addColumn(QStringLiteral("name"), 30, QStringLiteral("คำอธิบาย Lot"));
    addColumn(QStringLiteral("QntyString"), 24, QStringLiteral("คงเหลือ"));
    QSearch().addCalculatedField(QStringLiteral("QntyString"));
    QSearch().setCalcFieldsHandler([this](data::CachedDataset& q) {
        q.setValue(QStringLiteral("QntyString"),
                   m_texts.ProductQuantityText(m_productId, q.field(QStringLiteral("qnty")).asFloat()));
    });
}

void TF_SearchLotShowOnHand::setInputs(int productId, int year, int warehouseId, bool showAll)
{
    m_productId = productId;
    m_year = year;
    m_warehouseId = warehouseId;
    m_showAll = showAll;
}

void TF_SearchLotShowOnHand::FormShow()
{
    SearchScreen::FormShow();
    setCaption(m_choices.lotCaption(m_warehouseId));
    BtSearchClick();
    if (QSearch().isEmpty())
        emit focusRequested(Focus::Cancel);
}

QStringList TF_SearchLotShowOnHand::statement(const data::Dialect& dialect)
{
    Q_UNUSED(dialect);
    return products::OnHandChoices::lotStatement();
}

void TF_SearchLotShowOnHand::prepareSearch()
{
    products::OnHandChoices::bindLots(QSearch(), m_productId, m_year, m_warehouseId, m_showAll);
}

} // namespace kvr::search
