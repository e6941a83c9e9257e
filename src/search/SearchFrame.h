#pragma once

#include <QKeyCombination>
#include <QObject>
#include <QString>

namespace kvr::data {
class TDM;
}
namespace kvr::ui {
class Prompter;
}

namespace kvr::search {

class SearchRunner;

// What every header frame with a search button shares: its caption, the button that is enabled
// only while the field has the focus, and F5 in the field running the same search.
class SearchFrame : public QObject
{
    Q_OBJECT
public:
    SearchFrame(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, QObject* parent = nullptr);

    const QString& caption() const { return m_caption; }
    // A "*" beside the caption marks a field that must be filled.
    bool isRequired() const { return m_required; }
    bool isSearchEnabled() const { return m_searchEnabled; }
    void setSearchEnabled(bool enabled);
    // The owner may lock the field (a loaded document, a locked setting).
    bool isFieldEnabled() const { return m_fieldEnabled; }
    void setFieldEnabled(bool enabled);

    virtual void FieldEnter();
    virtual void FieldExit();
    // True when the key was the frame's (F5 while the search is enabled).
    virtual bool FieldKeyDown(QKeyCombination key);
    // The search button; does nothing while it is disabled.
    void BtSearchClick();

signals:
    void changed();
    // The frame wants the focus back in its field.
    void focusRequested();

protected:
    // Opens the frame's search dialog.
    virtual void search() = 0;
    void setCaption(const QString& caption);
    void setRequired(bool required) { m_required = required; }
    bool thai() const;
    data::TDM& dm() { return m_dm; }
    ui::Prompter& prompter() { return m_prompter; }
    SearchRunner& runner() { return m_runner; }

private:
    data::TDM& m_dm;
    ui::Prompter& m_prompter;
    SearchRunner& m_runner;
    QString m_caption;
    bool m_required = false;
    bool m_searchEnabled = false;
    bool m_fieldEnabled = true;
};

} // namespace kvr::search
