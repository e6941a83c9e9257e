#pragma once

#include <QDialog>
#include <array>

class QLineEdit;

namespace kvr::search {
class LookupFrameView;
}

namespace kvr::pos {

class TFrPos;

// Where the goods of the bill on screen go: three address lines, the province (typed or searched
// with F5), the zip code and the telephone. OK keeps them with the bill, Cancel leaves the bill
// as it was.
class PosShipToDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PosShipToDialog(TFrPos& pos, QWidget* parent = nullptr);

    // Shows the bill's address and runs the dialog; true when it closed with OK.
    bool run();
    // The fields show the bill's address as it is now.
    void showAddress();
    QLineEdit* addressEdit(int line) const { return m_addr[static_cast<size_t>(line - 1)]; }
    search::LookupFrameView* provinceFrame() const { return m_province; }
    QLineEdit* zipCodeEdit() const { return m_zip; }
    QLineEdit* phoneEdit() const { return m_phone; }

    void accept() override;

private:
    TFrPos& m_pos;
    std::array<QLineEdit*, 3> m_addr{};
    search::LookupFrameView* m_province = nullptr;
    QLineEdit* m_zip = nullptr;
    QLineEdit* m_phone = nullptr;
};

} // namespace kvr::pos
