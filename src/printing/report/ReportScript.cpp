#include "printing/report/ReportScript.h"

#include "printing/report/ReportError.h"

namespace kvr::report {

namespace {

// The scope every expression runs in: a proxy that looks names up upper-cased, so that the
// layouts need not care how a column or function is spelled. Rows of data sets are proxies too.
const char* const kPrelude = R"JS(
(function (host) {
    var table = {};
    function upper(k) { return typeof k === 'string' ? k.toUpperCase() : undefined; }
    var scope = new Proxy(table, {
        has: function (t, k) { var u = upper(k); return u !== undefined && Object.prototype.hasOwnProperty.call(t, u); },
        get: function (t, k) { var u = upper(k); return u === undefined ? undefined : t[u]; },
        set: function () { return true; }
    });
    function row(values) {
        return new Proxy(values, {
            has: function (t, k) { var u = upper(k); return u !== undefined && Object.prototype.hasOwnProperty.call(t, u); },
            get: function (t, k) { var u = upper(k); return u === undefined ? undefined : t[u]; }
        });
    }
    function fn(name) {
        return function () { return host.callFunction(name, Array.prototype.slice.call(arguments)); };
    }
    return { table: table, scope: scope, row: row, fn: fn };
})
)JS";

} // namespace

ReportScript::ReportScript(const Layout& layout)
    : m_layout(layout)
{
    const QJSValue setup = m_engine.evaluate(QString::fromUtf8(kPrelude));
    const QJSValue parts = setup.call({m_engine.newQObject(this)});
    // The engine must not delete this object when it collects the wrapper.
    QJSEngine::setObjectOwnership(this, QJSEngine::CppOwnership);
    m_table = parts.property(QStringLiteral("table"));
    m_scope = parts.property(QStringLiteral("scope"));
    m_makeRow = parts.property(QStringLiteral("row"));
    m_makeFunction = parts.property(QStringLiteral("fn"));

    m_compiled.reserve(layout.expressions.size());
    for (const Expression& e : layout.expressions) {
        const QString wrapped =
            QStringLiteral("(function (__scope) { with (__scope) { return (\n%1\n); } })").arg(e.source);
        QJSValue compiled = m_engine.evaluate(wrapped, layout.fileName, e.sourceLine - 1);
        if (compiled.isError())
            throw ReportError(QStringLiteral("%1, line %2: the expression [%3] is not valid: %4")
                                  .arg(layout.fileName)
                                  .arg(e.sourceLine)
                                  .arg(e.source, compiled.property(QStringLiteral("message")).toString()));
        m_compiled.push_back(compiled);
    }
}

ReportScript::~ReportScript() = default;

QJSValue ReportScript::toScript(const QVariant& value)
{
    if (value.isNull() || !value.isValid())
        return QJSValue(QJSValue::NullValue);
    return m_engine.toScriptValue(value);
}

void ReportScript::setValue(const QString& name, const QVariant& value)
{
    m_table.setProperty(name.toUpper(), toScript(value));
}

void ReportScript::setRow(const QString& dataSet, const QStringList& columns, const QVector<QVariant>& values)
{
    QJSValue row = m_engine.newObject();
    for (qsizetype i = 0; i < columns.size() && i < values.size(); ++i)
        row.setProperty(columns.at(i).toUpper(), toScript(values.at(i)));
    m_table.setProperty(dataSet.toUpper(), m_makeRow.call({row}));
}

void ReportScript::addFunctions(const QStringList& names, FunctionHandler handler)
{
    for (const QString& name : names) {
        const QString upper = name.toUpper();
        m_functions.insert(upper, handler);
        m_table.setProperty(upper, m_makeFunction.call({QJSValue(upper)}));
    }
}

QVariant ReportScript::callFunction(const QString& name, const QVariantList& arguments)
{
    const FunctionHandler handler = m_functions.value(name);
    if (!handler)
        return {};
    try {
        return handler(name, arguments);
    } catch (...) {
        // Exceptions must not cross the script engine; the error is raised again once the
        // expression has returned.
        m_pending = std::current_exception();
        m_engine.throwError(QStringLiteral("%1 failed").arg(name));
        return {};
    }
}

QJSValue ReportScript::evaluate(int expression)
{
    const Expression& e = m_layout.expressions.at(size_t(expression));
    const QJSValue result = m_compiled.at(size_t(expression)).call({m_scope});
    if (m_pending) {
        const std::exception_ptr pending = m_pending;
        m_pending = nullptr;
        std::rethrow_exception(pending);
    }
    if (result.isError())
        throw ReportError(QStringLiteral("%1, line %2: the expression [%3] failed: %4")
                              .arg(m_layout.fileName)
                              .arg(e.sourceLine)
                              .arg(e.source, result.toString()));
    return result;
}

} // namespace kvr::report
