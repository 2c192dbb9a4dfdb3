#pragma once
// The prompt service of a program run without windows: every message is
// written to a stream (the error output) as "caption: text", and every
// question takes its default button; file and directory questions are
// cancelled.

#include "platform/ui/PromptService.h"

#include <cstdio>

namespace vl {

class ConsolePrompt : public PromptService {
public:
    explicit ConsolePrompt(std::FILE* out = stderr) : out_(out), install_(*this) {}

    int Message(const QString& text, const QString& caption, PromptIcon icon, const QString& buttons,
                int defaultButton) override;
    void Notify(const QString& text, const QString& caption, PromptIcon icon) override;
    QString SelectDirectory(const QString&, const QString&) override { return QString(); }
    QString OpenFile(const QString&, const QString&, const QString&) override { return QString(); }
    QString SaveFile(const QString&, const QString&, const QString&) override { return QString(); }

private:
    std::FILE* out_;
    PromptOverride install_;
};

} // namespace vl
