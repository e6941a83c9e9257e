#pragma once

#include "printing/report/Layout.h"

#include <QJSEngine>
#include <QObject>
#include <QSet>
#include <QVariant>
#include <exception>
#include <functional>
#include <optional>

namespace kvr::report {

// Evaluates a layout's expressions with QJSEngine. Names in expressions (data sets and their
// columns, variables, functions) are matched upper-cased, so "Lines.Total", "LINES.TOTAL" and
// "tell_real_thai(...)" all find what they name. Every expression is compiled once, when the
// layout is loaded; a mistake in one is reported with its file and line then.
class ReportScript : public QObject
{
    Q_OBJECT
public:
    // Receives a registered function's upper-cased name and its evaluated arguments.
    using FunctionHandler = std::function<QVariant(const QString& name, const QVariantList& arguments)>;

    explicit ReportScript(const Layout& layout);
    ~ReportScript() override;

    // A variable, or a data set's current row (columns by name, values as read).
    void setValue(const QString& name, const QVariant& value);
    void setRow(const QString& dataSet, const QStringList& columns, const QVector<QVariant>& values);
    // Functions the layouts may call; a name registered again replaces the earlier handler.
    void addFunctions(const QStringList& names, FunctionHandler handler);

    // Raises ReportError naming the file, line and expression when it fails.
    QJSValue evaluate(int expression);

    Q_INVOKABLE QVariant callFunction(const QString& name, const QVariantList& arguments);

private:
    QJSValue toScript(const QVariant& value);

    const Layout& m_layout;
    QJSEngine m_engine;
    QJSValue m_table; // upper-cased name -> value, seen by every expression
    QJSValue m_scope;
    QJSValue m_makeRow;
    QJSValue m_makeFunction;
    std::vector<QJSValue> m_compiled;
    QHash<QString, FunctionHandler> m_functions;
    std::exception_ptr m_pending; // an error raised by a function, rethrown after the expression
};

} // namespace kvr::report
