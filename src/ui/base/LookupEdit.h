#pragma once

#include "ui/base/CodeLookup.h"

#include <QKeyCombination>
#include <QLineEdit>
#include <functional>

class QLabel;

namespace kvr::ui {

// The code field of a lookup: upper-case entry over a CodeLookup, resolved when the field is left.
// It reports entering and leaving (after the code is resolved) and offers every key to its owner
// first.
class LookupEdit : public QLineEdit
{
    Q_OBJECT
public:
    // True when the owner has dealt with the key.
    using KeyHandler = std::function<bool(QKeyCombination key)>;

    explicit LookupEdit(CodeLookup& lookup, QWidget* parent = nullptr);

    CodeLookup& lookup() { return m_lookup; }
    // The label that shows the resolved description.
    void setNameLabel(QLabel* label);
    void setKeyHandler(KeyHandler handler) { m_keyHandler = std::move(handler); }
    // Off when the owner resolves the code itself on exited() (frames that check it further).
    void setCommitOnExit(bool on) { m_commitOnExit = on; }

signals:
    void entered();
    void exited();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    CodeLookup& m_lookup;
    QLabel* m_nameLabel = nullptr;
    KeyHandler m_keyHandler;
    bool m_inside = false;
    bool m_commitOnExit = true;
};

} // namespace kvr::ui
