#include "backup/ZipPreferences.h"

namespace vl {

int ZipActionCodeOf(int actionSwitch)
{
    switch (AddActionChoice(actionSwitch)) {
    case AddActionChoice::AddReplace:
        return kZipActionAdd;
    case AddActionChoice::Freshen:
        return kZipActionFreshen;
    case AddActionChoice::UpdateAdd:
        return kZipActionUpdate;
    }
    return kZipActionNone;
}

int ZipLevelOf(int compressionSwitch)
{
    switch (CompressionChoice(compressionSwitch)) {
    case CompressionChoice::Fast:
        return 1;
    case CompressionChoice::Normal:
        return 6;
    case CompressionChoice::Extra:
        return 9;
    case CompressionChoice::Store:
        return 0;
    }
    return 0;
}

int ZipOptionBitsOf(const ZipPreferences& preferences, const AddAnswers& answers)
{
    int bits = 0;
    const auto add = [&bits](bool on, int bit) {
        if (on)
            bits += bit;
    };
    add(preferences.systemAndHidden, kOptSystemHidden);
    add(preferences.moveFiles, kOptMoveFiles);
    add(preferences.latestDate, kOptLatestDate);
    add(preferences.createMultipleVolume, kOptMultipleVolume);
    add(preferences.pathInformationSwitch == int(PathChoice::FullPath), kOptFullPath);
    add(preferences.addFileComment && answers.fileCommentEntered, kOptFileComment);
    add(preferences.encryptData && answers.passwordEntered, kOptEncrypt);
    add(preferences.addArchiveComment, kOptArchiveComment);
    add(preferences.useTempDir && !preferences.tempDir.trimmed().isEmpty() && answers.tempDirAccepted, kOptTempDir);
    return bits;
}

} // namespace vl
