#pragma once
// Short prompts (message boxes, file and directory dialogs) go through one
// installable service, so that logic which asks the user runs headless in
// tests. A program with windows installs the Qt implementation
// (platform/widgets/DesktopServices.h); tests install a scripted one.

#include "platform/runtime/ServiceSlot.h"
#include "platform/ui/MessageButtons.h"

#include <QString>
#include <QStringList>

namespace vl {

enum class PromptIcon { None, Information, Question, Exclamation, Stop };

// What a message box returns when the program was told to terminate
// (TerminationRequest.h) before or while it was open: no button was pressed,
// the default one neither. The caller does nothing of what any button would
// start and lets the program end.
inline constexpr int kNoAnswer = 0;

class PromptService {
public:
    virtual ~PromptService() = default;
    // Shows a message box and returns the number of the button pressed
    // (1-based, in the order of the "|"-separated button list; a blank list is
    // one "OK" button). A "|" in the text is a line break. kNoAnswer once the
    // program is told to terminate.
    virtual int Message(const QString& text, const QString& caption, PromptIcon icon,
                        const QString& buttons, int defaultButton) = 0;
    // Shows a message box with an OK button and returns at once: the box
    // stays until the user closes it, and nothing waits for that. For what
    // must be said where nothing may wait (the scheduler's tick).
    virtual void Notify(const QString& text, const QString& caption, PromptIcon icon) = 0;
    // The chosen directory, or an empty text when cancelled.
    virtual QString SelectDirectory(const QString& caption, const QString& startDir) = 0;
    // The chosen file, or an empty text when cancelled. The filter is the
    // program's filter text (FileFilter.h); start is a directory or a proposed
    // file name.
    virtual QString OpenFile(const QString& caption, const QString& filter, const QString& start) = 0;
    virtual QString SaveFile(const QString& caption, const QString& filter, const QString& start) = 0;
    // Several files chosen at once; empty when cancelled. A service without
    // such a dialog offers its single-file one.
    virtual QStringList OpenFiles(const QString& caption, const QString& filter, const QString& start);
};

// The service in use: the installed one, else one that answers every
// message with its default button (with no answer once the program is told
// to terminate) and cancels every file question.
PromptService& CurrentPromptService();

// Installs a service for the lifetime of this object (tests), restoring the
// previous one afterwards.
using PromptOverride = ServiceOverride<PromptService>;

// What the program calls.
namespace Prompt {

int Message(const QString& text, const QString& caption = QString(), PromptIcon icon = PromptIcon::None,
            const QString& buttons = QString(), int defaultButton = 1);
void Notify(const QString& text, const QString& caption = QString(), PromptIcon icon = PromptIcon::None);
// A message box with standard buttons (MessageButtons.h); returns the button
// pressed (ButtonNone for no answer). The default is the first button when
// defaultButton is not in the set.
StandardButton Ask(const QString& text, const QString& caption, PromptIcon icon, StandardButtons buttons,
                   StandardButton defaultButton);
QString SelectDirectory(const QString& caption, const QString& startDir = QString());
QString OpenFile(const QString& caption, const QString& filter, const QString& start = QString());
QString SaveFile(const QString& caption, const QString& filter, const QString& start = QString());
QStringList OpenFiles(const QString& caption, const QString& filter, const QString& start = QString());

} // namespace Prompt

} // namespace vl
