#include "gui/support/scripted_dialogs.h"

#include <QTest>
#include <cstdio>

namespace quillux::testing {
namespace {

using engine::MessageAnswer;
using engine::MessageButtons;
using engine::MessageKind;

const char* KindName(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information: return "information";
        case MessageKind::Warning: return "warning";
        case MessageKind::Error: return "error";
        case MessageKind::Confirmation: return "confirmation";
    }
    return "?";
}

bool Offers(MessageButtons buttons, MessageAnswer answer) {
    switch (buttons) {
        case MessageButtons::Ok: return answer == MessageAnswer::Ok;
        case MessageButtons::OkCancel:
            return answer == MessageAnswer::Ok || answer == MessageAnswer::Cancel;
        case MessageButtons::YesNo: return answer == MessageAnswer::Yes || answer == MessageAnswer::No;
        case MessageButtons::YesNoCancel:
            return answer == MessageAnswer::Yes || answer == MessageAnswer::No ||
                   answer == MessageAnswer::Cancel;
    }
    return false;
}

// What a user closing the box without choosing would answer.
MessageAnswer DismissAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok: return MessageAnswer::Ok;
        case MessageButtons::YesNo: return MessageAnswer::No;
        default: return MessageAnswer::Cancel;
    }
}

}  // namespace

ScriptedDialogs::ScriptedDialogs() {
    gui::UserDialogs::Install(this);
}

ScriptedDialogs::~ScriptedDialogs() {
    if (&gui::UserDialogs::Current() == this) gui::UserDialogs::Install(nullptr);
}

void ScriptedDialogs::AnswerMessage(MessageAnswer answer) {
    messageAnswers_.push_back(answer);
}

void ScriptedDialogs::AnswerFile(std::optional<QString> path) {
    fileAnswers_.push_back(std::move(path));
}

QStringList ScriptedDialogs::MessageTexts() const {
    QStringList texts;
    for (const Message& message : messages_) texts << message.text;
    return texts;
}

int ScriptedDialogs::UnusedAnswers() const {
    return static_cast<int>(messageAnswers_.size() + fileAnswers_.size());
}

void ScriptedDialogs::Reset() {
    messageAnswers_.clear();
    fileAnswers_.clear();
    messages_.clear();
    fileRequests_.clear();
    failures_.clear();
}

MessageAnswer ScriptedDialogs::ShowMessage(MessageKind kind, const std::string& caption,
                                           const std::string& text, MessageButtons buttons) {
    messages_.append({kind, QString::fromStdString(caption), QString::fromStdString(text), buttons});
    const QString shown = QStringLiteral("%1 box \"%2\": %3")
                              .arg(QLatin1String(KindName(kind)), messages_.last().caption,
                                   messages_.last().text);
    if (messageAnswers_.empty()) {
        Fail(QStringLiteral("unexpected ") + shown);
        return DismissAnswer(buttons);
    }
    const MessageAnswer answer = messageAnswers_.front();
    messageAnswers_.pop_front();
    if (!Offers(buttons, answer)) {
        Fail(QStringLiteral("scripted answer is not a button of the ") + shown);
        return DismissAnswer(buttons);
    }
    return answer;
}

std::optional<QString> ScriptedDialogs::OpenFile(const gui::FileDialogRequest& request) {
    return NextFile(RequestKind::Open, request);
}

std::optional<QString> ScriptedDialogs::SaveFile(const gui::FileDialogRequest& request) {
    return NextFile(RequestKind::Save, request);
}

std::optional<QString> ScriptedDialogs::SelectFolder(const QString& title,
                                                     const QString& initialFolder) {
    gui::FileDialogRequest request;
    request.title = title;
    request.initialFolder = initialFolder;
    return NextFile(RequestKind::Folder, request);
}

std::optional<QString> ScriptedDialogs::NextFile(RequestKind kind,
                                                 const gui::FileDialogRequest& request) {
    fileRequests_.append({kind, request});
    if (fileAnswers_.empty()) {
        static const char* const kNames[] = {"open", "save", "folder"};
        Fail(QStringLiteral("unexpected %1 dialog \"%2\"")
                 .arg(QLatin1String(kNames[static_cast<int>(kind)]), request.title));
        return std::nullopt;
    }
    std::optional<QString> answer = fileAnswers_.front();
    fileAnswers_.pop_front();
    return answer;
}

void ScriptedDialogs::Fail(const QString& what) {
    failures_.append(what);
    const QByteArray text = what.toUtf8();
    std::fprintf(stderr, "\n*** UNEXPECTED DIALOG *** %s\n\n", text.constData());
    std::fflush(stderr);
    if (failRunningTest_ && QTest::currentTestFunction() != nullptr) {
        QTest::qFail(text.constData(), __FILE__, __LINE__);
    }
}

}  // namespace quillux::testing
