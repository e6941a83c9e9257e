#include "data/Query.h"

#include "data/Connection.h"
#include "data/DbError.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlRecord>

namespace kvr::data {

QString Field::asString() const
{
    if (isNull())
        return {};
    if (m_value.typeId() == QMetaType::QDateTime)
        return m_value.toDateTime().toString(QStringLiteral("dd/MM/yyyy"));
    return m_value.toString();
}

int Field::asInteger() const
{
    return isNull() ? 0 : int(asLargeInt());
}

qint64 Field::asLargeInt() const
{
    if (isNull())
        return 0;
    bool ok = false;
    const qint64 n = m_value.toLongLong(&ok);
    return ok ? n : qint64(m_value.toDouble());
}

double Field::asFloat() const
{
    return isNull() ? 0.0 : m_value.toDouble();
}

QDateTime Field::asDateTime() const
{
    if (isNull())
        return {};
    if (m_value.typeId() == QMetaType::QDateTime)
        return m_value.toDateTime();
    if (m_value.typeId() == QMetaType::QDate)
        return m_value.toDate().startOfDay();
    // SQLite keeps date-times as "yyyy-MM-dd HH:mm:ss[.zzz]" text.
    const QString text = m_value.toString();
    for (const char* format : {"yyyy-MM-dd HH:mm:ss.zzz", "yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd"}) {
        const QDateTime dt = QDateTime::fromString(text, QString::fromLatin1(format));
        if (dt.isValid())
            return dt;
    }
    return QDateTime::fromString(text, Qt::ISODateWithMs);
}

TranslatedSql translateNamedParameters(const QString& sql)
{
    TranslatedSql out;
    out.sql.reserve(sql.size());
    const auto isNameChar = [](QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); };
    QChar quote;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (!quote.isNull()) {
            out.sql += c;
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
            out.sql += c;
            continue;
        }
        if (c == QLatin1Char(':') && i + 1 < sql.size()) {
            const QChar n = sql.at(i + 1);
            if (n == QLatin1Char(':')) { // a cast, not a parameter
                out.sql += QStringLiteral("::");
                ++i;
                continue;
            }
            if (n.isLetter() || n == QLatin1Char('_')) {
                qsizetype end = i + 1;
                while (end < sql.size() && isNameChar(sql.at(end)))
                    ++end;
                out.placeholders << sql.mid(i + 1, end - i - 1);
                out.sql += QLatin1Char('?');
                i = end - 1;
                continue;
            }
        }
        out.sql += c;
    }
    return out;
}

Query::Query(Connection& connection, const QString& sql)
    : m_connection(connection)
{
    if (!sql.isEmpty())
        setSql(sql);
}

void Query::setSql(const QString& sql)
{
    setSqlLines(sql.split(QLatin1Char('\n')));
}

void Query::setSqlLines(const QStringList& lines)
{
    static const QRegularExpression slot(QStringLiteral("^\\{(\\w+)\\}$"));
    m_slots.clear();
    QStringList text = lines;
    for (int i = 0; i < text.size(); ++i) {
        const QRegularExpressionMatch match = slot.match(text.at(i).trimmed());
        if (match.hasMatch()) {
            m_slots.insert(match.captured(1), i);
            text[i].clear();
        }
    }
    applyLines(text);
}

void Query::setSlot(const QString& name, const QString& text)
{
    const auto it = m_slots.constFind(name);
    Q_ASSERT_X(it != m_slots.cend(), "Query::setSlot", qPrintable(name));
    if (it != m_slots.cend() && m_lines.value(it.value()) != text)
        setLine(it.value(), text);
}

QString Query::slotText(const QString& name) const
{
    const auto it = m_slots.constFind(name);
    return it == m_slots.cend() ? QString() : m_lines.value(it.value());
}

void Query::applyLines(const QStringList& lines)
{
    close();
    m_lines = lines;
    const TranslatedSql t = translateNamedParameters(sqlText());
    m_translated = t.sql;
    m_target = StatementTarget::of(sqlText());
    m_placeholders.clear();
    m_paramOrder.clear();
    for (const QString& p : t.placeholders) {
        m_placeholders << p.toUpper();
        if (!m_paramOrder.contains(p, Qt::CaseInsensitive))
            m_paramOrder << p;
    }
}

void Query::setLine(int index, const QString& line)
{
    QStringList lines = m_lines;
    while (lines.size() <= index)
        lines << QString();
    lines[index] = line;
    // Parameter values survive a change of text, as long as the names stay; so do the slots.
    applyLines(lines);
}

void Query::setParam(const QString& name, const QVariant& value)
{
    m_params.insert(name.toUpper(), value);
}

QVariant Query::param(const QString& name) const
{
    return m_params.value(name.toUpper());
}

QStringList Query::paramNames() const
{
    return m_paramOrder;
}

void Query::prepare()
{
    // A prepared statement is reused until the text changes or the connection is opened anew.
    if (m_preparedFor == m_translated && m_preparedGeneration == m_connection.generation())
        return;
    // Forgotten first: a preparation that fails leaves m_query unusable, and a text prepared before
    // must then be prepared again rather than run on it.
    m_preparedFor.clear();
    m_query = QSqlQuery(m_connection.database());
    m_query.setForwardOnly(true);
    m_connection.notePrepared();
    if (!m_query.prepare(m_translated))
        m_connection.fail(m_query.lastError(), sqlText());
    m_preparedFor = m_translated;
    m_preparedGeneration = m_connection.generation();
    m_columnsKnown = false;
}

