#pragma once
// The query dialog's display texts, handed over by the program as numbered
// entries (operators, messages, captions, tool tips, prompts). The dialog and
// its logic look them up by the numbers named here.

#include <QString>

#include <map>

namespace vl {

namespace QueryTextNumber {
// Operators: QueryOperator's values are their numbers (1-12).
inline constexpr int kLoadErrorCaption = 31;
inline constexpr int kLoadError = 32;
inline constexpr int kInvalidCaption = 33;
inline constexpr int kInvalid = 34;
inline constexpr int kOverwriteCaption = 35;
inline constexpr int kOverwrite = 36;
inline constexpr int kNoLongerValidCaption = 37;
inline constexpr int kNoLongerValid = 38;
inline constexpr int kSaveCaption = 41;
inline constexpr int kSaveQuestion = 42;
// Buttons: tool tip, then button text.
inline constexpr int kAndTip = 101;
inline constexpr int kAndButton = 103;
inline constexpr int kCancelButton = 109;
inline constexpr int kChangeTip = 110;
inline constexpr int kChangeButton = 112;
inline constexpr int kDeleteTip = 113;
inline constexpr int kDeleteButton = 115;
inline constexpr int kOrTip = 125;
inline constexpr int kOrButton = 127;
// Page texts.
inline constexpr int kTitle = 151;
inline constexpr int kCurrentQuery = 152;
inline constexpr int kNewQuery = 153;
inline constexpr int kAddHint = 154;
inline constexpr int kFieldPrompt = 155;
inline constexpr int kComparePrompt = 157;
inline constexpr int kCompareWith = 159;
inline constexpr int kConstantValue = 160;
inline constexpr int kExpression = 161;
inline constexpr int kAnotherField = 162;
inline constexpr int kCaseSensitiveMatching = 166;
inline constexpr int kCondition = 170;
// Saved queries.
inline constexpr int kSavedQueries = 201;
inline constexpr int kEditTip = 204;
inline constexpr int kEditButton = 206;
inline constexpr int kAddTip = 207;
inline constexpr int kAddButton = 209;
inline constexpr int kRemoveTip = 210;
inline constexpr int kRemoveButton = 212;
// Query description.
inline constexpr int kDescriptionCaption = 231;
inline constexpr int kDescriptionPrompt = 232;
inline constexpr int kOkButton = 236;
inline constexpr int kDuplicate = 240;
inline constexpr int kDuplicateCaption = 241;
inline constexpr int kDescriptionMissing = 242;
inline constexpr int kAllRecords = 302;
} // namespace QueryTextNumber

class QueryTexts {
public:
    QueryTexts() = default;
    explicit QueryTexts(std::map<int, QString> texts) : texts_(std::move(texts)) {}

    // The text under a number, "" when there is none.
    QString Text(int number) const;
    // The text without its "&" marks ("Constant Value"), for running text.
    QString Plain(int number) const;

private:
    std::map<int, QString> texts_;
};

} // namespace vl
