#pragma once
// The prompt service the program uses: Qt message boxes and file dialogs,
// opened over the active window.

#include "platform/ui/PromptService.h"

namespace vl {

class QtPromptService : public PromptService {
public:
    int Message(const QString& text, const QString& caption, PromptIcon icon, const QString& buttons,
                int defaultButton) override;
    QString SelectDirectory(const QString& caption, const QString& startDir) override;
    QString OpenFile(const QString& caption, const QString& filter, const QString& start) override;
    QString SaveFile(const QString& caption, const QString& filter, const QString& start) override;
};

} // namespace vl
