#pragma once

#include <QWidget>

namespace kvr::app {

// The splash window shown while the data modules are created and the databases connect.
class TFormLogo : public QWidget
{
public:
    TFormLogo();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_logo;
};

} // namespace kvr::app
