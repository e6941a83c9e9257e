#include "app/demo/DemoForms.h"

#include "app/demo/BatchInserter.h"
#include "app/demo/DemoShop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <iterator>
#include <stdexcept>

namespace kvr::demo {

namespace {

struct FormRow
{
    int id;
    const char* code;
    int order;
    const char* description;
    const char* file; // in the working folder; the resource of the same name
    const char* procedure;
    const char* preview; // ShowPrintPreview
};

const FormRow kForms[] = {
    {ids::formBill, "POS-P", 1, "ใบเสร็จรับเงิน/ใบกำกับภาษีอย่างย่อ (A5)", "forms/pos-bill-a5.kvl", "PosBillForPrint", "Y"},
    {ids::formDelivery, "POS-P", 2, "ใบส่งสินค้า พร้อมจำนวนหน่วยใหญ่/หน่วยย่อย (A5 แนวนอน)", "forms/pos-delivery-a5.kvl", "",
     "N"},
    {ids::formFullTaxInvoice, "POS-X1", 1, "ใบกำกับภาษีเต็มรูป (A4)", "forms/full-tax-invoice-x1.kvl", "", "Y"},
    {ids::formFullTaxInvoiceHeader, "POS-X2", 1, "ใบกำกับภาษีเต็มรูป อ้าง PosHeader (A4)", "forms/full-tax-invoice-x2.kvl",
     "", "Y"},
};

void copyResource(const QString& name, const QDir& folder)
{
    const QString target = folder.filePath(name);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::remove(target);
    if (!QFile::copy(QStringLiteral(":/forms/") + QFileInfo(name).fileName(), target) ||
        !QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                      QFileDevice::ReadOther))
        throw std::runtime_error(QStringLiteral("Cannot write the layout %1").arg(target).toStdString());
}

} // namespace

QString fillPrintForms(data::Connection& company, const QString& workingDirectory)
{
    const QDir folder(workingDirectory);
    BatchInserter rows(company, QStringLiteral("SystemForm"),
                       QStringLiteral("Id, FormCode, FormOrderNo, FormDesc, FrfName, SpName, DocCode, DocParaName, "
                                      "ShowPrintPreview"));
    for (const FormRow& form : kForms) {
        copyResource(QString::fromUtf8(form.file), folder);
        rows.add({form.id, QString::fromUtf8(form.code), form.order, QString::fromUtf8(form.description),
                  QString::fromUtf8(form.file), QString::fromUtf8(form.procedure), QString::fromUtf8(form.code),
                  QString(), QString::fromUtf8(form.preview)});
    }
    rows.finish();
    copyResource(QStringLiteral("Form_GLAuto.frf"), folder);
    syncIdentities(company, {QStringLiteral("SystemForm")});
    return QStringLiteral("%1 layouts in %2 (POS-P, POS-X1, POS-X2) and the accounting voucher")
        .arg(std::size(kForms))
        .arg(folder.filePath(QStringLiteral("forms")));
}

} // namespace kvr::demo
