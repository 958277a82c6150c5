#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

#include "gui/widgets/user_dialogs.h"

namespace quillux::testing {

// The test double of the message boxes and file dialogs. It installs itself while it lives,
// records every message and dialog request, and answers from queues the test fills first.
// A dialog that arrives with no scripted answer (or a message answered with a button it does
// not have) fails the running test at once and is printed loudly; it never blocks.
class ScriptedDialogs : public gui::UserDialogs {
public:
    struct Message {
        engine::MessageKind kind;
        QString caption;
        QString text;
        engine::MessageButtons buttons;
    };
    enum class RequestKind { Open, Save, Folder };
    struct FileRequest {
        RequestKind kind;
        gui::FileDialogRequest request;  // a folder request fills title and initialFolder
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    // The answer to the next message box (Ok for a box that only has Ok).
    void AnswerMessage(engine::MessageAnswer answer);
    // The path the next open, save or folder dialog returns; nothing means the user cancelled.
    void AnswerFile(std::optional<QString> path);

    const QList<Message>& Messages() const { return messages_; }
    const QList<FileRequest>& FileRequests() const { return fileRequests_; }
    // Texts of the recorded messages, in order.
    QStringList MessageTexts() const;
    // Every unexpected dialog, described; empty when all went as scripted.
    const QStringList& Failures() const { return failures_; }
    // Scripted answers no dialog has taken yet.
    int UnusedAnswers() const;
    void Reset();
    // On by default. Only a test of this class itself turns it off, to look at Failures().
    void SetFailRunningTest(bool fail) { failRunningTest_ = fail; }

    engine::MessageAnswer ShowMessage(engine::MessageKind kind, const std::string& caption,
                                      const std::string& text,
                                      engine::MessageButtons buttons) override;
    std::optional<QString> OpenFile(const gui::FileDialogRequest& request) override;
    std::optional<QString> SaveFile(const gui::FileDialogRequest& request) override;
    std::optional<QString> SelectFolder(const QString& title, const QString& initialFolder) override;

private:
    std::optional<QString> NextFile(RequestKind kind, const gui::FileDialogRequest& request);
    void Fail(const QString& what);

    std::deque<engine::MessageAnswer> messageAnswers_;
    std::deque<std::optional<QString>> fileAnswers_;
    QList<Message> messages_;
    QList<FileRequest> fileRequests_;
    QStringList failures_;
    bool failRunningTest_ = true;
};

}  // namespace quillux::testing
