#pragma once

#include <QDir>

// One writer per group of skin files; each returns false when a file could not be written.
namespace orvex::skingen {

bool WriteMainFamily(const QDir& folder);
bool WriteMouseSettingFamily(const QDir& folder);
bool WriteSensorFamily(const QDir& folder);
bool WriteColorSettingFamily(const QDir& folder);
bool WriteMacroSettingFamily(const QDir& folder);
bool WriteSupportFamily(const QDir& folder);
bool WriteRenameFamily(const QDir& folder);
bool WritePopupFamilies(const QDir& folder);
bool WriteSliderImages(const QDir& folder);
bool WriteScrollFamily(const QDir& folder);
bool WriteColorPanelImage(const QDir& folder);
bool WriteMousePicture(const QDir& folder);
bool WriteSurfacePictures(const QDir& folder);
bool WriteCountdownPictures(const QDir& folder);

}  // namespace orvex::skingen
