#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <memory>

#include "gui/support/program_folder.h"
#include "gui/support/scripted_dialogs.h"
#include "gui/widgets/qt_user_dialogs.h"
#include "gui/widgets/user_dialogs.h"

using quillux::engine::MessageAnswer;
using quillux::engine::MessageButtons;
using quillux::engine::MessageKind;
using quillux::gui::FileDialogRequest;
using quillux::gui::QtUserDialogs;
using quillux::gui::UserDialogs;
using quillux::testing::ScriptedDialogs;
using quillux::testing::TemporaryProgramFolder;

Q_DECLARE_METATYPE(MessageButtons)
Q_DECLARE_METATYPE(MessageAnswer)

namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Once the modal box is up: notes what it shows, then presses `button`, or Escape when empty.
void AnswerNextBox(SeenBox* seen, const QString& button) {
    QTimer::singleShot(0, [seen, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        for (QAbstractButton* b : box->buttons()) seen->buttons << b->text().remove(u'&');
        seen->buttons.sort();
        if (button.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton* b : box->buttons()) {
            if (b->text().remove(u'&') == button) b->click();
        }
    });
}

}  // namespace

class UserDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void currentIsTheRealDialogsUntilAnotherIsInstalled();
    void messageBoxShowsItsKindAndButtonsAndReturnsTheChoice_data();
    void messageBoxShowsItsKindAndButtonsAndReturnsTheChoice();
    void saveDialogTakesTheRequest();

    void scriptedDialogsRecordAndAnswerInOrder();
    void unscriptedDialogIsAFailureNotABlock();
    void answerThatIsNotAButtonIsAFailure();

    void programFolderIsFreshAndCurrent();

private:
    std::unique_ptr<ScriptedDialogs> dialogs_;
};

void UserDialogsTest::cleanup() {
    dialogs_.reset();
    UserDialogs::Install(nullptr);
}

void UserDialogsTest::currentIsTheRealDialogsUntilAnotherIsInstalled() {
    QVERIFY(dynamic_cast<QtUserDialogs*>(&UserDialogs::Current()) != nullptr);
    dialogs_ = std::make_unique<ScriptedDialogs>();
    QCOMPARE(&UserDialogs::Current(), static_cast<UserDialogs*>(dialogs_.get()));
    dialogs_.reset();
    QVERIFY(dynamic_cast<QtUserDialogs*>(&UserDialogs::Current()) != nullptr);
}

void UserDialogsTest::messageBoxShowsItsKindAndButtonsAndReturnsTheChoice_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<MessageButtons>("buttons");
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<MessageAnswer>("answer");

    QTest::newRow("information ok") << int(MessageKind::Information) << MessageButtons::Ok << "OK"
                                    << int(QMessageBox::Information) << QStringList{"OK"} << MessageAnswer::Ok;
    QTest::newRow("error ok") << int(MessageKind::Error) << MessageButtons::Ok << "OK"
                              << int(QMessageBox::Critical) << QStringList{"OK"} << MessageAnswer::Ok;
    QTest::newRow("confirm yes no, no") << int(MessageKind::Confirmation) << MessageButtons::YesNo << "No"
                                        << int(QMessageBox::Question) << QStringList{"No", "Yes"} << MessageAnswer::No;
    QTest::newRow("confirm yes no cancel, yes") << int(MessageKind::Confirmation) << MessageButtons::YesNoCancel << "Yes"
                                                << int(QMessageBox::Question) << QStringList{"Cancel", "No", "Yes"} << MessageAnswer::Yes;
    QTest::newRow("warning ok cancel, escape") << int(MessageKind::Warning) << MessageButtons::OkCancel << ""
                                               << int(QMessageBox::Warning) << QStringList{"Cancel", "OK"} << MessageAnswer::Cancel;
    QTest::newRow("yes no, escape is no") << int(MessageKind::Confirmation) << MessageButtons::YesNo << ""
                                          << int(QMessageBox::Question) << QStringList{"No", "Yes"} << MessageAnswer::No;
}

void UserDialogsTest::messageBoxShowsItsKindAndButtonsAndReturnsTheChoice() {
    QFETCH(int, kind);
    QFETCH(MessageButtons, buttons);
    QFETCH(QString, press);
    QFETCH(int, icon);
    QFETCH(QStringList, shown);
    QFETCH(MessageAnswer, answer);

    QtUserDialogs real;
    SeenBox seen;
    AnswerNextBox(&seen, press);
    const MessageAnswer got =
        real.ShowMessage(static_cast<MessageKind>(kind), "Save List", "Save the list?", buttons);
    QCOMPARE(seen.title, QStringLiteral("Save List"));
    QCOMPARE(seen.text, QStringLiteral("Save the list?"));
    QCOMPARE(int(seen.icon), icon);
    QCOMPARE(seen.buttons, shown);
    QCOMPARE(got, answer);
}