void Query::checkText(const QString& param, const QString& text)
{
    const QString column = m_target.columnOfParam.value(param);
    const QString where = column.isEmpty() ? param : m_target.table + QLatin1Char('.') + column;
    // PostgreSQL's driver sends values inside the statement text, where a NUL cuts it short.
    if (text.contains(QChar(0)))
        throw DbError(QStringLiteral("The text for %1 contains a NUL character (code 0), which cannot be stored; "
                                     "type it again")
                          .arg(where),
                      {DbFailure::UnstorableText, where});
    if (column.isEmpty())
        return;
    const int limit = m_connection.columnLimits().maxLength(m_target.table, column);
    if (limit <= 0 || text.size() <= limit)
        return;
    if (const int length = characterCount(text); length > limit)
        throw DbError(QStringLiteral("The text for %1 is %2 characters long; the column holds at most %3")
                          .arg(where)
                          .arg(length)
                          .arg(limit),
                      {DbFailure::TextTooLong, where});
}

void Query::bindAndExec(QSqlQuery& query)
{
    const Dialect& dialect = m_connection.dialect();
    for (int i = 0; i < m_placeholders.size(); ++i) {
        const QVariant& value = m_params.value(m_placeholders.at(i));
        if (value.typeId() == QMetaType::QString)
            checkText(m_placeholders.at(i), value.toString());
        query.bindValue(i, dialect.bindValue(value));
    }
    m_connection.noteRun();
    if (!query.exec()) {
        const QSqlError error = query.lastError();
        query.finish();
        m_connection.fail(error, sqlText());
    }
}

void Query::open()
{
    close();
    m_connection.open();
    // The rows are read from the server as they are fetched: the wait covers them too.
    const ServerWait wait(m_connection);
    prepare();
    bindAndExec(m_query);
    if (!columnsKnown()) {
        const QSqlRecord record = m_query.record();
        m_fieldNames.clear();
        m_fieldIndex.clear();
        m_exactIndex.clear();
        for (int i = 0; i < record.count(); ++i)
            addFieldName(record.fieldName(i));
        m_columnNames = m_fieldNames;
        m_columnIndex = m_fieldIndex;
        m_columnsKnown = true;
    } else {
        useStatementColumns();
    }
    const int columns = int(m_columnNames.size());
    while (m_query.next()) {
        QVector<QVariant> row(columns);
        for (int i = 0; i < columns; ++i)
            row[i] = m_query.value(i);
        m_rows.push_back(std::move(row));
    }
    // Releases SQLite's read snapshot at once, so other counters can write.
    m_query.finish();
    m_current = 0;
    m_open = true;
}

void Query::openEmpty()
{
    // Columns learnt for another text are not this one's.
    if (!columnsKnown() || m_preparedFor != m_translated) {
        Query::open();
        return;
    }
    close();
    useStatementColumns();
    m_open = true;
}

bool Query::columnsKnown() const
{
    // The columns of a prepared statement are those of its text; only "*" can grow with the table.
    return m_columnsKnown && !m_translated.contains(QLatin1Char('*'));
}

void Query::useStatementColumns()
{
    // Fields a subclass added after the statement's own (calculated ones) are added anew.
    if (m_fieldNames.size() == m_columnNames.size())
        return;
    m_fieldNames = m_columnNames;
    m_fieldIndex = m_columnIndex;
    m_exactIndex.clear();
}

void Query::close()
{
    m_rows.clear();
    m_current = 0;
    m_open = false;
}

int Query::execSql()
{
    m_connection.open();
    const ServerWait wait(m_connection);
    prepare();
    bindAndExec(m_query);
    const int affected = m_query.numRowsAffected();
    m_query.finish();
    return affected;
}

void Query::addFieldName(const QString& name)
{
    m_exactIndex.clear();
    const QString key = name.toUpper();
    if (!m_fieldIndex.contains(key))
        m_fieldIndex.insert(key, int(m_fieldNames.size()));
    m_fieldNames << name;
}

int Query::fieldIndex(const QString& name) const
{
    // Callers name a field the same way every time: that spelling is remembered, so the upper-casing
    // happens once per name.
    const auto known = m_exactIndex.constFind(name);
    if (known != m_exactIndex.cend())
        return known.value();
    const int index = m_fieldIndex.value(name.toUpper(), -1);
    m_exactIndex.insert(name, index);
    return index;
}

int Query::requireField(const QString& name) const
{
    const int index = fieldIndex(name);
    if (index < 0)
        throw DbError(QStringLiteral("Field '%1' not found").arg(name));
    return index;
}

Field Query::field(const QString& name) const
{
    return fieldAt(m_current, name);
}

Field Query::fieldAt(int row, const QString& name) const
{
    const int index = requireField(name);
    if (row < 0 || row >= recordCount())
        return Field();
    return Field(m_rows[size_t(row)].value(index));
}

} // namespace kvr::data
