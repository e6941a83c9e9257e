#pragma once

#include "admin/MachineSearch.h"
#include "data/stores/MachineStore.h"
#include "devices/TCommPortDriver.h"
#include "search/TFaGetDepartment.h"
#include "search/TFaGetSalesman.h"
#include "search/TFaGetWarehouse.h"
#include "ui/base/TFrForm.h"

#include <QString>

namespace kvr::data {
class TDM;
}

namespace kvr::admin {

// The captions of the machine screen in the language it shows.
struct PosMachineCaptions
{
    QString code;
    QString location;
    QString blocked;
    QString remark;
    QString salesman;
    QString warehouse;
    QString department;
    QString printerName;
    QString printerCode;
    QString drawerGroup;
    QString drawerPort;
    QString baudRate;
    QString test;
    QString displayGroup;
    QString displayPort;
    QString hello1;
    QString hello2;
    QString displayTestHint;

    static PosMachineCaptions forLanguage(bool thai);
};

// What the machine screen allows at the moment; the view mirrors it.
struct PosMachineControls
{
    bool codeEnabled = true; // the code field and its search button
    bool lookupsEnabled = false; // the code fields of the salesman, warehouse and department frames

    bool operator==(const PosMachineControls&) const = default;
};

// The register of POS machines (program number 2): one machine at a time, found by its code,
// with its defaults for the sale and its drawer and display, which can be tried from here with
// the values on screen before they are saved. A view shows it and forwards the user's actions;
// questions go through the prompter.
class TFrPosMachineNo : public ui::TFrForm
{
    Q_OBJECT
public:
    static const QStringList kPrinterCodes;
    static const QStringList kPortNames;
    static constexpr int kNewMachineBaudRate = 9600;

    // The runner shows the machine search and the searches of the three look-ups.
    TFrPosMachineNo(ui::Prompter& prompter, data::TDM& dm, search::SearchRunner& runner, QObject* parent = nullptr);

    // The machine on screen: no row before a code was left, then the new or loaded row in edit.
    data::CachedDataset& QPosMachine() { return m_store.QPosMachine(); }
    // True while the row on screen was read from the database (Delete is possible).
    bool isExistingMachine() const { return m_existing; }
    const PosMachineControls& controls() const { return m_controls; }
    bool thaiCaptions() const { return m_thai; }
    PosMachineCaptions captions() const { return PosMachineCaptions::forLanguage(m_thai); }

    // The text of the code field, which is not a column until it is left.
    const QString& codeText() const { return m_codeText; }
    void setCodeText(const QString& text);

    // The search dialog of machines by location, unless another search is set.
    void setMachineSearch(MachineSearch search) { m_search = std::move(search); }
    // The default salesman, warehouse and department of the machine, by code.
    search::TFaGetSalesman& FaGetSalesman1() { return m_faGetSalesman1; }
    search::TFaGetWarehouse& FaGetWarehouse1() { return m_faGetWarehouse1; }
    search::TFaGetDepartment& FaGetDepartment1() { return m_faGetDepartment1; }
    devices::TCommPortDriver& Comport() { return m_comport; }
    devices::TCommPortDriver& DisplayPort() { return m_displayPort; }

    void FormShow() override;
    bool FormClose() override;
    void AcNewExecute() override;
    void AcSaveExecute() override;
    void AcDelExecute() override;
    void AcExitExecute() override;

    // Leaving the code field: loads the machine of that code or starts a new one.
    void CodeExit();
    // The search button or F5 in the code field.
    void BtSearchClick();
    // The drawer and display tests with the values on screen; false when nothing went out.
    bool BTestClick();
    bool DtestClick();
    // A click on the toolbar switches the captions between Thai and English.
    void switchCaptionLanguage();

signals:
    void controlsChanged();
    void captionsChanged();
    void codeTextChanged();
    // The dataset was read anew or its row changed from here; the fields show it again.
    void recordChanged();
    // The code field should take the focus.
    void codeFocusRequested();

private:
    void setControls(const PosMachineControls& controls);
    // The look-ups show the row on screen and take codes only while a machine is being edited.
    void showLookups(bool enabled);
    QString text(const QString& field);
    int number(const QString& field);
    // Runs one write of the record; on failure the record is back on screen in edit mode, as it
    // was typed, and the error goes on.
    template <typename Change>
    void writeKeepingScreen(Change&& change);

    data::TDM& m_dm;
    data::MachineStore m_store;
    data::CachedDataset& m_qPosMachine = m_store.QPosMachine();
    search::TFaGetSalesman m_faGetSalesman1;
    search::TFaGetWarehouse m_faGetWarehouse1;
    search::TFaGetDepartment m_faGetDepartment1;
    devices::TCommPortDriver m_comport;
    devices::TCommPortDriver m_displayPort;
    MachineSearch m_search;
    PosMachineControls m_controls;
    QString m_codeText;
    bool m_existing = false;
    bool m_thai;
    bool m_exitConfirmed = false;
};

} // namespace kvr::admin
