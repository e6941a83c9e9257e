#include "search/SearchFrame.h"

#include "data/TDM.h"
#include "data/TDMConfig.h"

namespace kvr::search {

SearchFrame::SearchFrame(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, QObject* parent)
    : QObject(parent)
    , m_dm(dm)
    , m_prompter(prompter)
    , m_runner(runner)
{ }

bool SearchFrame::thai() const
{
    return m_dm.config().session().ThaiLanguage;
}

void SearchFrame::setCaption(const QString& caption)
{
    m_caption = caption;
    emit changed();
}

void SearchFrame::setSearchEnabled(bool enabled)
{
    if (m_searchEnabled == enabled)
        return;
    m_searchEnabled = enabled;
    emit changed();
}

void SearchFrame::setFieldEnabled(bool enabled)
{
    if (m_fieldEnabled == enabled)
        return;
    m_fieldEnabled = enabled;
    emit changed();
}

void SearchFrame::FieldEnter()
{
    setSearchEnabled(true);
}

void SearchFrame::FieldExit()
{
    setSearchEnabled(false);
}

bool SearchFrame::FieldKeyDown(QKeyCombination key)
{
    if (key.key() != Qt::Key_F5 || key.keyboardModifiers() != Qt::NoModifier || !m_searchEnabled)
        return false;
    search();
    return true;
}

void SearchFrame::BtSearchClick()
{
    if (m_searchEnabled)
        search();
}

} // namespace kvr::search
