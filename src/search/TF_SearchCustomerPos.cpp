#include "search/TF_SearchCustomerPos.h"

#include "data/Connection.h"

namespace kvr::search {

namespace {

// Lines of the statement replaced before each search; a criterion left empty leaves its line empty.
enum Line {
    kBlockedLine = 4,
    kProvinceLine,
    kSalesmanLine,
    kCodeLine,
    kPhoneLine,
    kFaxLine,
    kNameLine,
    kNameEngLine,
    kAttributeLine,
    kOrderLine
};

} // namespace

TF_SearchCustomerPos::TF_SearchCustomerPos(data::TDM& dm, ui::Prompter& prompter, data::Connection& connection,
                                           Place place, QObject* parent)
    : SearchScreen(dm, prompter, connection, parent)
    , m_place(place)
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

QStringList TF_SearchCustomerPos::statement()
{
    const data::Dialect& dialect = QSearch().connection().dialect();
    const auto trimmed = [](const char* column) {
        return QStringLiteral("Trim(Coalesce(%1, ''))").arg(QLatin1String(column));
    };
    const QString space = QStringLiteral("' '");
    const QString address =
        dialect.concat({trimmed("C.Address1"), space, trimmed("C.Address2"), space, trimmed("C.Address3"), space,
                        QStringLiteral("Coalesce(P.Description, '')")});
    const QString salesName = dialect.concat(
        {QStringLiteral("Coalesce(S.Name, '')"), QStringLiteral("'  '"), QStringLiteral("Coalesce(S.Surname, '')")});
    // Customers without a province or a salesman are listed as long as no such criterion is typed.
    return {QStringLiteral("SELECT C.Id, C.Code, C.Name, C.NameEng, ") + address + QStringLiteral(" AS Description, ") +
                salesName + QStringLiteral(" AS SalesName, C.PhoneNo, C.FaxNo"),
            QStringLiteral("FROM Customer C"),
            QStringLiteral("LEFT JOIN Misc P ON (P.Id = C.Province)"),
            QStringLiteral("LEFT JOIN Salesman S ON (S.Id = C.Salesman)"),
            QString(),
            QString(),
            QString(),
            QString(),
            QString(),
            QString(),
            QString(),
            QString(),
            QString(),
            m_order};
}

void TF_SearchCustomerPos::prepareSearch()
{
    const data::Dialect& dialect = QSearch().connection().dialect();
    data::CachedDataset& q = QSearch();
    // Every criterion is a parameter value: what is typed never becomes part of the statement.
    const auto criterionLine = [&](int line, const char* name, const QString& condition, const QString& pattern) {
        const QString text = criterionText(QLatin1String(name)).trimmed();
        q.setLine(line, text.isEmpty() ? QString() : QStringLiteral("  AND ") + condition);
        q.setParam(QStringLiteral("Get") + QLatin1String(name), pattern.arg(text));
    };
    q.setLine(kBlockedLine,
              m_showBlocked ? QStringLiteral("WHERE (Coalesce(C.Blocked, '') <> 'Z')")
                            : QStringLiteral("WHERE (C.Blocked = 'N')"));
    criterionLine(kProvinceLine, "Province", QStringLiteral("(P.Code LIKE :GetProvince)"), QStringLiteral("%1%"));
    criterionLine(kSalesmanLine, "Salesman", QStringLiteral("(S.Code LIKE :GetSalesman)"), QStringLiteral("%1%"));
    criterionLine(kCodeLine, "Code", QStringLiteral("(C.Code LIKE :GetCode)"), QStringLiteral("%1%"));
    criterionLine(kPhoneLine, "Phone", QStringLiteral("(C.PhoneNo LIKE :GetPhone)"), QStringLiteral("%%1%"));
    criterionLine(kFaxLine, "Fax", QStringLiteral("(C.FaxNo LIKE :GetFax)"), QStringLiteral("%%1%"));
    criterionLine(kNameLine, "Name",
                  QLatin1Char('(') + dialect.likeNoCase(QStringLiteral("C.Name"), QStringLiteral(":GetName")) +
                      QLatin1Char(')'),
                  QStringLiteral("%%1%"));
    criterionLine(kNameEngLine, "NameEng",
                  QLatin1Char('(') + dialect.likeNoCase(QStringLiteral("C.NameEng"), QStringLiteral(":GetNameEng")) +
                      QLatin1Char(')'),
                  QStringLiteral("%%1%"));
    QString from = criterionText(QStringLiteral("AttributeFrom")).trimmed();
    QString to = criterionText(QStringLiteral("AttributeTo")).trimmed();
    // One end typed: the range is that one code.
    if (from.isEmpty())
        from = to;
    if (to.isEmpty())
        to = from;
    q.setLine(kAttributeLine,
              from.isEmpty() ? QString()
                             : QStringLiteral("  AND (C.Id IN (SELECT Customer FROM CustomerAttribute "
                                              "WHERE (GroupCode BETWEEN :AttrFrom AND :AttrTo)))"));
    q.setParam(QStringLiteral("AttrFrom"), from);
    q.setParam(QStringLiteral("AttrTo"), to);
    q.setLine(kOrderLine, m_order);
}

void TF_SearchCustomerPos::titleClick(const QString& field)
{
    const QString upper = field.trimmed().toUpper();
    if (upper == QLatin1String("CODE"))
        m_order = QStringLiteral("ORDER BY C.Code");
    else if (upper == QLatin1String("NAME"))
        m_order = QStringLiteral("ORDER BY C.Name");
    else if (upper == QLatin1String("SALESNAME"))
        m_order = QStringLiteral("ORDER BY S.Surname");
    else if (upper == QLatin1String("DESCRIPTION"))
        m_order = QStringLiteral("ORDER BY P.Description");
    else
        return;
    if (QSearch().isOpen())
        BtSearchClick();
}

} // namespace kvr::search
