#include "GridFixture.h"
#include "support/WindowWait.h"
#include "ui/base/DataGrid.h"
#include "ui/base/SearchEdit.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace kvr;
using kvr::ui::CellEditorKind;
using kvr::ui::DataGrid;

namespace {

const QStringList kColumns = {QStringLiteral("PRODUCTCODE\t8\tรหัสสินค้า"), QStringLiteral("posname\t30\tชื่อสินค้า"),
                              QStringLiteral("Quantity\t6\tจำนวน")};

class DataGridTest : public test::GridFixture
{
protected:
    void SetUp() override
    {
        GridFixture::SetUp();
        if (IsSkipped())
            return;
        grid = std::make_unique<DataGrid>();
        grid->setDataset(lines.get());
        grid->setColumnList(kColumns);
        grid->resize(600, 300);
        DataGrid* g = grid.get();
        QObject::connect(g, &DataGrid::rowChanged, g, [this](int row) { log << QStringLiteral("row %1").arg(row); });
        QObject::connect(g, &DataGrid::colEnter, g, [this](const QString& f) { log << QStringLiteral("enter ") + f; });
        QObject::connect(g, &DataGrid::colExit, g, [this](const QString& f) { log << QStringLiteral("exit ") + f; });
        QObject::connect(g, &DataGrid::fieldChanged, g,
                         [this](const QString& f) { log << QStringLiteral("changed ") + f; });
    }
    void TearDown() override
    {
        grid.reset();
        GridFixture::TearDown();
    }
    void showGrid()
    {
        grid->show();
        ASSERT_TRUE(test::waitForActiveWindow(grid.get()));
        grid->setFocus();
        ASSERT_TRUE(test::waitForFocusIn(grid.get()));
    }
    QString cell(int row, int column) const { return grid->gridModel().index(row, column).data().toString(); }

    std::unique_ptr<DataGrid> grid;
    QStringList log;
};

TEST_P(DataGridTest, column_list_sets_titles_widths_and_fields_whatever_case_the_backend_returns)
{
    const ui::DatasetTableModel& model = grid->gridModel();
    ASSERT_EQ(model.columnCount(), 3);
    const QStringList titles = {QStringLiteral("รหัสสินค้า"), QStringLiteral("ชื่อสินค้า"), QStringLiteral("จำนวน")};
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(model.headerData(c, Qt::Horizontal).toString(), titles[c]);
    EXPECT_EQ(cell(0, 0), QStringLiteral("P001"));
    EXPECT_EQ(cell(2, 1), QStringLiteral("ข้าวสาร"));
    EXPECT_EQ(data::Field(model.index(1, 2).data(Qt::EditRole)).asFloat(), 2.5);
    EXPECT_GT(grid->columnWidth(1), grid->columnWidth(0) * 3);
    grid->setColumnFormat(QStringLiteral("Quantity"), QStringLiteral("#,##0.00"));
    EXPECT_EQ(cell(2, 2), QStringLiteral("1,200.00"));
}

TEST_P(DataGridTest, model_stays_consistent_through_every_change_of_the_dataset)
{
    QStringList warnings;
    static QStringList* sink = nullptr;
    sink = &warnings;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& m) {
            if (type != QtDebugMsg)
                sink->append(m);
        });
    QAbstractItemModelTester tester(&grid->gridModel(), QAbstractItemModelTester::FailureReportingMode::Warning);

    // After each change the grid shows exactly the dataset's rows in order, or none once it is closed.
    const auto check = [&](const char* step) {
        SCOPED_TRACE(step);
        const int rows = lines->isOpen() ? lines->recordCount() : 0;
        ASSERT_EQ(grid->gridModel().rowCount(), rows);
        for (int row = 0; row < rows; ++row)
            EXPECT_EQ(cell(row, 0), lines->fieldAt(row, QStringLiteral("ProductCode")).asString()) << "row " << row;
    };
    lines->append();
    lines->setValue(QStringLiteral("ProductCode"), QStringLiteral("P004"));
    check("append");
    lines->post();
    check("post");
    lines->setRecNo(1);
    lines->setValue(QStringLiteral("PosName"), QStringLiteral("x"));
    check("edit a middle row");
    lines->setRecNo(1);
    lines->remove();
    check("remove a middle row");
    lines->append();
    lines->cancel();
    check("cancel an insert");
    lines->open();
    check("reopen");
    lines->close();
    check("close");
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(QLatin1Char('\n')).toStdString();
}