void UserDialogsTest::saveDialogTakesTheRequest() {
    TemporaryProgramFolder folder(QStringLiteral(QUILLUX_RESOURCES));
    QVERIFY(folder.IsValid());
    FileDialogRequest request;
    request.title = QStringLiteral("Save Load List");
    request.filter = QStringLiteral("Load List (*.EL1);;All files (*)");
    request.defaultExtension = QStringLiteral("EL1");
    request.initialFolder = folder.DataPath();
    request.initialFileName = QStringLiteral("stage");

    QString title;
    QStringList filters;
    QString suffix;
    bool confirmsOverwrite = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        suffix = dialog->defaultSuffix();
        confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const std::optional<QString> chosen = QtUserDialogs().SaveFile(request);
    QCOMPARE(title, request.title);
    QCOMPARE(filters, (QStringList{"Load List (*.EL1)", "All files (*)"}));
    QCOMPARE(suffix, QStringLiteral("EL1"));
    QVERIFY(confirmsOverwrite);
    QVERIFY(chosen.has_value());
    QCOMPARE(*chosen, folder.DataPath() + QStringLiteral("stage.EL1"));
}

void UserDialogsTest::scriptedDialogsRecordAndAnswerInOrder() {
    dialogs_ = std::make_unique<ScriptedDialogs>();
    dialogs_->AnswerMessage(MessageAnswer::Yes);
    dialogs_->AnswerMessage(MessageAnswer::Ok);
    dialogs_->AnswerFile(QStringLiteral("/tmp/a.QXW"));
    dialogs_->AnswerFile(std::nullopt);

    UserDialogs& current = UserDialogs::Current();
    QCOMPARE(current.Confirm("Save changes?", MessageButtons::YesNoCancel), MessageAnswer::Yes);
    current.Error("The file could not be read.");
    FileDialogRequest request;
    request.title = QStringLiteral("Open");
    QCOMPARE(current.OpenFile(request), std::optional<QString>(QStringLiteral("/tmp/a.QXW")));
    QCOMPARE(current.SelectFolder(QStringLiteral("Data folder"), QStringLiteral("/tmp")),
             std::optional<QString>());

    QCOMPARE(dialogs_->MessageTexts(),
             (QStringList{"Save changes?", "The file could not be read."}));
    QCOMPARE(dialogs_->Messages()[0].kind, MessageKind::Confirmation);
    QCOMPARE(dialogs_->Messages()[0].buttons, MessageButtons::YesNoCancel);
    QCOMPARE(dialogs_->Messages()[1].kind, MessageKind::Error);
    QCOMPARE(dialogs_->Messages()[1].caption, QStringLiteral("Error"));
    QCOMPARE(dialogs_->FileRequests().size(), 2);
    QCOMPARE(dialogs_->FileRequests()[1].kind, ScriptedDialogs::RequestKind::Folder);
    QCOMPARE(dialogs_->FileRequests()[1].request.initialFolder, QStringLiteral("/tmp"));
    QCOMPARE(dialogs_->UnusedAnswers(), 0);
    QVERIFY(dialogs_->Failures().isEmpty());
}

void UserDialogsTest::unscriptedDialogIsAFailureNotABlock() {
    dialogs_ = std::make_unique<ScriptedDialogs>();
    dialogs_->SetFailRunningTest(false);
    QCOMPARE(UserDialogs::Current().Confirm("Quit?", MessageButtons::YesNo), MessageAnswer::No);
    QCOMPARE(UserDialogs::Current().SaveFile({}), std::optional<QString>());
    QCOMPARE(dialogs_->Failures().size(), 2);
    QVERIFY(dialogs_->Failures()[0].contains(QStringLiteral("Quit?")));
    QCOMPARE(dialogs_->Messages().size(), 1);
}

void UserDialogsTest::answerThatIsNotAButtonIsAFailure() {
    dialogs_ = std::make_unique<ScriptedDialogs>();
    dialogs_->SetFailRunningTest(false);
    dialogs_->AnswerMessage(MessageAnswer::Yes);
    UserDialogs::Current().Information("Saved.");
    QCOMPARE(dialogs_->Failures().size(), 1);
}

void UserDialogsTest::programFolderIsFreshAndCurrent() {
    const QString before = QDir::currentPath();
    {
        TemporaryProgramFolder folder(QStringLiteral(QUILLUX_RESOURCES));
        QVERIFY(folder.IsValid());
        QVERIFY(folder.Path().endsWith(u'/'));
        QCOMPARE(QDir::currentPath() + u'/', folder.Path());
        QVERIFY(QDir(folder.DataPath()).exists());
        QVERIFY(QDir(folder.DataPath()).isEmpty());
        QVERIFY(QDir(folder.ResourcesPath()).exists());
        const QStringList shipped = QDir(QStringLiteral(QUILLUX_RESOURCES)).entryList(QDir::Files);
        QCOMPARE(QDir(folder.ResourcesPath()).entryList(QDir::Files), shipped);
        QVERIFY(QStandardPaths::isTestModeEnabled());
    }
    QCOMPARE(QDir::currentPath(), before);
}

QTEST_MAIN(UserDialogsTest)
#include "user_dialogs_test.moc"
