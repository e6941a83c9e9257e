#include "data/DbError.h"
#include "ui/base/ErrorExplanation.h"

#include <gtest/gtest.h>
#include <new>

using kvr::data::DbFailure;
using kvr::ui::ErrorExplanation;

namespace {

TEST(ErrorExplanation, platform_messages_are_explained_whatever_their_case)
{
    const std::pair<const char*, const char*> cases[] = {
        // As the start-up raises it for a working date it cannot read.
        {"'31/02/2024' is not a valid date (dd/mm/yyyy)", "ป้อนวันที่ไม่ถูกต้อง"},
        {"Printer selected is not valid", "ยังไม่ได้กำหนดเครื่องพิมพ์ หรือ เครื่องพิมพ์มีปัญหา"},
        {"Insufficient memory for this operation", "Memory หน่วยความจำของเครื่องไม่เพียงพอ"},
    };
    for (const auto& [raised, explanation] : cases) {
        const QString message = QString::fromUtf8(raised);
        SCOPED_TRACE(raised);
        // As raised (mixed case), and all in capitals or small letters.
        for (const QString& variant : {message, message.toUpper(), message.toLower()})
            EXPECT_EQ(ErrorExplanation::explain(variant), QString::fromUtf8(explanation));
    }
}

// The kind explains it (as the real failures of both backends show); another server's wording on
// an error the backend did not classify explains nothing.
TEST(ErrorExplanation, a_database_error_is_never_explained_by_its_wording)
{
    const kvr::data::DbError foreign(QStringLiteral("Cannot insert duplicate key row in object 'dbo.PosHd'"));
    EXPECT_TRUE(ErrorExplanation::explain(std::make_exception_ptr(foreign)).isEmpty());
}

TEST(ErrorExplanation, a_missing_value_is_explained_by_its_column_however_the_backend_cases_it)
{
    EXPECT_EQ(ErrorExplanation::explain(DbFailure::NotNull, QStringLiteral("customer")),
              QStringLiteral("ไม่ได้ป้อนข้อมูลลูกค้า"));
    EXPECT_EQ(ErrorExplanation::explain(DbFailure::NotNull, QStringLiteral("WAREHOUSE")),
              QStringLiteral("ไม่ได้ป้อนข้อมูลคลัง"));
    // A column whose name only starts the same, or one the system has no text for.
    for (const char* column : {"CustomerId", "Code", ""})
        EXPECT_TRUE(ErrorExplanation::explain(DbFailure::NotNull, QString::fromLatin1(column)).isEmpty()) << column;
}

TEST(ErrorExplanation, running_out_of_memory_is_explained)
{
    EXPECT_EQ(ErrorExplanation::explain(std::make_exception_ptr(std::bad_alloc())),
              QStringLiteral("Memory หน่วยความจำของเครื่องไม่เพียงพอ"));
}

} // namespace