TEST_P(DataGridTest, read_only_columns_and_rows_refuse_edits_and_leave_the_dataset_alone)
{
    grid->setColumnReadOnlyRule(QStringLiteral("PosName"), [](int row) { return row == 1; });
    grid->setColumnEditor(QStringLiteral("Quantity"), CellEditorKind::None);
    const std::tuple<int, const char*, bool> cases[] = {
        {0, "ProductCode", true}, {0, "PosName", true}, {1, "PosName", false}, {0, "Quantity", false}};
    ui::DatasetTableModel& model = grid->gridModel();
    for (const auto& [row, field, editable] : cases) {
        SCOPED_TRACE(QStringLiteral("%1 of row %2").arg(QLatin1String(field)).arg(row).toStdString());
        const QModelIndex index = model.index(row, model.columnOf(QLatin1String(field)));
        const QString before = index.data(Qt::EditRole).toString();
        EXPECT_EQ(model.flags(index).testFlag(Qt::ItemIsEditable), editable);
        EXPECT_EQ(model.setData(index, QStringLiteral("9")), editable);
        EXPECT_EQ(lines->fieldAt(row, QLatin1String(field)).asString(), editable ? QStringLiteral("9") : before);
    }
    grid->setGridReadOnly(true);
    EXPECT_FALSE(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsEditable));
    EXPECT_FALSE(model.setData(model.index(0, 0), QStringLiteral("X")));
}

TEST_P(DataGridTest, selected_field_moves_by_name_within_the_current_row)
{
    grid->setCurrentIndex(grid->gridModel().index(1, 0));
    grid->setColumnVisible(QStringLiteral("PosName"), false);
    const std::pair<const char*, bool> moves[] = {{"quantity", true}, {"PosName", false}, {"Nothing", false}};
    for (const auto& [field, moved] : moves) {
        SCOPED_TRACE(field);
        const QString before = grid->selectedField();
        EXPECT_EQ(grid->setSelectedField(QLatin1String(field)), moved);
        EXPECT_EQ(grid->selectedField().toUpper(), moved ? QString::fromLatin1(field).toUpper() : before.toUpper());
        EXPECT_EQ(grid->currentRow(), 1);
    }
}

TEST_P(DataGridTest, events_report_columns_rows_and_edits_in_order)
{
    showGrid();
    grid->setCurrentIndex(grid->gridModel().index(0, 0));
    // The events a step reported, then the row the dataset and the grid are both on.
    const auto expectStep = [&](const char* step, const QStringList& events, int row) {
        SCOPED_TRACE(step);
        EXPECT_EQ(log, events);
        EXPECT_EQ(lines->recNo(), row);
        EXPECT_EQ(grid->currentRow(), row);
        log.clear();
    };
    log.clear();
    grid->setSelectedField(QStringLiteral("PosName"));
    expectStep("next column", {QStringLiteral("exit PRODUCTCODE"), QStringLiteral("enter posname")}, 0);
    QTest::keyClick(grid.get(), Qt::Key_Down);
    expectStep("down a row", {QStringLiteral("row 1")}, 1);
    lines->setRecNo(2);
    expectStep("the program moves the dataset", {QStringLiteral("row 2")}, 2);
    QTest::keyClicks(grid.get(), QStringLiteral("Z"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    expectStep("typing into a cell and Enter",
               {QStringLiteral("changed posname"), QStringLiteral("exit posname"), QStringLiteral("enter Quantity")},
               2);
    EXPECT_EQ(lines->fieldAt(2, QStringLiteral("PosName")).asString(), QStringLiteral("Z"));
    EXPECT_EQ(lines->rowStatus(2), data::CachedDataset::RowStatus::Modified);
    EXPECT_EQ(lines->rowStatus(1), data::CachedDataset::RowStatus::Unmodified);
}

// An error in the screen's row handler is reported where the grid called it; the grid neither
// loses the dataset's row nor stops following it.
TEST_P(DataGridTest, a_failing_row_handler_is_reported_and_the_grid_stays_on_the_dataset_row)
{
    test::RecordingErrorSink sink;
    showGrid();
    grid->setCurrentIndex(grid->gridModel().index(0, 0));
    bool refuse = true;
    QObject::connect(grid.get(), &DataGrid::rowLeaving, grid.get(), [&refuse] {
        if (refuse)
            throw std::runtime_error("stock check failed");
    });
    QTest::keyClick(grid.get(), Qt::Key_Down);
    EXPECT_EQ(sink.messages, QStringList{QStringLiteral("stock check failed")});
    EXPECT_EQ(lines->recNo(), 0);
    EXPECT_EQ(grid->currentRow(), 0);

    // Moving on once the handler agrees is the events walk's; here the grid still follows.
    refuse = false;
    lines->setRecNo(2);
    EXPECT_EQ(grid->currentRow(), 2);
}

TEST_P(DataGridTest, the_owner_sees_every_key_first_also_while_a_cell_is_edited)
{
    showGrid();
    grid->setCurrentIndex(grid->gridModel().index(0, 1));
    QList<int> seen;
    bool swallow = true;
    grid->setKeyHandler([&](QKeyCombination key) {
        seen << key.key();
        return swallow && (key.key() == Qt::Key_Down || key.key() == Qt::Key_F7);
    });
    QTest::keyClick(grid.get(), Qt::Key_Down);
    EXPECT_EQ(grid->currentRow(), 0) << "a key the owner took does not move the grid";
    swallow = false;
    QTest::keyClick(grid.get(), Qt::Key_Down);
    EXPECT_EQ(grid->currentRow(), 1) << "a key the owner leaves is the grid's";
    swallow = true;
    QTest::keyClicks(grid.get(), QStringLiteral("A"));
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, grid.get()) << "typing opened the cell editor";
    QTest::keyClick(editor, Qt::Key_F7);
    EXPECT_EQ(seen, QList<int>({Qt::Key_Down, Qt::Key_Down, Qt::Key_A, Qt::Key_F7}));
    EXPECT_EQ(QApplication::focusWidget(), editor) << "the editor stays open when the owner takes its key";
}

TEST_P(DataGridTest, a_search_editor_asks_for_its_search_by_button_and_by_F5)
{
    grid->setColumnEditor(QStringLiteral("ProductCode"), CellEditorKind::SearchEdit);
    grid->setColumnUpperCase(QStringLiteral("ProductCode"), true);
    showGrid();
    QSignalSpy searches(grid.get(), &DataGrid::searchRequested);
    grid->setCurrentIndex(grid->gridModel().index(1, 0));
    QTest::keyClicks(grid.get(), QStringLiteral("p"));
    auto* editor = grid->findChild<ui::SearchEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("P"));
    QTest::keyClick(editor->lineEdit(), Qt::Key_F5);
    editor->button()->click();
    ASSERT_EQ(searches.count(), 2);
    for (const QList<QVariant>& call : searches)
        EXPECT_EQ(call.at(0).toString().toUpper(), QStringLiteral("PRODUCTCODE"));
}

