#include "gui/widgets/qt_user_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace quillux::gui {
namespace {

using engine::MessageAnswer;
using engine::MessageButtons;
using engine::MessageKind;

QMessageBox::Icon IconFor(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information: return QMessageBox::Information;
        case MessageKind::Warning: return QMessageBox::Warning;
        case MessageKind::Error: return QMessageBox::Critical;
        case MessageKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsFor(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok: return QMessageBox::Ok;
        case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// What closing the box with Escape or its title-bar button means.
MessageAnswer EscapeAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok: return MessageAnswer::Ok;
        case MessageButtons::YesNo: return MessageAnswer::No;
        case MessageButtons::OkCancel:
        case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

QWidget* DialogParent() {
    return QApplication::activeWindow();
}

void Prepare(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setWindowTitle(request.title);
    if (!request.initialFolder.isEmpty()) dialog.setDirectory(request.initialFolder);
    if (!request.filter.isEmpty()) {
        dialog.setNameFilters(request.filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts));
    }
    dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.initialFileName.isEmpty()) dialog.selectFile(request.initialFileName);
}

std::optional<QString> Run(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    return files.first();
}

}  // namespace

MessageAnswer QtUserDialogs::ShowMessage(MessageKind kind, const std::string& caption,
                                         const std::string& text, MessageButtons buttons) {
    QMessageBox box(IconFor(kind), QString::fromStdString(caption), QString::fromStdString(text),
                    ButtonsFor(buttons), DialogParent());
    switch (EscapeAnswer(buttons)) {
        case MessageAnswer::No: box.setEscapeButton(QMessageBox::No); break;
        case MessageAnswer::Cancel: box.setEscapeButton(QMessageBox::Cancel); break;
        default: box.setEscapeButton(QMessageBox::Ok); break;
    }
    box.setDefaultButton(buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel
                             ? QMessageBox::Ok
                             : QMessageBox::Yes);
    switch (box.exec()) {
        case QMessageBox::Ok: return MessageAnswer::Ok;
        case QMessageBox::Yes: return MessageAnswer::Yes;
        case QMessageBox::No: return MessageAnswer::No;
        case QMessageBox::Cancel: return MessageAnswer::Cancel;
        default: return EscapeAnswer(buttons);
    }
}

std::optional<QString> QtUserDialogs::OpenFile(const FileDialogRequest& request) {
    QFileDialog dialog(DialogParent());
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Run(dialog);
}

std::optional<QString> QtUserDialogs::SaveFile(const FileDialogRequest& request) {
    QFileDialog dialog(DialogParent());
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    return Run(dialog);
}

std::optional<QString> QtUserDialogs::SelectFolder(const QString& title,
                                                   const QString& initialFolder) {
    const QString folder = QFileDialog::getExistingDirectory(DialogParent(), title, initialFolder,
                                                             QFileDialog::ShowDirsOnly);
    if (folder.isEmpty()) return std::nullopt;
    return folder;
}

}  // namespace quillux::gui
