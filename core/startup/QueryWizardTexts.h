#pragma once
// The display texts of the query dialog, numbered as the dialog asks for
// them: operators, messages, fonts and sizes, button captions, tool tips and
// page texts. The program loads them once at start; the dialog looks them up
// by number.

#include <map>
#include <variant>

#include <QString>

namespace vl {

// A display text is either a text or a number (font sizes).
using QueryWizardText = std::variant<QString, int>;

// The program-wide table of display texts, empty until loaded.
const std::map<int, QueryWizardText>& QueryWizardTexts();

// Fills the table with every display text (replacing what it held).
void LoadQueryWizardTexts();

// The text under a number; a number entry as digits; empty when absent.
QString QueryWizardDisplayText(int number);
// Every entry as QueryWizardDisplayText gives it: what the dialog is handed.
std::map<int, QString> QueryWizardDisplayTexts();

} // namespace vl
