#include "pos/CreditCardStore.h"

#include "pos/PosColumns.h"

namespace kvr::pos {

namespace {

// Stored columns of a card payment, in the order the statements write them.
const QStringList& storedColumns()
{
    static const QStringList columns = {card::RcptType, card::RcptDocId, card::RcptRecNo,  card::CreditCard,
                                        card::CardNo,   card::SlipNo,    card::VerifyCode, card::Deposit,
                                        card::CardRcpt, card::CardRate,  card::CardCharge, card::CardAmount};
    return columns;
}

QStringList insertStatement()
{
    QStringList values;
    for (const QString& c : storedColumns())
        values << QLatin1Char(':') + c;
    return {QStringLiteral("insert into CreditCardInfo"),
            QLatin1Char('(') + storedColumns().join(QLatin1Char(',')) + QLatin1Char(')'), QStringLiteral("values"),
            QLatin1Char('(') + values.join(QLatin1Char(',')) + QLatin1Char(')')};
}

QStringList modifyStatement()
{
    const QStringList& columns = storedColumns();
    QStringList lines{QStringLiteral("update CreditCardInfo"), QStringLiteral("set")};
    for (qsizetype i = 0; i < columns.size(); ++i)
        lines
            << QStringLiteral("  %1 = :%1%2").arg(columns[i], i + 1 < columns.size() ? QStringLiteral(",") : QString());
    lines << QStringLiteral("where") << QStringLiteral("  Id = :OLD_Id");
    return lines;
}

} // namespace

CreditCardStore::CreditCardStore(data::Connection& connection)
    : m_cardTypes(connection)
    , m_cardByCode(connection)
    , m_payments(connection)
{
    m_cardTypes.setSqlLines({QStringLiteral("select id,cardcode,cardname"), QStringLiteral("from creditcard"),
                             QStringLiteral("order by cardcode")});
    m_cardByCode.setSqlLines({QStringLiteral("select id,cardcode,cardname,charge"), QStringLiteral("from creditcard"),
                              QStringLiteral("where cardcode=:getcode")});
    m_payments.setSqlLines(
        {QStringLiteral("select c.Id,c.RcptType,c.RcptDocId,c.RcptRecNo,c.CreditCard,c.CardNo,c.SlipNo,"),
         QStringLiteral("c.VerifyCode,c.Deposit,c.CardRcpt,c.CardRate,c.CardCharge,c.CardAmount,"),
         QStringLiteral("g.cardcode,g.cardname,g.charge"), QStringLiteral("from creditcardinfo c"),
         QStringLiteral("inner join creditcard g on g.id=c.creditcard"),
         QStringLiteral("where c.rcpttype=:typeid and c.rcptdocid=:docid"), QStringLiteral("order by c.rcptrecno")});
    m_payments.insertSql() = insertStatement();
    m_payments.modifySql() = modifyStatement();
    m_payments.deleteSql() = {QStringLiteral("delete from CreditCardInfo"), QStringLiteral("where"),
                              QStringLiteral("  Id = :OLD_Id")};
}

void CreditCardStore::reloadCardTypes()
{
    m_cardTypes.close();
    m_cardTypes.open();
}

std::optional<CardType> CreditCardStore::cardByCode(const QString& code)
{
    m_cardByCode.setParam(QStringLiteral("getcode"), code);
    m_cardByCode.open();
    if (m_cardByCode.isEmpty())
        return std::nullopt;
    return CardType{m_cardByCode.field(QStringLiteral("id")).asInteger(), m_cardByCode.field(card::cardname).value(),
                    m_cardByCode.field(card::charge).asFloat()};
}

void CreditCardStore::openPayments(int rcptType, int rcptDocId)
{
    m_payments.close();
    m_payments.setParam(QStringLiteral("typeid"), rcptType);
    m_payments.setParam(QStringLiteral("docid"), rcptDocId);
    // Ids start at 1: a document not saved yet has no payments to read.
    if (rcptDocId == 0)
        m_payments.openEmpty();
    else
        m_payments.open();
}

} // namespace kvr::pos
