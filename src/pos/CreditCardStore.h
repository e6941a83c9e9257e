#pragma once

#include "data/CachedDataset.h"
#include "data/Query.h"

#include <optional>

namespace kvr::pos {

// A card type with its name and the surcharge rate the card company takes.
struct CardType
{
    int id = 0;
    QVariant name;
    double charge = 0;
};

// The card types, and the card payments of one receipt document held as cached updates until the
// document is saved.
class CreditCardStore
{
public:
    explicit CreditCardStore(data::Connection& connection);

    // Every card type (Id, cardcode, cardname), by code.
    data::Query& cardTypes() { return m_cardTypes; }
    void reloadCardTypes();
    std::optional<CardType> cardByCode(const QString& code);

    // The payments of that document, with their card type's code, name and rate.
    data::CachedDataset& payments() { return m_payments; }
    const data::CachedDataset& payments() const { return m_payments; }
    void openPayments(int rcptType, int rcptDocId);

private:
    data::Query m_cardTypes;
    data::Query m_cardByCode;
    data::CachedDataset m_payments;
};

} // namespace kvr::pos
