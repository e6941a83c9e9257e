#include "search/TFaGetDate.h"

#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "ui/base/Prompter.h"

namespace kvr::search {

TFaGetDate::TFaGetDate(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : QObject(parent)
    , m_dm(dm)
    , m_prompter(prompter)
{ }

QString TFaGetDate::caption() const
{
    return m_dm.config().session().ThaiLanguage ? QStringLiteral("วันที่") : QStringLiteral("Date");
}

void TFaGetDate::bind(data::CachedDataset& dataset, const QString& field)
{
    m_dataset = &dataset;
    m_field = field;
    refresh();
}

void TFaGetDate::refresh()
{
    const bool hasRow = m_dataset && m_dataset->isOpen() && !m_dataset->eof();
    const QDate stored = hasRow ? m_dataset->field(m_field).asDate() : QDate();
    show(stored.isValid() ? stored : QDate::currentDate());
}

void TFaGetDate::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    emit textChanged(m_text);
}

void TFaGetDate::show(const QDate& date)
{
    setText(date.toString(QLatin1String(kFormat)));
}

void TFaGetDate::store(const QDate& date)
{
    if (!m_dataset || !m_dataset->isOpen() || m_dataset->eof())
        return;
    const QDateTime value = date.startOfDay();
    if (m_dataset->field(m_field).asDateTime() != value)
        m_dataset->setValue(m_field, value);
}

void TFaGetDate::DocDateExit()
{
    const QDate date = QDate::fromString(m_text.trimmed(), QLatin1String(kFormat));
    if (date.isValid() && m_dm.IsWithinRunYear(date)) {
        show(date);
        store(date);
        return;
    }
    m_prompter.information(QStringLiteral("วันที่ ไม่ถูกต้อง !!"));
    const QDate today = m_dm.ServerNow().date();
    show(today);
    store(today);
    emit focusRequested();
}

} // namespace kvr::search
