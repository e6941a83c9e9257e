#pragma once

#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "support/ScriptedPrompter.h"
#include "support/TestServer.h"

#include <QDate>
#include <QVariant>
#include <memory>
#include <utility>

namespace kvr::test {

// A shop on either backend with what the page layouts read: the company SHOP (user 1, Thai),
// its Config row, a product sold by the piece and by the box of 12, and POS bills added by the
// tests. Layout files are written into the working folder.
class PrintFixture : public BackendTest
{
public:
    using Params = std::initializer_list<std::pair<const char*, QVariant>>;
    static constexpr int kPieceUnit = 1;
    static constexpr int kBoxUnit = 2;
    static inline const QDate kBillDate{2026, 3, 14};

protected:
    void SetUp() override;
    void TearDown() override;

    int exec(const QString& sql, Params params = {});
    QVariant scalar(const QString& sql, Params params = {});
    // A bill of type P with `lines` lines; line n sells n pieces of `name(n)` at 10.50.
    void addBill(const QString& number, int lines, const std::function<QString(int)>& name = {});
    void addForm(const QString& code, int order, const QString& description, const QString& file,
                 const QString& procedure = {}, const QString& preview = QStringLiteral("N"));
    // Writes a layout file into the working folder; its path.
    QString writeLayout(const QString& name, const QString& text);
    int usageLogs(int function);
    QString workDir() const { return server->workingDirectory(); }

    std::unique_ptr<data::TDMConfig> config;
    std::unique_ptr<data::TDM> dm;
    ScriptedPrompter prompter;
};

// The text of a PDF file as pdftotext reads it; pages end with a form feed.
QString pdfText(const QString& path);

} // namespace kvr::test
