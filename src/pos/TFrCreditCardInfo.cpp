#include "pos/TFrCreditCardInfo.h"

#include "pos/PosColumns.h"
#include "ui/base/Prompter.h"
#include "util/Flags.h"
#include "util/Rounding.h"

#include <QLocale>

namespace kvr::pos {

namespace {

bool isField(const QString& field, const QString& name)
{
    return field.compare(name, Qt::CaseInsensitive) == 0;
}

} // namespace

TFrCreditCardInfo::TFrCreditCardInfo(ui::Prompter& prompter, data::Connection& connection, QObject* parent)
    : QObject(parent)
    , m_prompter(prompter)
    , m_store(connection)
{ }

void TFrCreditCardInfo::FormShow()
{
    if (!QCard().isOpen())
        OpenCardRows(RcptType, RcptDocId);
    RecalcCardTotals();
}

void TFrCreditCardInfo::prepareRows()
{
    FormShow();
    if (QCreditCard().isOpen() && QCreditCard().isEmpty())
        QCreditCard().append();
}

void TFrCreditCardInfo::OpenCardRows(int rcptType, int rcptDocId)
{
    RcptType = rcptType;
    RcptDocId = rcptDocId;
    m_store.reloadCardTypes();
    m_store.openPayments(rcptType, rcptDocId);
    RecalcCardTotals();
    SetCardRowReadOnly();
}

void TFrCreditCardInfo::RecalcCardTotals()
{
    TotalCardRcpt = TotalCardCharge = TotalCardAmount = 0;
    data::CachedDataset& rows = QCreditCard();
    if (rows.isOpen()) {
        rows.post();
        for (int row = 0; row < rows.recordCount(); ++row) {
            TotalCardCharge += rows.fieldAt(row, card::CardCharge).asFloat();
            TotalCardRcpt += rows.fieldAt(row, card::CardRcpt).asFloat();
            TotalCardAmount += rows.fieldAt(row, card::CardAmount).asFloat();
        }
    }
    emit totalsChanged();
}

void TFrCreditCardInfo::GetCardCodeExit()
{
    data::CachedDataset& rows = QCreditCard();
    if (!rows.isOpen() || rows.eof())
        return;
    rows.edit();
    const std::optional<CardType> type = m_store.cardByCode(rows.field(card::cardcode).asString().trimmed());
    if (!type) {
        for (const QString* field : {&card::CreditCard, &card::cardname, &card::CardRate})
            rows.setValue(*field, QVariant());
    } else if (!currentRowReadOnly()) {
        rows.setValue(card::CreditCard, type->id);
        rows.setValue(card::cardname, type->name);
        rows.setValue(card::CardRate, type->charge);
    }
}

void TFrCreditCardInfo::GetRcptExit()
{
    data::CachedDataset& rows = QCreditCard();
    if (!rows.isOpen() || rows.eof())
        return;
    rows.edit();
    const long double rcpt = rows.field(card::CardRcpt).asFloat();
    const long double rate = rows.field(card::CardRate).asFloat();
    if (rate > 0)
        rows.setValue(card::CardCharge, double(util::RoundHalfUp(rcpt * rate / 100, 15, 2)));
    const long double charge = rows.field(card::CardCharge).asFloat();
    rows.setValue(card::CardAmount, double(rcpt + charge));
    RecalcCardTotals();
}

void TFrCreditCardInfo::cellExit(const QString& field, int row)
{
    const data::CachedDataset& rows = QCreditCard();
    if (!rows.isOpen() || rows.eof() || (row >= 0 && rows.recNo() != row))
        return;
    if (isField(field, card::cardcode))
        GetCardCodeExit();
    else if (lockedWhenDeposited().contains(field, Qt::CaseInsensitive))
        GetRcptExit();
}

bool TFrCreditCardInfo::appendRow(const QString& fieldLeft)
{
    data::CachedDataset& rows = QCreditCard();
    if (!rows.isOpen() || rows.eof())
        return false;
    cellExit(fieldLeft);
    if (rows.field(card::cardcode).asString().trimmed().isEmpty())
        return false;
    rows.post();
    rows.append();
    return true;
}

const QStringList& TFrCreditCardInfo::lockedWhenDeposited()
{
    static const QStringList cells = {card::cardcode, card::CardRcpt, card::CardRate, card::CardCharge};
    return cells;
}

bool TFrCreditCardInfo::rowDeposited(int row) const
{
    return util::isFlagSet(QCreditCard().fieldAt(row, card::Deposit).asString());
}

bool TFrCreditCardInfo::cellReadOnly(int row, const QString& field) const
{
    return lockedWhenDeposited().contains(field, Qt::CaseInsensitive) && rowDeposited(row);
}

bool TFrCreditCardInfo::currentRowReadOnly() const
{
    const data::CachedDataset& rows = QCreditCard();
    return rows.isOpen() && !rows.eof() && rowDeposited(rows.recNo());
}

void TFrCreditCardInfo::SetCardRowReadOnly()
{
    const bool readOnly = currentRowReadOnly();
    if (readOnly != m_readOnly) {
        m_readOnly = readOnly;
        emit readOnlyChanged(readOnly);
    }
}

bool TFrCreditCardInfo::BOkClick()
{
    data::CachedDataset& q = QCreditCard();
    if (q.isOpen()) {
        q.post();
        const int current = q.recNo();
        int row = 0;
        while (row < q.recordCount()) {
            const auto text = [&](const QString& field) { return q.fieldAt(row, field).asString().trimmed(); };
            const auto amount = [&](const QString& field) { return q.fieldAt(row, field).asFloat(); };
            const bool texts =
                !text(card::cardcode).isEmpty() && !text(card::CardNo).isEmpty() && !text(card::SlipNo).isEmpty();
            // A type code that named no card type leaves the row without one; saving would drop it
            // and the header's card amount would have no slip behind it.
            const bool typed = !q.fieldAt(row, card::CreditCard).isNull();
            if (texts && typed && amount(card::CardRcpt) > 0 && amount(card::CardAmount) > 0) {
                ++row;
                continue;
            }
            const bool blank = text(card::cardcode).isEmpty() && text(card::CardNo).isEmpty() &&
                text(card::SlipNo).isEmpty() && amount(card::CardRcpt) == 0 && amount(card::CardAmount) == 0;
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
    data::CachedDataset& rows = QCreditCard();
    if (!rows.isOpen() || rows.isEmpty())
        return;
    rows.remove();
    RecalcCardTotals();
    SetCardRowReadOnly();
}

void TFrCreditCardInfo::BClearClick()
{
    data::CachedDataset& rows = QCreditCard();
    if (!rows.isOpen())
        return;
    rows.post();
    while (!rows.isEmpty()) {
        rows.first();
        rows.remove();
    }
    RecalcCardTotals();
    SetCardRowReadOnly();
}

void TFrCreditCardInfo::SaveCardRows()
{
    data::CachedDataset& q = QCreditCard();
    if (!q.isOpen())
        return;
    q.post();
    int counter = 0;
    int row = 0;
    while (row < q.recordCount()) {
        q.setRecNo(row);
        if (q.field(card::CreditCard).isNull() || q.field(card::CardRcpt).isNull() ||
            q.field(card::CardAmount).isNull()) {
            q.remove();
            continue;
        }
        q.setValue(card::RcptRecNo, ++counter);
        q.setValue(card::RcptType, RcptType);
        q.setValue(card::RcptDocId, RcptDocId);
        if (q.field(card::Deposit).isNull())
            q.setValue(card::Deposit, util::flagText(false));
        q.post();
        ++row;
    }
    q.applyUpdates();
    RecalcCardTotals();
}

void TFrCreditCardInfo::commitCardRows()
{
    if (QCreditCard().isOpen())
        QCreditCard().commitUpdates();
}

QString TFrCreditCardInfo::shortestText(long double value)
{
    return QString::number(double(value), 'g', QLocale::FloatingPointShortest).trimmed();
}

QString TFrCreditCardInfo::rcptTotalText() const
{
    return shortestText(TotalCardRcpt);
}

QString TFrCreditCardInfo::amountTotalText() const
{
    return shortestText(TotalCardAmount);
}

} // namespace kvr::pos
