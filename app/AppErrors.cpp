#include "app/AppErrors.h"

#include <filesystem>

#include "common/AnsiText.h"

namespace wx {

std::string PlatformAppDir();  // the executable's folder with a trailing separator

namespace {

const char* kHead = "This function is not available due to the following problem:                \r\n\r\n";

std::string Support() {
  return std::string("\r\n\r\nIf you need assistance, please contact Customer\r\nSupport at ") + kSupportWebAddress;
}

std::string& AppDirOverride() {
  static std::string dir;
  return dir;
}

}  // namespace

std::string ErrorMessageText(const std::exception& e, const std::string& appDir) {
  if (auto* f = dynamic_cast<const EFileNotFoundAppDir*>(&e))
    return kHead + std::string("A necessary file was not found:\r\n") + f->what() +
           "\r\n\r\nThis file should be located in:\r\n" + appDir + Support();
  if (dynamic_cast<const EBrowserError*>(&e))
    return kHead + std::string("Web browser could not be started by ") + kProgramTitle + "." + Support();
  if (dynamic_cast<const EEditorError*>(&e))
    return kHead + std::string("Editor could not be started by ") + kProgramTitle + "." + Support();
  return kHead + std::string(e.what()) + Support();
}

std::string UnknownErrorMessageText() { return kHead + std::string("Unknown error.") + Support(); }

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
  std::error_code ec;
  if (fileName.empty() ||
      !std::filesystem::is_regular_file(std::filesystem::path(Utf8ToWide(AppDir() + fileName)), ec))
    throw EFileNotFoundAppDir(fileName);
}

}  // namespace wx
