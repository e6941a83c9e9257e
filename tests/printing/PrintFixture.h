#pragma once

#include "support/PdfText.h"
#include "support/SessionFixture.h"

#include <functional>

namespace kvr::test {

// Both backends, the session of user 1 (Thai) on SHOP with what the page layouts read: a
// product sold by the piece and by the box of 12, and the bills and forms the tests add.
// Layout files are written into the working folder.
class PrintFixture : public SessionFixture
{
protected:
    void buildShop(ShopBuilder& shop) override;

    // A bill of type P of 14 March 2026 with `lines` lines; line n sells n pieces of a product of its own, named
    // `name(n)`, at 10.50.
    void addBill(const QString& number, int lines, const std::function<QString(int)>& name = {});
    void addForm(const QString& code, int order, const QString& description, const QString& file,
                 const QString& procedure = {}, const QString& preview = QStringLiteral("N"));
    // Writes a layout file into the working folder; its path.
    QString writeLayout(const QString& name, const QString& text);
    int usageLogs(int function);

    int piece = 0, box = 0;
};

} // namespace kvr::test
