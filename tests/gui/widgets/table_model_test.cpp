#include "gui/widgets/table_model.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "engine/refdata/reference_tables.h"
#include "engine/table/list_kinds.h"
#include "gui/support/scripted_dialogs.h"
#include "gui/widgets/table_grid.h"

using quillux::engine::ReferenceTables;
using quillux::engine::Table;
using quillux::engine::Value;
using quillux::gui::TableGrid;
using quillux::gui::TableModel;
using quillux::testing::ScriptedDialogs;

namespace {

void SetRegionalSettings(QLocale::Language language, QLocale::Territory territory) {
    QLocale::setDefault(QLocale(language, territory));
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
}

void AddFixture(Table& table, const char* name, const char* manufacturer, double watts) {
    table.Append();
    table.SetValue("FixtureName", std::string(name));
    table.SetValue("Manufacturer", std::string(manufacturer));
    table.SetValue("Watts", watts);
    table.Post();
}

QString Cell(const QAbstractItemModel& model, int row, int column, int role = Qt::DisplayRole) {
    return model.data(model.index(row, column), role).toString();
}

QStringList ColumnTexts(const QAbstractItemModel& model, int column) {
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row) texts << Cell(model, row, column);
    return texts;
}

// Starts the editor of a cell with F2, replaces its text and presses Enter.
void TypeIntoCell(TableGrid& grid, int row, int column, const QString& text) {
    grid.setCurrentIndex(grid.model()->index(row, column));
    QTest::keyClick(&grid, Qt::Key_F2);
    auto* editor = grid.viewport()->findChild<QLineEdit*>();
    QVERIFY(editor != nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the delegate commits through a queued call
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // and drops the editor
}

}  // namespace

class TableModelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        SetRegionalSettings(QLocale::English, QLocale::UnitedStates);
        dialogs = std::make_unique<ScriptedDialogs>();
        folder = std::make_unique<QTemporaryDir>();
        tables = std::make_unique<ReferenceTables>(*dialogs);
        tables->SetInstallDir(folder->path().toStdString());
        dialogs->AnswerMessage(quillux::engine::MessageAnswer::Ok);  // "default manufacturer File"
        dialogs->AnswerMessage(quillux::engine::MessageAnswer::Ok);  // "default Fixture File"
        tables->LoadAll();
        dialogs->Reset();
    }

    void cleanup() {
        tables.reset();
        folder.reset();
        dialogs.reset();
        SetRegionalSettings(QLocale::English, QLocale::UnitedStates);
    }

    void displayFormatsFollowTheLocaleSeparator() {
        Table& user = tables->TableFixtureUser();
        AddFixture(user, "Par 64", "Acme", 1200.456);
        user.SetValue("BeamMin", 0.5);
        user.SetValue("Power Factor", 0.0);
        user.SetValue("UseDipSwitch", true);
        user.Post();
        TableModel model(user);
        const int watts = model.columnOfField("Watts");
        const int beam = model.columnOfField("BeamMin");
        const int pf = model.columnOfField("Power Factor");
        const int dip = model.columnOfField("UseDipSwitch");
        const int weight = model.columnOfField("Weight");
        QCOMPARE(Cell(model, 0, watts), QString("1200.46 W"));
        QCOMPARE(Cell(model, 0, beam), QString::fromUtf8(".5°"));
        QCOMPARE(Cell(model, 0, pf), QString(""));  // "#.##" shows 0 as nothing
        QCOMPARE(Cell(model, 0, weight), QString(""));
        QCOMPARE(model.data(model.index(0, dip), Qt::CheckStateRole).value<Qt::CheckState>(),
                 Qt::Checked);
        QVERIFY(model.flags(model.index(0, dip)) & Qt::ItemIsUserCheckable);
        QVERIFY(!(model.flags(model.index(0, model.columnOfField("mFMax"))) & Qt::ItemIsEditable));
        QCOMPARE(model.headerData(model.columnOfField("Lenght"), Qt::Horizontal).toString(),
                 QString("Length"));
        QCOMPARE(model.headerData(model.columnOfField("Number  of DMX channel"), Qt::Horizontal)
                     .toString(),
                 QString("No. DMX ch."));

        SetRegionalSettings(QLocale::German, QLocale::Germany);
        QCOMPARE(Cell(model, 0, watts), QString("1200,46 W"));
        QCOMPARE(Cell(model, 0, beam, Qt::EditRole), QString(",5"));
    }

    void aPostShowsAtOnceInEveryViewOfTheMergedTable() {
        TableGrid first(tables->TableFixtureMerge());
        TableGrid second(tables->TableFixtureMerge());
        first.show();
        second.show();
        const int name = first.tableModel()->columnOfField("FixtureName");
        AddFixture(tables->TableFixtureUser(), "Spot", "Acme", 575);
        AddFixture(tables->TableFixtureUser(), "Beam", "Acme", 470);
        QCOMPARE(ColumnTexts(*first.model(), name), (QStringList{"Beam", "Spot"}));
        QCOMPARE(ColumnTexts(*second.model(), name), (QStringList{"Beam", "Spot"}));

        // Editing through the user table's own grid reaches both merged views.
        TableGrid userGrid(tables->TableFixtureUser());
        userGrid.show();
        TypeIntoCell(userGrid, 1, userGrid.tableModel()->columnOfField("Watts"), "750");
        QCOMPARE(tables->TableFixtureUser().RecordAt(1)[14], Value(750.0));
        const int watts = first.tableModel()->columnOfField("Watts");
        QCOMPARE(Cell(*second.model(), 1, watts), QString("750 W"));
        QCOMPARE(Cell(*first.model(), 1, watts), QString("750 W"));
        QVERIFY(dialogs->Messages().isEmpty());
    }

    void refusedValuesShowTheTableMessageAndKeepTheRecord() {
        SetRegionalSettings(QLocale::German, QLocale::Germany);
        Table& user = tables->TableFixtureUser();
        AddFixture(user, "Wash", "Acme", 300);
        user.SetValue("Power Factor", 0.9);
        user.Post();
        TableGrid grid(user);
        grid.show();
        const int pf = grid.tableModel()->columnOfField("Power Factor");

        dialogs->AnswerMessage(quillux::engine::MessageAnswer::Ok);
        TypeIntoCell(grid, 0, pf, "1,5");
        QCOMPARE(
            dialogs->MessageTexts(),
            QStringList{
                "1.5 is not a valid value for field 'Power Factor'. The allowed range is 0 to 1"});
        QCOMPARE(user.RecordAt(0)[15], Value(0.9));
        QCOMPARE(user.State(), quillux::engine::EditState::Browse);

        dialogs->Reset();
        dialogs->AnswerMessage(quillux::engine::MessageAnswer::Ok);
        TypeIntoCell(grid, 0, grid.tableModel()->columnOfField("Watts"), "abc");
        QCOMPARE(dialogs->MessageTexts(), QStringList{"'abc' is not a valid floating point value"});
        QCOMPARE(user.RecordAt(0)[14], Value(300.0));

        dialogs->Reset();
        TypeIntoCell(grid, 0, pf, "0,75");
        QCOMPARE(user.RecordAt(0)[15], Value(0.75));
        QVERIFY(dialogs->Messages().isEmpty());
    }

    void titleClicksSortTheTableForEveryGrid() {
        auto dmx = quillux::engine::MakeTable(quillux::engine::TableKind::Dmx, "TableDMX");
        for (const char* id : {"0002", "0010", "0001"}) {
            dmx->Append();
            dmx->SetValue("Fixture ID", std::string(id));
            dmx->Post();
        }
        TableGrid first(*dmx);
        TableGrid second(*dmx);
        first.show();
        const int idColumn = first.tableModel()->columnOfField("Fixture ID");
        QCOMPARE(ColumnTexts(*second.model(), idColumn), (QStringList{"0002", "0010", "0001"}));

        const QPoint title(first.horizontalHeader()->sectionViewportPosition(idColumn) + 5, 5);
        QTest::mouseClick(first.horizontalHeader()->viewport(), Qt::LeftButton, {}, title);
        QCOMPARE(ColumnTexts(*second.model(), idColumn), (QStringList{"0001", "0002", "0010"}));
        QTest::mouseClick(first.horizontalHeader()->viewport(), Qt::LeftButton, {}, title);
        QCOMPARE(ColumnTexts(*second.model(), idColumn), (QStringList{"0010", "0002", "0001"}));
        QCOMPARE(second.horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    }

    void theCurrentRecordIsSharedAndBooleansToggle() {
        auto dmx = quillux::engine::MakeTable(quillux::engine::TableKind::Dmx, "TableDMX");
        for (int i = 0; i < 3; ++i) {
            dmx->Append();
            dmx->Post();
        }
        TableGrid first(*dmx);
        TableGrid second(*dmx);
        first.show();
        second.show();
        const int offset = first.tableModel()->columnOfField("AddressMinusOne");
        first.setCurrentIndex(first.model()->index(2, offset));
        QCOMPARE(dmx->CurrentRow(), 2);
        QCOMPARE(second.currentIndex().row(), 2);

        QTest::keyClick(&first, Qt::Key_Space);
        QCOMPARE(dmx->RecordAt(2)[10], Value(true));
        QCOMPARE(second.model()
                     ->data(second.model()->index(2, offset), Qt::CheckStateRole)
                     .value<Qt::CheckState>(),
                 Qt::Checked);

        dmx->SetRecNo(1);
        QCOMPARE(first.currentIndex().row(), 0);
        QCOMPARE(second.currentIndex().row(), 0);
    }

private:
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<ReferenceTables> tables;
};

QTEST_MAIN(TableModelTest)
#include "table_model_test.moc"
