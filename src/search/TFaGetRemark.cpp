#include "search/TFaGetRemark.h"

#include "search/SearchRunner.h"

namespace kvr::search {

TFaGetRemark::TFaGetRemark(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, QObject* parent)
    : SearchFrame(dm, prompter, runner, parent)
    , m_search(dm, prompter)
{
    setCaption(thai() ? QStringLiteral("หมายเหตุ") : QStringLiteral("Remark"));
    m_search.setCaption(thai() ? QStringLiteral("ค้นหาหมายเหตุ") : QStringLiteral("Search Remark"));
    m_search.setKeyColumn(QStringLiteral("Description"));
}

void TFaGetRemark::bind(data::CachedDataset& dataset, const QString& field)
{
    m_dataset = &dataset;
    m_field = field;
    refresh();
}

void TFaGetRemark::refresh()
{
    const bool hasRow = m_dataset && m_dataset->isOpen() && !m_dataset->eof();
    const QString stored = hasRow ? m_dataset->field(m_field).asString() : QString();
    if (stored != m_text) {
        m_text = stored;
        emit textChanged(m_text);
    }
}

void TFaGetRemark::setText(const QString& text)
{
    const QString cut = text.left(kMaxLength);
    if (m_dataset && m_dataset->isOpen() && !m_dataset->eof() && m_dataset->field(m_field).asString() != cut)
        m_dataset->setValue(m_field, cut.isEmpty() ? QVariant() : QVariant(cut));
    if (cut != m_text) {
        m_text = cut;
        emit textChanged(m_text);
    }
}

void TFaGetRemark::search()
{
    if (!runner().run(m_search))
        return;
    setText(m_search.result());
    emit focusRequested();
}

} // namespace kvr::search
