#include "pos/PosHeaderChoices.h"

#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "pos/PosBill.h"
#include "pos/PosColumns.h"
#include "ui/base/Prompter.h"

#include <limits>

namespace kvr::pos {

PosHeaderChoices::PosHeaderChoices(PosBill& bill, data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : QObject(parent)
    , m_bill(bill)
    , m_dm(dm)
    , m_prompter(prompter)
    , m_tax(dm)
    , m_remark(dm, prompter, m_runner)
    , m_shipProvince(dm, prompter, m_runner)
{
    m_tax.bind(bill.QHd(), hd::TaxCode);
    // Choosing a tax code also gives the bill that tax's rate.
    m_tax.setRateColumn(hd::TaxRate);
    m_remark.bind(bill.QHd(), hd::Remark);
    m_remark.setMiscGroup(kRemarkGroup);
    m_shipProvince.bind(bill.QHd(), hd::ShipProvince);
}

std::vector<PosCurrency> PosHeaderChoices::currencies() const
{
    data::Query& misc = m_dm.QMiscCurrency();
    if (!misc.isOpen())
        misc.open();
    std::vector<PosCurrency> list;
    for (int row = 0; row < misc.recordCount(); ++row)
        list.push_back({misc.fieldAt(row, QStringLiteral("Id")).asInteger(),
                        misc.fieldAt(row, QStringLiteral("Code")).asString().trimmed(),
                        misc.fieldAt(row, QStringLiteral("Description")).asString().trimmed()});
    return list;
}

int PosHeaderChoices::currencyRow() const
{
    if (!m_bill.hasHeaderRow())
        return -1;
    const int id = m_bill.headerId(hd::CurrencyId);
    const std::vector<PosCurrency> list = currencies();
    for (size_t row = 0; row < list.size(); ++row)
        if (list[row].id == id)
            return static_cast<int>(row);
    return -1;
}

void PosHeaderChoices::refresh()
{
    m_remark.refresh();
    m_shipProvince.refresh();
}

bool PosHeaderChoices::thai() const
{
    return m_dm.config().session().ThaiLanguage;
}

bool PosHeaderChoices::takeRate(const QString& typed)
{
    const bool taken = applyRate(typed);
    // A rate refused shows as it was.
    emit textsChanged();
    return taken;
}

bool PosHeaderChoices::takeDiscount(int which, DiscountPart part, const QString& typed)
{
    const bool taken = applyDiscount(which, part, typed);
    if (taken)
        emit recalculationWanted();
    emit textsChanged();
    return taken;
}

bool PosHeaderChoices::applyRate(const QString& typed)
{
    bool number = false;
    const double rate = typed.trimmed().toDouble(&number);
    if (!number || rate <= 0) {
        m_prompter.information(thai() ? QStringLiteral("อัตราแลกเปลี่ยนต้องเป็นตัวเลขมากกว่า 0")
                                      : QStringLiteral("The exchange rate must be a number above 0"));
        return false;
    }
    m_bill.QHd().edit();
    m_bill.setHeader(hd::Rate, rate);
    return true;
}

bool PosHeaderChoices::applyDiscount(int which, DiscountPart part, const QString& typed)
{
    if (which < 1 || which > 3)
        return false;
    const double most = part == DiscountPart::Rate ? 100 : std::numeric_limits<double>::max();
    const QString text = typed.trimmed();
    bool number = text.isEmpty();
    const double value = number ? 0.0 : text.toDouble(&number);
    if (!number || !(value >= 0 && value <= most)) {
        m_prompter.information(part == DiscountPart::Rate
                                   ? (thai() ? QStringLiteral("ส่วนลดต้องเป็นตัวเลข 0 ถึง 100 %")
                                             : QStringLiteral("A discount rate is a number from 0 to 100"))
                                   : (thai() ? QStringLiteral("ส่วนลดต้องเป็นจำนวนเงินไม่ติดลบ")
                                             : QStringLiteral("A discount amount is a number not below 0")));
        return false;
    }
    const QString rateField = QStringLiteral("DiscRate") + QString::number(which);
    m_bill.QHd().edit();
    if (part == DiscountPart::Rate) {
        m_bill.setHeader(rateField, value);
    } else {
        // A rate would compute the amount again and overwrite the one typed.
        m_bill.setHeader(rateField, 0.0);
        m_bill.setHeader(QStringLiteral("DiscAmt") + QString::number(which), value);
    }
    return true;
}

ShipAddress PosHeaderChoices::shipAddress() const
{
    if (!m_bill.hasHeaderRow())
        return {};
    return {m_bill.headerText(hd::ShipAddr1), m_bill.headerText(hd::ShipAddr2), m_bill.headerText(hd::ShipAddr3),
            m_bill.headerText(hd::ShipZipCode), m_bill.headerText(hd::ShipPhone)};
}

void PosHeaderChoices::beginShipEdit()
{
    m_shipBefore = shipAddress();
    m_provinceBefore = m_bill.hasHeaderRow() ? m_bill.QHd().field(hd::ShipProvince).value() : QVariant();
    m_shipProvince.refresh();
}

void PosHeaderChoices::applyShipAddress(const ShipAddress& address)
{
    if (!m_bill.hasHeaderRow())
        return;
    m_bill.QHd().edit();
    const auto text = [](const QString& value) { return value.trimmed().isEmpty() ? QVariant() : QVariant(value); };
    const std::pair<const QString*, const QString*> fields[] = {{&hd::ShipAddr1, &address.addr1},
                                                                {&hd::ShipAddr2, &address.addr2},
                                                                {&hd::ShipAddr3, &address.addr3},
                                                                {&hd::ShipZipCode, &address.zipCode},
                                                                {&hd::ShipPhone, &address.phone}};
    for (const auto& [field, value] : fields)
        m_bill.setHeader(*field, text(*value));
}

void PosHeaderChoices::cancelShipEdit()
{
    if (!m_bill.hasHeaderRow())
        return;
    applyShipAddress(m_shipBefore);
    m_bill.setHeader(hd::ShipProvince, m_provinceBefore);
    m_shipProvince.refresh();
}

void PosHeaderChoices::editShipAddress(const std::function<bool()>& dialog)
{
    beginShipEdit();
    if (dialog && dialog())
        emit textsChanged();
    else
        cancelShipEdit();
}

} // namespace kvr::pos
