#pragma once
// The prompt service the program uses: Qt message boxes and file dialogs,
// opened over the active window. A notice is a box of its own that does not
// block: it opens from the event loop (so any thread may ask for one) and an
// identical notice still open is brought forward rather than opened again.

#include "platform/ui/PromptService.h"

namespace vl {

class QtPromptService : public PromptService {
public:
    int Message(const QString& text, const QString& caption, PromptIcon icon, const QString& buttons,
                int defaultButton) override;
    void Notify(const QString& text, const QString& caption, PromptIcon icon) override;
    QString SelectDirectory(const QString& caption, const QString& startDir) override;
    QString OpenFile(const QString& caption, const QString& filter, const QString& start) override;
    QString SaveFile(const QString& caption, const QString& filter, const QString& start) override;
    QStringList OpenFiles(const QString& caption, const QString& filter, const QString& start) override;
};

} // namespace vl
