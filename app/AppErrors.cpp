#include "app/AppErrors.h"

#include "app/AppTexts.h"
#include "common/AnsiText.h"
#include "common/FileSystem.h"

namespace wx {

std::string PlatformAppDir();  // the executable's folder with a trailing separator

namespace {

// The head line is padded so that the error box is wide enough for the
// explanation under it.
std::string Head() { return AppText(txtErrorHead) + "                \r\n\r\n"; }

std::string Support() { return "\r\n\r\n" + AppText(txtErrorSupport, "%address%", kSupportWebAddress); }

std::string& AppDirOverride() {
  static std::string dir;
  return dir;
}

}  // namespace

std::string ErrorMessageText(const std::exception& e, const std::string& appDir) {
  if (auto* f = dynamic_cast<const EFileNotFoundAppDir*>(&e))
    return Head() + AppText(txtErrorFileNotFound) + "\r\n" + f->what() + "\r\n\r\n" + AppText(txtErrorFileFolder) +
           "\r\n" + appDir + Support();
  if (dynamic_cast<const EBrowserError*>(&e)) return Head() + AppText(txtErrorBrowser) + Support();
  if (dynamic_cast<const EEditorError*>(&e)) return Head() + AppText(txtErrorEditor) + Support();
  return Head() + std::string(e.what()) + Support();
}

std::string UnknownErrorMessageText() { return Head() + AppText(txtErrorUnknown) + Support(); }

std::string AppDir() {
  if (!AppDirOverride().empty()) return AppDirOverride();
  return PlatformAppDir();
}

void SetAppDirForTesting(const std::string& dir) { AppDirOverride() = dir; }

std::string AppFilePath(const std::string& fileName) {
  std::string dir = AppDir();
  if (!dir.empty() && dir.back() != '\\' && dir.back() != '/') dir += '\\';
  return dir + fileName;
}

void CheckAppFile(const std::string& fileName) {
  if (fileName.empty() || !IsRegularFile(AppDir() + fileName))
    throw EFileNotFoundAppDir(fileName);
}

}  // namespace wx
