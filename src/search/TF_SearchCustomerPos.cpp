#include "search/TF_SearchCustomerPos.h"

#include "data/Connection.h"
#include "search/SearchStatements.h"

namespace kvr::search {

using Criterion = statements::CustomerPosSearch::Criterion;
using Statement = statements::CustomerPosSearch;

TF_SearchCustomerPos::TF_SearchCustomerPos(data::TDM& dm, ui::Prompter& prompter, data::Connection& connection,
                                           Place place, QObject* parent)
    : SearchScreen(dm, prompter, connection, parent)
    , m_place(place)
    , m_order(Statement::defaultOrder())
{
    setCaption(place == Place::Online ? QStringLiteral("ค้าหา รายชื่อลูกค้า/สมาชิก (Online สำนักงานใหญ่)")
                                      : QStringLiteral("ค้าหา รายชื่อลูกค้า/สมาชิก (Offline)"));
    addCriterion(QStringLiteral("Name"), QStringLiteral("ชื่อลูกค้า"), QStringLiteral("Name"));
    addCriterion(QStringLiteral("NameEng"), QStringLiteral("ชื่อภาษาอังกฤษ"), QStringLiteral("English name"));
    addCriterion(QStringLiteral("Code"), QStringLiteral("รหัสลูกค้า"), QStringLiteral("Code"), true);
    addCriterion(QStringLiteral("Phone"), QStringLiteral("โทรศัพท์"), QStringLiteral("Phone"));
    addCriterion(QStringLiteral("Fax"), QStringLiteral("แฟกซ์"), QStringLiteral("Fax"));
    addCriterion(QStringLiteral("Salesman"), QStringLiteral("รหัสพนักงานขาย"), QStringLiteral("Salesman"), true);
    addCriterion(QStringLiteral("Province"), QStringLiteral("รหัสจังหวัด"), QStringLiteral("Province"), true);
    addCriterion(QStringLiteral("AttributeFrom"), QStringLiteral("คุณสมบัติ จาก"), QStringLiteral("Attribute from"), true);
    addCriterion(QStringLiteral("AttributeTo"), QStringLiteral("ถึง"), QStringLiteral("to"), true);
    addColumn(QStringLiteral("Code"), 10, thai() ? QStringLiteral("รหัสลูกค้า") : QStringLiteral("Code"));
    addColumn(QStringLiteral("Name"), 28, thai() ? QStringLiteral("ชื่อลูกค้า") : QStringLiteral("Name"));
    addColumn(QStringLiteral("SalesName"), 18, thai() ? QStringLiteral("พนักงานขาย") : QStringLiteral("Salesman"));
    addColumn(QStringLiteral("Description"), 40,
              thai() ? QStringLiteral("ที่อยู่-จังหวัด") : QStringLiteral("Address, province"));
    addColumn(QStringLiteral("NameEng"), 25, thai() ? QStringLiteral("ชื่อภาษาอังกฤษ") : QStringLiteral("English name"));
    addColumn(QStringLiteral("PhoneNo"), 12, thai() ? QStringLiteral("โทรศัพท์") : QStringLiteral("Phone"));
    addColumn(QStringLiteral("FaxNo"), 12, thai() ? QStringLiteral("แฟกซ์") : QStringLiteral("Fax"));
}

QStringList TF_SearchCustomerPos::statement(const data::Dialect& dialect)
{
    return statements::CustomerPosSearch::lines(dialect);
}

void TF_SearchCustomerPos::prepareSearch()
{
    const data::Dialect& dialect = QSearch().connection().dialect();
    data::CachedDataset& q = QSearch();
    // Every criterion is a parameter value: what is typed never becomes part of the statement.
    const auto criterionSlot = [&](Criterion criterion, const char* name, const QString& pattern) {
        const QString text = criterionText(QLatin1String(name)).trimmed();
        q.setSlot(Statement::slotOf(criterion), text.isEmpty() ? QString() : Statement::condition(dialect, criterion));
        q.setParam(QStringLiteral("Get") + QLatin1String(name), pattern.arg(text));
    };
    q.setSlot(Statement::kBlocked, Statement::blocked(m_showBlocked));
    criterionSlot(Criterion::Province, "Province", QStringLiteral("%1%"));
    criterionSlot(Criterion::Salesman, "Salesman", QStringLiteral("%1%"));
    criterionSlot(Criterion::Code, "Code", QStringLiteral("%1%"));
    criterionSlot(Criterion::Phone, "Phone", QStringLiteral("%%1%"));
    criterionSlot(Criterion::Fax, "Fax", QStringLiteral("%%1%"));
    criterionSlot(Criterion::Name, "Name", QStringLiteral("%%1%"));
    criterionSlot(Criterion::NameEng, "NameEng", QStringLiteral("%%1%"));
    QString from = criterionText(QStringLiteral("AttributeFrom")).trimmed();
    QString to = criterionText(QStringLiteral("AttributeTo")).trimmed();
    // One end typed: the range is that one code.
    if (from.isEmpty())
        from = to;
    if (to.isEmpty())
        to = from;
    q.setSlot(Statement::kAttribute, from.isEmpty() ? QString() : Statement::attributeRange());
    q.setParam(QStringLiteral("AttrFrom"), from);
    q.setParam(QStringLiteral("AttrTo"), to);
    q.setSlot(Statement::kOrder, m_order);
}

void TF_SearchCustomerPos::titleClick(const QString& field)
{
    const QString order = Statement::orderBy(field);
    if (order.isEmpty())
        return;
    m_order = order;
    if (QSearch().isOpen())
        BtSearchClick();
}

} // namespace kvr::search
