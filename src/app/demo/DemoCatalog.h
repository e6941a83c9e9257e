#pragma once

#include <QString>
#include <vector>

namespace kvr::demo {

// What a shelf item is, before it gets ids: names, units and a retail price per piece.
struct CatalogItem
{
    QString thaiName;
    QString englishName;
    QString posName;
    QString group; // a PGROUP code
    QString pieceUnit; // the smallest unit
    QString boxUnit; // empty: the item has one unit only
    int boxFraction = 1;
    double piecePrice = 0;
    bool service = false;
    bool vatExempt = false;
    bool lotControl = false;
    bool useSerial = false;
    bool mayGoNegative = false;
    bool blocked = false;
    bool free = false;
    double discount = 0; // default line discount, percent
};

// The hand-picked items every demo shop has: the ones the screens' special cases need (lots,
// serials, services, VAT-exempt fresh goods, a free gift, a product no longer sold).
const std::vector<CatalogItem>& showcaseItems();

// The n-th generated item (n from 0) beyond the showcase: a base product, a maker's brand and a
// variant, each choice taken from n itself so that the catalogue does not depend on the seed.
CatalogItem generatedItem(int n);

} // namespace kvr::demo
