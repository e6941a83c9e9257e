#include "search/TFrSearchUnit.h"

namespace kvr::search {

namespace {
constexpr int kRoleLine = 2;
}

TFrSearchUnit::TFrSearchUnit(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : SearchScreen(dm, prompter, parent)
{
    setCaption(thai() ? QStringLiteral("ค้นหาหน่วยนับ") : QStringLiteral("Search Unit"));
    setKeyColumn(QStringLiteral("UnitName"));
    addCriterion(QStringLiteral("UnitName"), QStringLiteral("หน่วยนับ"), QStringLiteral("Unit"), true);
    addColumn(QStringLiteral("UnitName"), 12, thai() ? QStringLiteral("หน่วยนับ") : QStringLiteral("Unit"));
    addColumn(QStringLiteral("Fraction"), 8, thai() ? QStringLiteral("อัตราส่วน") : QStringLiteral("Fraction"),
              QStringLiteral("#,##0.##"));
    addColumn(QStringLiteral("BarCode"), 15, thai() ? QStringLiteral("บาร์โค้ด") : QStringLiteral("Barcode"));
}

QStringList TFrSearchUnit::statement()
{
    return {QStringLiteral("SELECT Id, UnitName, Fraction, BarCode FROM ProductUnits"),
            QStringLiteral("WHERE (Product = :ProductId) AND (UnitName LIKE :GetUnit)"), QString(),
            QStringLiteral("ORDER BY Fraction, UnitName")};
}

void TFrSearchUnit::prepareSearch()
{
    QString role;
    if (m_role == Role::Sale)
        role = QStringLiteral("AND (SaleFlag = 'Y')");
    else if (m_role == Role::Purchase)
        role = QStringLiteral("AND (PurcFlag = 'Y')");
    QSearch().setLine(kRoleLine, role);
    QSearch().setParam(QStringLiteral("ProductId"), m_productId);
    QSearch().setParam(QStringLiteral("GetUnit"), startsWith(criterionText(QStringLiteral("UnitName"))));
}

} // namespace kvr::search
