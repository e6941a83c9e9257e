#include "data/dialect/Dialect.h"

#include "data/DbError.h"
#include "data/dialect/PostgresDialect.h"
#include "data/dialect/SqliteDialect.h"
#include "util/Rounding.h"

#include <QDateTime>
#include <QRegularExpression>

namespace kvr::data {

std::unique_ptr<Dialect> Dialect::forDriver(const QString& qtDriverName)
{
    if (qtDriverName == QLatin1String("QSQLITE"))
        return std::make_unique<SqliteDialect>();
    if (qtDriverName == QLatin1String("QPSQL"))
        return std::make_unique<PostgresDialect>();
    throw DbError(QStringLiteral("No database dialect for the driver \"%1\"").arg(qtDriverName));
}

std::unique_ptr<Dialect> Dialect::forBackend(ServerSpec::Backend backend)
{
    switch (backend) {
    case ServerSpec::Backend::Sqlite:
        return forDriver(QStringLiteral("QSQLITE"));
    case ServerSpec::Backend::Postgres:
        return forDriver(QStringLiteral("QPSQL"));
    case ServerSpec::Backend::SqlServer:
        break;
    }
    throw DbError(QStringLiteral("Microsoft SQL Server is not supported by this build; name the server in Server.Dat "
                                 "as sqlite:FOLDER or pgsql:HOST[:PORT]"));
}

DbFailure Dialect::brokenReference(const QString& statement)
{
    return statement.trimmed().startsWith(QLatin1String("DELETE"), Qt::CaseInsensitive) ? DbFailure::StillReferenced
                                                                                        : DbFailure::MissingReference;
}

QString Dialect::limit(const QString& select, int rows) const
{
    return select + QStringLiteral(" LIMIT %1").arg(rows);
}

QString Dialect::concat(const QStringList& parts) const
{
    return parts.join(QStringLiteral(" || "));
}

// SQLite's round() works on its REAL values half away from zero; LIKE ignores ASCII case there.
QString Dialect::roundTo(const QString& expression, int places) const
{
    return QStringLiteral("round(%1, %2)").arg(expression).arg(places);
}

QString Dialect::expandIndexes(const QString& ddl) const
{
    static const QRegularExpression reversed(QStringLiteral("%REVERSED\\((\\w+)\\)%"));
    static const QRegularExpression substring(
        QStringLiteral("%SUBSTRING_INDEX\\(\\s*(\\w+)\\s*,\\s*(\\w+)\\s*,\\s*(\\w+)\\s*;([\\w\\s,]*)\\)%"));
    QString out = ddl;
    for (QRegularExpressionMatch m = reversed.match(out); m.hasMatch(); m = reversed.match(out))
        out.replace(m.capturedStart(), m.capturedLength(), reversedTrimmed(m.captured(1)));
    for (QRegularExpressionMatch m = substring.match(out); m.hasMatch(); m = substring.match(out))
        out.replace(
            m.capturedStart(), m.capturedLength(),
            substringIndexSql(
                m.captured(1), m.captured(2), m.captured(3),
                m.captured(4).simplified().remove(QLatin1Char(' ')).split(QLatin1Char(','), Qt::SkipEmptyParts)));
    return out;
}

QString Dialect::likeNoCase(const QString& expression, const QString& pattern) const
{
    return QStringLiteral("%1 LIKE %2").arg(expression, pattern);
}

QVariant Dialect::bindValue(const QVariant& value) const
{
    if (value.isNull())
        return value;
    switch (value.typeId()) {
    case QMetaType::QString:
        // Queries refuse these with the parameter's name; this guards every other way to a statement.
        if (value.toString().contains(QChar(0)))
            throw DbError(QStringLiteral("A text contains a NUL character (code 0), which cannot be stored"),
                          {DbFailure::UnstorableText, {}});
        return value;
    case QMetaType::Double:
    case QMetaType::Float:
        // Stored amounts carry four decimals; rounding here keeps both backends on the same figures.
        return kvr::util::RoundHalfUp(value.toDouble(), 15, 4);
    case QMetaType::QDate:
        return value.toDate().startOfDay().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case QMetaType::QDateTime: {
        const QDateTime dt = value.toDateTime();
        return dt.toString(dt.time().msec() ? QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")
                                            : QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    default:
        return value;
    }
}

} // namespace kvr::data
