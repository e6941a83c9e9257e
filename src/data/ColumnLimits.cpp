#include "data/ColumnLimits.h"

#include "data/SchemaScript.h"

#include <QRegularExpression>
#include <QStringList>

namespace kvr::data {

namespace {

QString key(const QString& table, const QString& column)
{
    return table.toUpper() + QLatin1Char('.') + column.toUpper();
}

// Splits at the commas outside parentheses and quotes: "a, round(b, 2), 'x,y'" is three parts.
QStringList splitTopLevel(const QString& text)
{
    QStringList parts;
    QString current;
    int depth = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted && c == QLatin1Char('('))
            ++depth;
        else if (!quoted && c == QLatin1Char(')'))
            --depth;
        if (c == QLatin1Char(',') && depth == 0 && !quoted) {
            parts << current.trimmed();
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.trimmed().isEmpty())
        parts << current.trimmed();
    return parts;
}

const QString kTextType =
    QStringLiteral("(?:N?VARCHAR|N?CHAR|CHARACTER\\s+VARYING|CHARACTER|%CODE)\\s*\\(\\s*(\\d+)\\s*\\)");

} // namespace

void ColumnLimits::learn(const SchemaScript& script)
{
    for (const QString& statement : script.statements())
        learn(statement);
}

void ColumnLimits::learn(const QString& statement)
{
    static const QRegularExpression comment(QStringLiteral("--[^\\n]*"));
    static const QRegularExpression createTable(
        QStringLiteral("CREATE\\s+TABLE\\s+(?:IF\\s+NOT\\s+EXISTS\\s+)?(\\w+)\\s*\\((.*)\\)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression column(QStringLiteral("^(\\w+)\\s+") + kTextType,
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression addColumn(QStringLiteral("ALTER\\s+TABLE\\s+(\\w+)\\s+ADD\\s+(?:COLUMN\\s+)?"
                                                             "(?:IF\\s+NOT\\s+EXISTS\\s+)?(\\w+)\\s+") +
                                                  kTextType,
                                              QRegularExpression::CaseInsensitiveOption);
    QString text = statement;
    text.remove(comment);
    if (const auto match = createTable.match(text); match.hasMatch()) {
        for (const QString& part : splitTopLevel(match.captured(2))) {
            if (const auto col = column.match(part); col.hasMatch())
                add(match.captured(1), col.captured(1), col.captured(2).toInt());
        }
        return;
    }
    for (auto it = addColumn.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        add(match.captured(1), match.captured(2), match.captured(3).toInt());
    }
}

void ColumnLimits::add(const QString& table, const QString& column, int length)
{
    if (length > 0)
        m_lengths.insert(key(table, column), length);
}

int ColumnLimits::maxLength(const QString& table, const QString& column) const
{
    return m_lengths.value(key(table, column), 0);
}

StatementTarget StatementTarget::of(const QString& sql)
{
    static const QRegularExpression insert(
        QStringLiteral("^\\s*INSERT\\s+INTO\\s+(\\w+)\\s*\\(([^)]*)\\)\\s*VALUES\\s*(.*?)\\s*;?\\s*$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression update(QStringLiteral("^\\s*UPDATE\\s+(\\w+)\\s+SET\\s+(.*?)(?:\\sWHERE\\s.*)?$"),
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression param(QStringLiteral("^:(\\w+)$"));
    static const QRegularExpression assignment(QStringLiteral("^(\\w+)\\s*=\\s*:(\\w+)$"));

    StatementTarget target;
    const auto map = [&](const QString& column, const QString& name) {
        target.columnOfParam.insert(name.toUpper(), column);
    };
    if (const auto match = insert.match(sql); match.hasMatch()) {
        target.table = match.captured(1);
        const QStringList columns = splitTopLevel(match.captured(2));
        // Every row of a multi-row insert writes the same columns, each with its own parameters.
        for (const QString& row : splitTopLevel(match.captured(3))) {
            if (!row.startsWith(QLatin1Char('(')) || !row.endsWith(QLatin1Char(')')))
                continue;
            const QStringList values = splitTopLevel(row.mid(1, row.size() - 2));
            if (values.size() != columns.size())
                continue;
            for (qsizetype i = 0; i < columns.size(); ++i) {
                if (const auto p = param.match(values.at(i)); p.hasMatch())
                    map(columns.at(i), p.captured(1));
            }
        }
    } else if (const auto set = update.match(sql); set.hasMatch()) {
        target.table = set.captured(1);
        for (const QString& part : splitTopLevel(set.captured(2))) {
            if (const auto a = assignment.match(part); a.hasMatch())
                map(a.captured(1), a.captured(2));
        }
    }
    return target;
}

int characterCount(const QString& text)
{
    int count = 0;
    for (const QChar c : text) {
        if (!c.isLowSurrogate())
            ++count;
    }
    return count;
}

} // namespace kvr::data
