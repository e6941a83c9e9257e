#include "ui/base/ErrorExplanation.h"

#include <array>
#include <new>

namespace kvr::ui {

namespace {

struct Explanation
{
    const char* key;
    const char* text;
};

// A missing value, by the column the backend names (compared ignoring case: PostgreSQL folds
// unquoted names to lower case).
constexpr std::array<Explanation, 7> kMissingValue{{
    {"Transportation", "ไม่ได้ป้อนข้อมูลการขนส่ง"},
    {"Price", "กำหนดราคาไม่ครบถ้วน"},
    {"Warehouse", "ไม่ได้ป้อนข้อมูลคลัง"},
    {"Customer", "ไม่ได้ป้อนข้อมูลลูกค้า"},
    {"Vendor", "ไม่ได้ป้อนข้อมูลเจ้าหนี้"},
    {"Fraction", "ไม่ได้ป้อนข้อมูลหน่วย หรือ ข้อมูลหน่วยผิดพลาด"},
    {"Salesman", "ไม่ได้ป้อนข้อมูลพนักงานขาย"},
}};

// The platform's messages, searched in this order; a message matching several takes the first.
constexpr std::array<Explanation, 3> kPlatformMessages{{
    {"is not a valid date", "ป้อนวันที่ไม่ถูกต้อง"},
    {"Printer selected is not valid", "ยังไม่ได้กำหนดเครื่องพิมพ์ หรือ เครื่องพิมพ์มีปัญหา"},
    {"Insufficient memory", "Memory หน่วยความจำของเครื่องไม่เพียงพอ"},
}};

constexpr const char* kOutOfMemory = "Memory หน่วยความจำของเครื่องไม่เพียงพอ";

} // namespace

QString ErrorExplanation::explain(data::DbFailure kind, const QString& column)
{
    switch (kind) {
    case data::DbFailure::NotNull:
        for (const Explanation& entry : kMissingValue) {
            if (column.compare(QLatin1String(entry.key), Qt::CaseInsensitive) == 0)
                return QString::fromUtf8(entry.text);
        }
        return {};
    case data::DbFailure::Duplicate:
        return QStringLiteral("ข้อมูลที่เพิ่มซ้ำกับข้อมูลที่มีอยู่แล้ว");
    case data::DbFailure::StillReferenced:
        return QStringLiteral("ข้อมูลที่ลบถูกอ้างโดยข้อมูลอื่น ไม่สามารถลบข้อมูลนี้ได้");
    case data::DbFailure::ConnectionLost:
        return QStringLiteral("ระบบเครือข่าย หรือ คอมพิวเตอร์แม่ข่ายมีปัญหา ติดต่อเครื่องแม่ข่ายไม่ได้");
    case data::DbFailure::TimedOut:
        return QStringLiteral("เครื่องแม่ข่ายตัดการติดต่อ เพราะเครื่องนี้อาจเรียกข้อมูลปริมาณมากเกินไป");
    case data::DbFailure::TextTooLong:
        return QStringLiteral("ข้อความยาวเกินกว่าที่ช่อง %1 เก็บได้ กรุณาป้อนให้สั้นลง").arg(column);
    case data::DbFailure::UnstorableText:
        return QStringLiteral("ข้อความมีอักขระควบคุม (NUL) ที่บันทึกไม่ได้ กรุณาป้อนใหม่");
    case data::DbFailure::MissingReference:
    case data::DbFailure::Other:
        break;
    }
    return {};
}

QString ErrorExplanation::explain(const QString& message)
{
    for (const Explanation& entry : kPlatformMessages) {
        if (message.contains(QLatin1String(entry.key), Qt::CaseInsensitive))
            return QString::fromUtf8(entry.text);
    }
    return {};
}

QString ErrorExplanation::explain(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const data::DbError& dbError) {
        return explain(dbError.kind(), dbError.column());
    } catch (const std::bad_alloc&) {
        return QString::fromUtf8(kOutOfMemory);
    } catch (const std::exception& exception) {
        return explain(QString::fromUtf8(exception.what()));
    } catch (...) {
        return {};
    }
}

QString ErrorExplanation::dialogText(const QString& explanation, const QString& message)
{
    return explanation + QLatin1Char('\n') + message.toUpper() + QLatin1Char('\n');
}

} // namespace kvr::ui
