#pragma once

#include "data/CachedDataset.h"
#include "data/stores/CodeTable.h"

#include <QObject>
#include <QVariantMap>
#include <optional>

namespace kvr::ui {

using data::LookupSource;

// What a lookup edit does without its widget: it holds the typed code, resolves it to the row's id
// through the source and an optional filter, writes the id into the bound field of the owner's
// dataset and offers the description for the name label.
class CodeLookup : public QObject
{
    Q_OBJECT
public:
    CodeLookup(data::Connection& connection, LookupSource source, QObject* parent = nullptr);

    const LookupSource& source() const { return m_table.source(); }
    // The name column can follow the language (Name or NameEng).
    void setDescriptionColumn(const QString& column);
    // A condition on the source's rows ("Blocked='N'"); its ":Name" parameters take the values
    // given. Replacing it later changes which codes resolve from the next commit on.
    void setFilter(const QString& condition, const QVariantMap& params = {});
    const QString& filter() const { return m_filter.condition; }
    void setAllowEmpty(bool allow) { m_allowEmpty = allow; }
    bool allowEmpty() const { return m_allowEmpty; }

    // The owner's dataset and field that receive the id.
    void bind(data::CachedDataset* dataset, const QString& field);
    data::CachedDataset* dataset() const { return m_dataset; }
    const QString& field() const { return m_field; }

    const QString& text() const { return m_text; }
    // What the user typed; capitals, resolved only by commit().
    void setText(const QString& text);
    // Resolves the text, as leaving the field does: a code found under the filter puts its id into
    // the field and shows its description; an unknown code empties both and is not accepted.
    // An empty text is accepted only when empty is allowed; otherwise the field's last id comes
    // back. True when accepted.
    bool commit();
    bool isAccepted() const { return m_accepted; }
    int id() const { return m_id; }
    const QString& description() const { return m_description; }
    // Shows the code and description of the id the bound field holds (after the owner loads a row).
    void refresh();
    // Empties text, description and field.
    void clear();

signals:
    void textChanged(const QString& text);
    void descriptionChanged(const QString& description);

private:
    int fieldId() const;
    void writeField(const QVariant& id);
    void show(const QString& text, const QString& description);

    data::CodeTable m_table;
    data::LookupFilter m_filter;
    bool m_allowEmpty = false;
    data::CachedDataset* m_dataset = nullptr;
    QString m_field;
    QString m_text;
    QString m_description;
    int m_id = 0;
    bool m_accepted = false;
};

} // namespace kvr::ui
