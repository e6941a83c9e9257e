#include "pos/PosShipToDialog.h"

#include "pos/TFrPos.h"
#include "search/LookupFrameView.h"
#include "ui/base/LookupEdit.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvr::pos {

namespace {

// The sizes of the PosHd columns.
constexpr int kAddressLength = 200;
constexpr int kZipCodeLength = 10;
constexpr int kPhoneLength = 50;

} // namespace

PosShipToDialog::PosShipToDialog(TFrPos& pos, QWidget* parent)
    : QDialog(parent)
    , m_pos(pos)
{
    setObjectName(QStringLiteral("shipToDialog"));
    const bool thai = pos.session().ThaiLanguage;
    setWindowTitle(thai ? QStringLiteral("สถานที่ส่ง") : QStringLiteral("Ship Address"));
    auto* form = new QFormLayout(this);
    for (int i = 0; i < 3; ++i) {
        m_addr[static_cast<size_t>(i)] = new QLineEdit(this);
        m_addr[static_cast<size_t>(i)]->setObjectName(QStringLiteral("shipAddr%1LineEdit").arg(i + 1));
        m_addr[static_cast<size_t>(i)]->setMaxLength(kAddressLength);
        m_addr[static_cast<size_t>(i)]->setMinimumWidth(360);
        form->addRow(i == 0 ? (thai ? QStringLiteral("ที่อยู่") : QStringLiteral("Address")) : QString(),
                     m_addr[static_cast<size_t>(i)]);
    }
    m_province = new search::LookupFrameView(pos.headerChoices().shipProvinceFrame(), this);
    m_province->setObjectName(QStringLiteral("shipProvinceFrame"));
    form->addRow(m_province);
    m_zip = new QLineEdit(this);
    m_zip->setObjectName(QStringLiteral("shipZipCodeLineEdit"));
    m_zip->setMaxLength(kZipCodeLength);
    form->addRow(thai ? QStringLiteral("รหัสไปรษณีย์") : QStringLiteral("Zip code"), m_zip);
    m_phone = new QLineEdit(this);
    m_phone->setObjectName(QStringLiteral("shipPhoneLineEdit"));
    m_phone->setMaxLength(kPhoneLength);
    form->addRow(thai ? QStringLiteral("โทรศัพท์") : QStringLiteral("Telephone"), m_phone);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("shipToButtonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

bool PosShipToDialog::run()
{
    showAddress();
    m_addr[0]->setFocus();
    return exec() == QDialog::Accepted;
}

void PosShipToDialog::showAddress()
{
    const ShipAddress address = m_pos.headerChoices().shipAddress();
    const QString lines[] = {address.addr1, address.addr2, address.addr3};
    for (size_t i = 0; i < m_addr.size(); ++i)
        m_addr[i]->setText(lines[i]);
    m_zip->setText(address.zipCode);
    m_phone->setText(address.phone);
}

void PosShipToDialog::accept()
{
    // A province still being typed is checked (and taken) before the dialog closes on Enter.
    if (QWidget* focus = QApplication::focusWidget(); focus && isAncestorOf(focus))
        focus->clearFocus();
    m_pos.headerChoices().applyShipAddress(
        {m_addr[0]->text(), m_addr[1]->text(), m_addr[2]->text(), m_zip->text(), m_phone->text()});
    QDialog::accept();
}

} // namespace kvr::pos
