#include "ui/base/CodeLookup.h"

namespace kvr::ui {

CodeLookup::CodeLookup(data::Connection& connection, LookupSource source, QObject* parent)
    : QObject(parent)
    , m_table(connection, std::move(source))
{ }

void CodeLookup::setDescriptionColumn(const QString& column)
{
    m_table.setDescriptionColumn(column);
}

void CodeLookup::setFilter(const QString& condition, const QVariantMap& params)
{
    m_filter = {condition.trimmed(), params};
}

void CodeLookup::bind(data::CachedDataset* dataset, const QString& field)
{
    m_dataset = dataset;
    m_field = field;
}

void CodeLookup::setText(const QString& text)
{
    const QString upper = text.toUpper();
    if (upper == m_text)
        return;
    m_text = upper;
    emit textChanged(m_text);
}

int CodeLookup::fieldId() const
{
    if (!m_dataset || m_field.isEmpty() || !m_dataset->isOpen() || m_dataset->eof() || !m_dataset->hasField(m_field))
        return 0;
    return m_dataset->field(m_field).asInteger();
}

void CodeLookup::writeField(const QVariant& id)
{
    if (!m_dataset || m_field.isEmpty() || !m_dataset->isOpen() || m_dataset->eof())
        return;
    const data::Field current = m_dataset->field(m_field);
    if (current.isNull() == id.isNull() && (id.isNull() || current.asInteger() == id.toInt()))
        return;
    m_dataset->setValue(m_field, id);
}

void CodeLookup::show(const QString& text, const QString& description)
{
    setText(text);
    if (description != m_description) {
        m_description = description;
        emit descriptionChanged(m_description);
    }
}

bool CodeLookup::commit()
{
    const QString code = m_text.trimmed();
    if (code.isEmpty()) {
        if (m_allowEmpty) {
            m_id = 0;
            m_accepted = true;
            writeField(QVariant());
            show(QString(), QString());
            return true;
        }
        // A field that must not stay empty keeps what it had.
        refresh();
        return m_accepted;
    }
    if (const std::optional<data::CodeRow> row = m_table.findByCode(code, m_filter)) {
        m_id = row->id;
        m_accepted = true;
        writeField(row->id);
        show(row->code, row->description);
        return true;
    }
    m_id = 0;
    m_accepted = false;
    writeField(QVariant());
    show(code, QString());
    return false;
}

void CodeLookup::refresh()
{
    const int id = fieldId();
    // A saved document keeps showing what it refers to, even a row the filter now leaves out.
    const std::optional<data::CodeRow> row = id > 0 ? m_table.findById(id) : std::nullopt;
    m_id = row ? row->id : 0;
    m_accepted = row.has_value();
    show(row ? row->code : QString(), row ? row->description : QString());
}

void CodeLookup::clear()
{
    m_id = 0;
    m_accepted = false;
    writeField(QVariant());
    show(QString(), QString());
}

} // namespace kvr::ui
