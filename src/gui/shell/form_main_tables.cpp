#include <QFileInfo>
#include <QStringList>
#include <filesystem>

#include "engine/fixtures/qxf_import.h"
#include "engine/refdata/reference_tables.h"
#include "gui/shell/form_main.h"
#include "gui/widgets/user_dialogs.h"

// The reference-table side of the main window: loading at start, the merges, saving and
// importing.

namespace quillux::gui {

engine::ReferenceTables& TFormMain::Tables() { return *tables_; }

void TFormMain::OpenReferenceTables() {
    tables_->SetInstallDir(std::filesystem::path(state_.InstallDir.toStdString()));
    tables_->SetUseDefaultDatabase(QxSetupData->SetupI[12] == 0);
    tables_->LoadAll();
}

void TFormMain::ApplyManufacturerFilterAtStart() {
    tables_->ApplyStartFilter(QxSetupData->DatabaseFixtureS[1].Get(),
                              QxSetupData->SetupI[32] == 1);
}

void TFormMain::RebuildManufacturerMerge() {
    tables_->SetUseDefaultDatabase(QxSetupData->SetupI[12] == 0);
    tables_->RebuildManufacturerMerge();
}

void TFormMain::SaveAllDatabase() {
    tables_->SetMessenger(UserDialogs::Current());
    tables_->SetSaveDefaultData(SaveDefaultData());
    tables_->SaveAllDatabase();
}

void TFormMain::Import1Click() {
    FileDialogRequest request;
    request.title = QStringLiteral("Import");
    request.initialFolder = state_.UserDataDir;
    const std::optional<QString> chosen = UserDialogs::Current().OpenFile(request);
    tables_->SetMessenger(UserDialogs::Current());
    // A QLC+ fixture definition goes through its own reader; anything else is a table file.
    if (chosen && chosen->endsWith(QStringLiteral(".qxf"), Qt::CaseInsensitive)) {
        ImportQxf(*chosen);
        return;
    }
    std::optional<std::filesystem::path> path;
    if (chosen) path = std::filesystem::path(chosen->toStdString());
    tables_->Import1Click(path);
}

void TFormMain::ImportQlcFolder1Click() {
    const std::optional<QString> folder =
        UserDialogs::Current().SelectFolder(QStringLiteral("Import QLC+ Fixture Folder"), state_.UserDataDir);
    if (folder) ImportQxf(*folder);
}

void TFormMain::ImportQxf(const QString& path) {
    // QLC+ fixtures join the shipped fixtures, as a table-file import does: they reach
    // Data/DataFixture.dbd when "Save Default Data" is checked at the next save, and the
    // merged table follows at its next rebuild. Manufacturers not known yet join the shipped
    // manufacturers the same way.
    engine::QxfImportResult result = engine::ImportQxfPath(std::filesystem::path(path.toStdString()));
    const int fixtures = int(result.records.size());
    std::vector<engine::Record> manufacturers =
        engine::MissingManufacturerRecords(result.records, tables_->TableManufacturerMerge());
    const int newManufacturers = int(manufacturers.size());
    if (fixtures > 0) {
        tables_->TableFixture().AppendRecords(std::move(result.records));
        tables_->TableFixture().SetSort("FixtureName", engine::SortOrder::Ascending);
        if (newManufacturers > 0) tables_->TableManufacturer().AppendRecords(std::move(manufacturers));
    }
    QStringList lines;
    lines << QStringLiteral("%1 fixture mode(s) imported from %2 file(s) into the default fixtures.")
                 .arg(fixtures)
                 .arg(result.filesImported);
    if (fixtures > 0 && newManufacturers > 0) {
        lines << QStringLiteral("%1 new manufacturer(s) added.").arg(newManufacturers);
    }
    if (fixtures > 0) {
        lines << QStringLiteral("Check \"Save Default Data\" to keep them in the default database.");
    }
    // A folder of damaged files must not grow the message beyond the screen.
    constexpr int kSkippedShown = 15;
    const int skippedCount = int(result.skipped.size());
    for (int i = 0; i < skippedCount && i < kSkippedShown; ++i) {
        const engine::QxfSkippedFile& skipped = result.skipped[i];
        lines << QStringLiteral("Skipped %1: %2")
                     .arg(QString::fromStdString(skipped.file.string()),
                          QString::fromStdString(skipped.reason));
    }
    if (skippedCount > kSkippedShown) {
        lines << QStringLiteral("... and %1 more file(s) skipped.").arg(skippedCount - kSkippedShown);
    }
    if (fixtures == 0) {
        UserDialogs::Current().Warning(("Cannot Import File\n" + lines.join('\n')).toStdString());
    } else {
        UserDialogs::Current().Information(lines.join('\n').toStdString());
    }
}

}  // namespace quillux::gui
