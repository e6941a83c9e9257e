#include "pos/TFrPos.h"

#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "products/TDmProduct.h"
#include "ui/base/Prompter.h"

#include <QDir>

namespace kvr::pos {

TFrPos::TFrPos(ui::Prompter& prompter, data::TDM& dm, products::TDmProduct& product, PosMode mode, bool allowZeroPrice,
               QObject* parent)
    : ui::TFrForm(prompter, dm.config().session(), parent)
    , m_dm(dm)
    , m_product(product)
    , m_mode(mode)
    , m_documentCode(documentCodeOf(mode))
    , m_settings(dm.QConfig())
    , m_bill(dm.DMdata())
    , m_calc(m_bill, m_settings, product, prompter)
    , m_service(dm)
    , m_quantityTexts(dm)
    , m_stores(dm.DMdata())
    , m_card(prompter, dm.DMdata())
    , m_header(m_bill, mode, {dm, m_settings, prompter, m_stores.customers, m_stores.taxes, m_stores.stock})
    , m_lineEntry(m_bill, mode,
                  {m_settings, product, m_service, m_quantityTexts, m_stores.customers, m_stores.taxes, m_stores.stock,
                   prompter},
                  m_header.texts().warehouseCode)
    , m_lineCells(m_bill, m_lineEntry, {m_settings, product, m_stores.stock, prompter}, m_currentShiftDate)
    , m_cellFlow(*this)
    , m_payment(m_bill, m_card, mode, allowZeroPrice, m_settings, prompter)
    , m_saver(m_bill, mode,
              {dm, m_settings, dm.config().session(), m_card, m_stores.marks, prompter,
               [this](std::exception_ptr error) { reportError(error); }})
    , m_choices(m_bill, dm, prompter)
    , m_billSearch(dm, prompter, posTypeLetter(mode))
    , m_notices(m_bill, dm.config().session())
    , m_nextBill(m_notices,
                 {[this] { AcNewExecute(); }, [this](std::exception_ptr error) { reportError(error); },
                  [this](const QString& text) { setStatusText(1, text); }})
{
    // Services have no warehouse at all; miscellaneous bills keep the field but never use it.
    m_controls.warehouseVisible = mode != PosMode::Service;
    m_controls.warehouseEnabled = mode == PosMode::Goods;
    m_published = m_controls;
    m_captions = PosCaptions::forLanguage(session().ThaiLanguage);
    // F10 or the Save button first take what is typed and not yet entered (lines and amounts),
    // so that Save is judged on the bill as it stands; a bill still short goes to its payment.
    AcSave().setBeforeExecute([this] {
        if (!m_bill.hasHeaderRow()) {
            // Nothing to save yet: the cashier is told how a bill starts.
            setStatusText(1, m_notices.noBillYet());
            return false;
        }
        takeTypedEntries();
        if (!AcSave().isEnabled() && m_payment.changeShortfall() && saveAllowedByRights()) {
            showReceiptPage();
            setStatusText(1, m_notices.stillOwed());
            return false;
        }
        return true;
    });
    // F3 on a bill with lines throws them away: only when the cashier says so.
    AcNew().setBeforeExecute([this] {
        if (!isNewBill() || !m_bill.hasProductLines())
            return true;
        return this->prompter().confirmLosingWork(m_notices.unsavedLinesQuestion(), ui::ConfirmColour::Blue);
    });
    // The parts report what the window shows and ask for the recomputations only the screen runs.
    connect(&m_header, &PosHeader::textsChanged, this, &TFrPos::headerTextsChanged);
    connect(&m_header, &PosHeader::focusRequested, this, &TFrPos::setFocusTo);
    connect(&m_header, &PosHeader::linesWarehouseChanged, this, &TFrPos::SetDgDtColumn);
    connect(&m_choices, &PosHeaderChoices::textsChanged, this, &TFrPos::headerTextsChanged);
    connect(&m_choices, &PosHeaderChoices::recalculationWanted, this, &TFrPos::CalculateAll);
    // A line without stock to show keeps naming the code just refused on it.
    const auto showStock = [this](const QString& text) {
        setStatusText(1, text.isEmpty() ? m_notices.codeNotice() : text);
    };
    connect(&m_lineEntry, &PosLineEntry::layoutChanged, this, &TFrPos::SetDgDtColumn);
    connect(&m_lineEntry, &PosLineEntry::stockShown, this, showStock);
    connect(&m_lineEntry, &PosLineEntry::fieldRequested, this, &TFrPos::gridFieldRequested);
    connect(&m_lineEntry, &PosLineEntry::codeUnknown, this, [this](const QString& code) {
        setStatusText(1, m_notices.refuseCode(code));
        emit alertWanted();
    });
    m_lineEntry.setLimits(
        LineLimits::fromIni(QDir(dm.config().workingDirectory()).filePath(QStringLiteral("KVR.INI"))));
    connect(&m_lineCells, &PosLineCells::layoutChanged, this, &TFrPos::SetDgDtColumn);
    connect(&m_lineCells, &PosLineCells::stockShown, this, showStock);
    connect(&m_lineCells, &PosLineCells::fieldRequested, this, &TFrPos::gridFieldRequested);
    connect(&m_lineCells, &PosLineCells::recalculationWanted, this, &TFrPos::CalculateAll);
    connect(&m_lineCells, &PosLineCells::errorCaught, this, &TFrPos::reportError);
    m_saver.setPrinterStateHandler([this](const QString& text) { setStatusText(2, text); });
}

TFrPos::~TFrPos() = default;

void TFrPos::takeTypedEntries()
{
    m_bill.QHd().edit();
    // The line grid's cell still being typed in and the checks waiting for their line come first.
    m_cellFlow.finishTyping();
    emit paymentEditsWanted();
    CalculateAll();
}

void TFrPos::setCurrentShift(int shiftId, const QDateTime& shiftDate)
{
    m_currentShiftId = shiftId;
    m_currentShiftDate = shiftDate;
    m_product.setCurrentShiftDate(shiftDate);
}

void TFrPos::setFocusTo(PosFocus focus)
{
    m_focus = focus;
    emit focusRequested(focus);
}

void TFrPos::publishControls()
{
    if (m_controls == m_published)
        return;
    m_published = m_controls;
    emit controlsChanged();
}

void TFrPos::RefreshScreen()
{
    m_captions = PosCaptions::forLanguage(session().ThaiLanguage);
    emit captionsChanged();
}

void TFrPos::ToolBar1Click()
{
    data::SessionContext& session = m_dm.config().mutableSession();
    session.ThaiLanguage = !session.ThaiLanguage;
    RefreshScreen();
}

void TFrPos::FormShow()
{
    RefreshScreen();
    m_dm.DMdata().open();
    m_exchangeRateLabel = QStringLiteral("อัตราแลกเปลี่ยน / ") + m_dm.MainCurrencyName().trimmed();
    setCaption(session().MenuCaption.trimmed() + QStringLiteral(" (") + QStringLiteral(KVR_POS_VERSION) +
               QLatin1Char(')'));
    setStatusText(0, session().CompanyNameThai);
    ui::TFrForm::FormShow();
    // The Print button shows with a recalled bill (AcNewExecute and PosNoExit decide).
    AcPrint().setButtonVisible(true);
    m_settings.openOnce();
    m_product.setUseBarCode(m_settings.isOn("PosUseBarCode"));
    AcSave().setEnabled(false);
    if (m_shiftDialog && m_shiftDialog()) {
        m_closeWithoutAsking = false;
        AcNewExecute();
    } else {
        m_closeWithoutAsking = true;
        emit closeRequested();
    }
}

bool TFrPos::FormClose()
{
    return m_closeWithoutAsking || ui::TFrForm::FormClose();
}

void TFrPos::SetDgDtColumn()
{
    if (!m_bill.QDt().isOpen())
        return;
    // The layout follows every line change; a code just refused is still named on its line.
    setStatusText(1, m_notices.codeNotice());
    m_lineEntry.layOutColumns(session().ThaiLanguage, session().EditSalePrice);
    emit columnsChanged();
}

void TFrPos::CalculateAll()
{
    m_calc.CalculateAll();
    emit totalsChanged();
    // A new total changes what is still owed: the change and whether the bill may be saved.
    ReceiptChange();
}

} // namespace kvr::pos
