#pragma once

#include "pos/PosSearchRunner.h"
#include "search/TFaGetProvince.h"
#include "search/TFaGetRemark.h"
#include "search/TFaGetTaxCode.h"

#include <QObject>
#include <functional>
#include <vector>

namespace kvr::data {
class TDM;
}
namespace kvr::ui {
class Prompter;
}

namespace kvr::pos {

class PosBill;

// A currency a bill may be written in (a Misc row of group CURRENCY).
struct PosCurrency
{
    int id = 0;
    QString code;
    QString description;
};

// Where the goods of a bill go, as the ship-to dialog edits it.
struct ShipAddress
{
    QString addr1, addr2, addr3;
    QString zipCode, phone;

    bool operator==(const ShipAddress&) const = default;
};

// The header fields of the sale screen that are chosen rather than typed: the VAT code from the
// company's tax list, the currency, the remark (free text or one of the "REM_SALE" remarks) and
// the ship-to address with its province. The frames write straight into the bill's header.
class PosHeaderChoices : public QObject
{
    Q_OBJECT
public:
    static inline const QString kRemarkGroup = QStringLiteral("REM_SALE");

    PosHeaderChoices(PosBill& bill, data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);

    search::TFaGetTaxCode& taxFrame() { return m_tax; }
    search::TFaGetRemark& remarkFrame() { return m_remark; }
    search::TFaGetProvince& shipProvinceFrame() { return m_shipProvince; }
    void setSearchRunner(search::SearchRunner& runner) { m_runner.setTarget(&runner); }

    // The company's currencies in their order.
    std::vector<PosCurrency> currencies() const;
    // The row of currencies() the bill is written in; -1 without a bill or currency.
    int currencyRow() const;

    // The frames show what the bill holds now (another bill loaded, a new one started).
    void refresh();

    // What is typed into the header of a bill on screen; the fields show the header as it stands
    // after, taken or not. The exchange rate for a currency other than the main one; false,
    // after the message, for one that is not a positive number.
    bool takeRate(const QString& typed);
    // An end-of-bill discount (1 to 3) as typed on its page: a rate, or an amount that counts as
    // it is (its rate becomes 0); empty is 0. A text that is no number, below 0 or a rate above
    // 100 is refused after a message: false, and the bill is left alone.
    enum class DiscountPart { Rate, Amount };
    bool takeDiscount(int which, DiscountPart part, const QString& typed);

    // The ship-to address of the bill; editing keeps what it was, so that Cancel restores it with
    // its province.
    ShipAddress shipAddress() const;
    void beginShipEdit();
    void applyShipAddress(const ShipAddress& address);
    void cancelShipEdit();
    // The address edited in that dialog (true when it closed with OK); Cancel restores it.
    void editShipAddress(const std::function<bool()>& dialog);

signals:
    void textsChanged();
    // A discount was taken: the bill's totals must be worked out again.
    void recalculationWanted();

private:
    bool thai() const;
    bool applyRate(const QString& typed);
    bool applyDiscount(int which, DiscountPart part, const QString& typed);

    PosBill& m_bill;
    data::TDM& m_dm;
    ui::Prompter& m_prompter;
    PosSearchRunner m_runner;
    search::TFaGetTaxCode m_tax;
    search::TFaGetRemark m_remark;
    search::TFaGetProvince m_shipProvince;
    ShipAddress m_shipBefore;
    QVariant m_provinceBefore;
};

} // namespace kvr::pos
