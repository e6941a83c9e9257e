#include "pos/TFrCreditCardInfo.h"

#include "ui/base/Prompter.h"
#include "util/Rounding.h"

#include <QLocale>

namespace kvr::pos {

namespace {

const QStringList kCardColumns = {
    QStringLiteral("RcptType"), QStringLiteral("RcptDocId"), QStringLiteral("RcptRecNo"),  QStringLiteral("CreditCard"),
    QStringLiteral("CardNo"),   QStringLiteral("SlipNo"),    QStringLiteral("VerifyCode"), QStringLiteral("Deposit"),
    QStringLiteral("CardRcpt"), QStringLiteral("CardRate"),  QStringLiteral("CardCharge"), QStringLiteral("CardAmount"),
};

QStringList cardInsertSql()
{
    QStringList values;
    for (const QString& c : kCardColumns)
        values << QLatin1Char(':') + c;
    return {QStringLiteral("insert into CreditCardInfo"),
            QLatin1Char('(') + kCardColumns.join(QLatin1Char(',')) + QLatin1Char(')'), QStringLiteral("values"),
            QLatin1Char('(') + values.join(QLatin1Char(',')) + QLatin1Char(')')};
}

QStringList cardModifySql()
{
    QStringList lines{QStringLiteral("update CreditCardInfo"), QStringLiteral("set")};
    for (qsizetype i = 0; i < kCardColumns.size(); ++i)
        lines << QStringLiteral("  %1 = :%1%2")
                     .arg(kCardColumns[i], i + 1 < kCardColumns.size() ? QStringLiteral(",") : QString());
    lines << QStringLiteral("where") << QStringLiteral("  Id = :OLD_Id");
    return lines;
}

} // namespace

TFrCreditCardInfo::TFrCreditCardInfo(ui::Prompter& prompter, data::Connection& connection, QObject* parent)
    : QObject(parent)
    , m_prompter(prompter)
    , m_qCard(connection)
    , m_qGetCardId(connection)
    , m_qCreditCard(connection)
{
    m_qCard.setSqlLines({QStringLiteral("select id,cardcode,cardname"), QStringLiteral("from creditcard"),
                         QStringLiteral("order by cardcode")});
    m_qGetCardId.setSqlLines({QStringLiteral("select id,cardcode,cardname,charge"), QStringLiteral("from creditcard"),
                              QStringLiteral("where cardcode=:getcode")});
    m_qCreditCard.setSqlLines(
        {QStringLiteral("select c.Id,c.RcptType,c.RcptDocId,c.RcptRecNo,c.CreditCard,c.CardNo,c.SlipNo,"),
         QStringLiteral("c.VerifyCode,c.Deposit,c.CardRcpt,c.CardRate,c.CardCharge,c.CardAmount,"),
         QStringLiteral("g.cardcode,g.cardname,g.charge"), QStringLiteral("from creditcardinfo c"),
         QStringLiteral("inner join creditcard g on g.id=c.creditcard"),
         QStringLiteral("where c.rcpttype=:typeid and c.rcptdocid=:docid"), QStringLiteral("order by c.rcptrecno")});
    m_qCreditCard.insertSql() = cardInsertSql();
    m_qCreditCard.modifySql() = cardModifySql();
    m_qCreditCard.deleteSql() = {QStringLiteral("delete from CreditCardInfo"), QStringLiteral("where"),
                                 QStringLiteral("  Id = :OLD_Id")};
}

void TFrCreditCardInfo::FormShow()
{
    if (!m_qCard.isOpen())
        OpenCardRows(RcptType, RcptDocId);
    RecalcCardTotals();
}

void TFrCreditCardInfo::OpenCardRows(int rcptType, int rcptDocId)
{
    RcptType = rcptType;
    RcptDocId = rcptDocId;
    m_qCard.close();
    m_qCard.open();
    m_qCreditCard.close();
    m_qCreditCard.setParam(QStringLiteral("typeid"), rcptType);
    m_qCreditCard.setParam(QStringLiteral("docid"), rcptDocId);
    m_qCreditCard.open();
    RecalcCardTotals();
    SetCardRowReadOnly();
}

void TFrCreditCardInfo::RecalcCardTotals()
{
    TotalCardRcpt = TotalCardCharge = TotalCardAmount = 0;
    if (m_qCreditCard.isOpen()) {
        m_qCreditCard.post();
        for (int row = 0; row < m_qCreditCard.recordCount(); ++row) {
            TotalCardCharge += m_qCreditCard.fieldAt(row, QStringLiteral("CardCharge")).asFloat();
            TotalCardRcpt += m_qCreditCard.fieldAt(row, QStringLiteral("CardRcpt")).asFloat();
            TotalCardAmount += m_qCreditCard.fieldAt(row, QStringLiteral("CardAmount")).asFloat();
        }
    }
    emit totalsChanged();
}

void TFrCreditCardInfo::GetCardCodeExit()
{
    if (!m_qCreditCard.isOpen() || m_qCreditCard.eof())
        return;
    m_qCreditCard.edit();
    m_qGetCardId.setParam(QStringLiteral("getcode"),
                          m_qCreditCard.field(QStringLiteral("cardcode")).asString().trimmed());
    m_qGetCardId.open();
    if (m_qGetCardId.isEmpty()) {
        for (const char* f : {"CreditCard", "cardname", "CardRate"})
            m_qCreditCard.setValue(QString::fromLatin1(f), QVariant());
    } else if (!CardRowReadOnly()) {
        m_qCreditCard.setValue(QStringLiteral("CreditCard"), m_qGetCardId.field(QStringLiteral("id")).asInteger());
        m_qCreditCard.setValue(QStringLiteral("cardname"), m_qGetCardId.field(QStringLiteral("cardname")).value());
        m_qCreditCard.setValue(QStringLiteral("CardRate"), m_qGetCardId.field(QStringLiteral("charge")).asFloat());
    }
}

void TFrCreditCardInfo::GetRcptExit()
{
    if (!m_qCreditCard.isOpen() || m_qCreditCard.eof())
        return;
    m_qCreditCard.edit();
    const long double rcpt = m_qCreditCard.field(QStringLiteral("CardRcpt")).asFloat();
    const long double rate = m_qCreditCard.field(QStringLiteral("CardRate")).asFloat();
    if (rate > 0)
        m_qCreditCard.setValue(QStringLiteral("CardCharge"), double(util::RoundHalfUp(rcpt * rate / 100, 15, 2)));
    const long double charge = m_qCreditCard.field(QStringLiteral("CardCharge")).asFloat();
    m_qCreditCard.setValue(QStringLiteral("CardAmount"), double(rcpt + charge));
    RecalcCardTotals();
}

bool TFrCreditCardInfo::CardRowReadOnly() const
{
    return m_qCreditCard.isOpen() && !m_qCreditCard.eof() &&
        m_qCreditCard.field(QStringLiteral("Deposit")).asString().trimmed() == QLatin1String("Y");
}

void TFrCreditCardInfo::SetCardRowReadOnly()
{
    const bool readOnly = CardRowReadOnly();
    if (readOnly != m_readOnly) {
        m_readOnly = readOnly;
        emit readOnlyChanged(readOnly);
    }
}

bool TFrCreditCardInfo::BOkClick()
{
    data::CachedDataset& q = m_qCreditCard;
    if (q.isOpen()) {
        q.post();
        const int current = q.recNo();
        int row = 0;
        while (row < q.recordCount()) {
            const auto text = [&](const char* f) {
                return q.fieldAt(row, QString::fromLatin1(f)).asString().trimmed();
            };
            const auto amount = [&](const char* f) { return q.fieldAt(row, QString::fromLatin1(f)).asFloat(); };
            const bool texts = !text("cardcode").isEmpty() && !text("CardNo").isEmpty() && !text("SlipNo").isEmpty();
            // A type code that named no card type leaves the row without one; saving would drop it
            // and the header's card amount would have no slip behind it.
            const bool typed = !q.fieldAt(row, QStringLiteral("CreditCard")).isNull();
            if (texts && typed && amount("CardRcpt") > 0 && amount("CardAmount") > 0) {
                ++row;
                continue;
            }
            const bool blank = text("cardcode").isEmpty() && text("CardNo").isEmpty() && text("SlipNo").isEmpty() &&
                amount("CardRcpt") == 0 && amount("CardAmount") == 0;
            if (!blank) {
                q.setRecNo(row);
                m_prompter.information(QStringLiteral("ป้อนรายละเอียดบัตรเครดิตไม่ครบ"));
                return false;
            }
            q.setRecNo(row);
            q.remove();
        }
        q.setRecNo(std::min(current, std::max(0, q.recordCount() - 1)));
    }
    RecalcCardTotals();
    return true;
}

void TFrCreditCardInfo::BDelLineClick()
{
    if (!m_qCreditCard.isOpen() || m_qCreditCard.isEmpty())
        return;
    m_qCreditCard.remove();
    RecalcCardTotals();
    SetCardRowReadOnly();
}

void TFrCreditCardInfo::BClearClick()
{
    if (!m_qCreditCard.isOpen())
        return;
    m_qCreditCard.post();
    while (!m_qCreditCard.isEmpty()) {
        m_qCreditCard.first();
        m_qCreditCard.remove();
    }
    RecalcCardTotals();
    SetCardRowReadOnly();
}

void TFrCreditCardInfo::SaveCardRows()
{
    data::CachedDataset& q = m_qCreditCard;
    if (!q.isOpen())
        return;
    q.post();
    int counter = 0;
    int row = 0;
    while (row < q.recordCount()) {
        q.setRecNo(row);
        if (q.field(QStringLiteral("CreditCard")).isNull() || q.field(QStringLiteral("CardRcpt")).isNull() ||
            q.field(QStringLiteral("CardAmount")).isNull()) {
            q.remove();
            continue;
        }
        q.setValue(QStringLiteral("RcptRecNo"), ++counter);
        q.setValue(QStringLiteral("RcptType"), RcptType);
        q.setValue(QStringLiteral("RcptDocId"), RcptDocId);
        if (q.field(QStringLiteral("Deposit")).isNull())
            q.setValue(QStringLiteral("Deposit"), QStringLiteral("N"));
        q.post();
        ++row;
    }
    q.applyUpdates();
    RecalcCardTotals();
}

void TFrCreditCardInfo::CommitCardRows()
{
    if (m_qCreditCard.isOpen())
        m_qCreditCard.commitUpdates();
}

QString TFrCreditCardInfo::ShortestText(long double value)
{
    return QString::number(double(value), 'g', QLocale::FloatingPointShortest).trimmed();
}

QString TFrCreditCardInfo::FooterRcpt() const
{
    return ShortestText(TotalCardRcpt);
}

QString TFrCreditCardInfo::FooterAmount() const
{
    return ShortestText(TotalCardAmount);
}

} // namespace kvr::pos
