#pragma once
// A prompt service for tests: it answers from a queue of scripted answers, in
// order, and records every question. While it lives it is the installed
// service. A question that finds no answer (or an answer of the wrong kind,
// which it uses up) fails the test and is answered with the default button or
// a cancel, so a test never hangs on a prompt; answers left unused fail the
// test too. A notice needs no answer: it is only recorded.
//
//     ScriptedPrompt prompt;
//     prompt.AnswerButton("No");
//     RunLogicThatAsks();
//     EXPECT_EQ(prompt.Questions().at(0).caption, "Missed Task");

#include "platform/ui/PromptService.h"

#include <QString>

#include <deque>
#include <vector>

namespace vl::test {

enum class PromptKind { Message, Notice, Directory, OpenFile, SaveFile };

struct PromptQuestion {
    PromptKind kind = PromptKind::Message;
    QString caption;
    QString text;              // message boxes and notices: the text as given, "|" included
    QString buttons;           // message boxes: the button list as given
    PromptIcon icon = PromptIcon::None;
    int defaultButton = 0;     // message boxes
    QString filter;            // file dialogs
    QString start;             // dialogs: the starting directory or proposed file
};

class ScriptedPrompt : public PromptService {
public:
    ScriptedPrompt();
    ~ScriptedPrompt() override;
    ScriptedPrompt(const ScriptedPrompt&) = delete;
    ScriptedPrompt& operator=(const ScriptedPrompt&) = delete;

    // The next message box is answered with this button number (1-based).
    ScriptedPrompt& Answer(int button);
    // The next message box is answered with the button of this label
    // (ampersands and case ignored: "No" presses "&No").
    ScriptedPrompt& AnswerButton(const QString& label);
    // The next directory or file dialog returns this path.
    ScriptedPrompt& AnswerPath(const QString& path);
    // The next directory or file dialog is cancelled.
    ScriptedPrompt& Cancel();

    const std::vector<PromptQuestion>& Questions() const { return questions_; }
    // Answers not yet used.
    int Remaining() const { return static_cast<int>(answers_.size()); }

    int Message(const QString& text, const QString& caption, PromptIcon icon, const QString& buttons,
                int defaultButton) override;
    void Notify(const QString& text, const QString& caption, PromptIcon icon) override;
    QString SelectDirectory(const QString& caption, const QString& startDir) override;
    QString OpenFile(const QString& caption, const QString& filter, const QString& start) override;
    QString SaveFile(const QString& caption, const QString& filter, const QString& start) override;

private:
    struct ScriptedAnswer {
        bool forDialog = false;
        int button = 0;      // message boxes: the number, or 0 to look up the label
        QString value;       // the label, or the dialog's path
    };

    QString Dialog(PromptQuestion question);
    void DropWrongKind();

    std::deque<ScriptedAnswer> answers_;
    std::vector<PromptQuestion> questions_;
    PromptOverride install_;
};

} // namespace vl::test
