#pragma once

#include "search/LookupFrame.h"

#include <QWidget>

class QLabel;
class QToolButton;

namespace kvr::ui {
class LookupEdit;
}

namespace kvr::search {

// The widgets of a lookup frame in a row: caption, code field, search button and name label.
class LookupFrameView : public QWidget
{
    Q_OBJECT
public:
    explicit LookupFrameView(LookupFrame& frame, QWidget* parent = nullptr);

    ui::LookupEdit* codeEdit() const { return m_edit; }
    QToolButton* searchButton() const { return m_button; }
    QLabel* nameLabel() const { return m_name; }

private:
    void update();

    LookupFrame& m_frame;
    QLabel* m_caption;
    ui::LookupEdit* m_edit;
    QToolButton* m_button;
    QLabel* m_name;
};

} // namespace kvr::search