TEST_P(DataGridTest, several_rows_can_be_selected_in_a_read_only_grid)
{
    grid->setGridReadOnly(true);
    grid->setMultiSelect(true);
    showGrid();
    const auto centre = [&](int row) { return grid->visualRect(grid->gridModel().index(row, 0)).center(); };
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, centre(2));
    EXPECT_EQ(grid->selectedRows(), std::vector<int>({2}));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ControlModifier, centre(0));
    EXPECT_EQ(grid->selectedRows(), std::vector<int>({0, 2}));
    grid->setMultiSelect(false);
    grid->clearSelection();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ControlModifier, centre(1));
    EXPECT_EQ(grid->selectedRows(), std::vector<int>({1}));
}

TEST_P(DataGridTest, a_suspended_grid_catches_up_with_the_dataset_when_resumed)
{
    grid->setCurrentIndex(grid->gridModel().index(0, 0));
    log.clear();
    grid->suspend();
    for (int row = 0; row < lines->recordCount(); ++row) {
        lines->setRecNo(row);
        lines->setValue(QStringLiteral("Quantity"), row * 10);
    }
    lines->setRecNo(1);
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(grid->currentRow(), 0);
    grid->resume();
    EXPECT_EQ(log, QStringList({QStringLiteral("row 1")}));
    EXPECT_EQ(grid->currentRow(), 1);
}

// A cell takes no more characters than its column holds: the rest of a long paste or an
// over-long scan is stopped while typed, on SQLite as on PostgreSQL.
TEST_P(DataGridTest, a_cell_editor_takes_at_most_what_its_column_holds)
{
    showGrid();
    grid->setCurrentIndex(grid->gridModel().index(1, 0));
    QTest::keyClicks(grid.get(), QStringLiteral("A"));
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, grid.get()) << "typing opened the cell editor";
    QTest::keyClicks(editor, QString(30, QLatin1Char('B')));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    // What was typed, cut at the 20 characters of ProductCode (the key that opened the editor may
    // or may not be its first).
    EXPECT_EQ(lines->fieldAt(1, QStringLiteral("ProductCode")).asString().mid(1), QString(19, QLatin1Char('B')));
}

KVR_INSTANTIATE_BACKENDS(DataGridTest);

} // namespace
