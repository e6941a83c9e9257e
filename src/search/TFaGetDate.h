#pragma once

#include "data/CachedDataset.h"

#include <QDate>
#include <QObject>

namespace kvr::data {
class TDM;
}
namespace kvr::ui {
class Prompter;
}

namespace kvr::search {

// The document date of a header, typed as dd/mm/yyyy. Leaving it checks the year against the
// company's running year; a date that is invalid or out of it is replaced by the server's date.
class TFaGetDate : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* kFormat = "dd/MM/yyyy";

    TFaGetDate(data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);

    QString caption() const;
    void bind(data::CachedDataset& dataset, const QString& field);
    // Shows the bound field's date, or today when it has none.
    void refresh();
    const QString& text() const { return m_text; }
    void setText(const QString& text);
    void DocDateExit();

signals:
    void textChanged(const QString& text);
    void focusRequested();

private:
    void show(const QDate& date);
    void store(const QDate& date);

    data::TDM& m_dm;
    ui::Prompter& m_prompter;
    data::CachedDataset* m_dataset = nullptr;
    QString m_field;
    QString m_text;
};

} // namespace kvr::search
