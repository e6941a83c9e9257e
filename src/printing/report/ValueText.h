#pragma once

#include <QJSValue>
#include <QString>
#include <QVariant>

namespace kvr::report {

// How a value of an expression is printed: numbers by the object's display picture (",0.00",
// "#,##0.##") or as their shortest decimal text, dates by a date picture ("dd/MM/yyyy", the
// default), empty for null and undefined, text as it is.
QString valueText(const QJSValue& value, const QString& picture);

// Thai long date with the Buddhist-era year: "14 มีนาคม 2569".
QString thaiDateText(const QDate& date);

// The formatting functions every layout has: FORMATFLOAT(picture, number),
// FORMATDATETIME(picture, date), DATETOSTR(date), THAIDATE(date).
QStringList formattingFunctionNames();
QVariant callFormattingFunction(const QString& name, const QVariantList& arguments);

} // namespace kvr::report
