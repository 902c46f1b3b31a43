// The program's own failures and the texts of its error box, and the helpers
// that find data files in the program's folder.
#pragma once

#include <stdexcept>
#include <string>

namespace wx {

// The maker's web site, named in every error text.
inline constexpr const char* kSupportWebAddress = "https://www.morvane.example/support";
// The support e-mail address of the empty-clipboard notice.
inline constexpr const char* kSupportEmail = "support@morvane.example";
inline constexpr const char* kProgramTitle = "Wendrix";

// A data file that must lie in the program's folder is missing; the message
// is the bare file name.
class EFileNotFoundAppDir : public std::runtime_error {
 public:
  explicit EFileNotFoundAppDir(const std::string& fileName) : std::runtime_error(fileName) {}
};
// The shell refused to start the editor.
class EEditorError : public std::runtime_error {
 public:
  EEditorError() : std::runtime_error("") {}
};
// The shell refused to open the web address.
class EBrowserError : public std::runtime_error {
 public:
  EBrowserError() : std::runtime_error("") {}
};

// The error box text for an exception, chosen by its class, in the active
// interface language.
std::string ErrorMessageText(const std::exception& e, const std::string& appDir);
// The text for a failure that is not a std::exception.
std::string UnknownErrorMessageText();

// The folder of the running executable, with a trailing backslash (the
// platform separator natively).
std::string AppDir();
// The program's folder joined with a file name.
std::string AppFilePath(const std::string& fileName);
// Throws EFileNotFoundAppDir(fileName) when no such file lies in AppDir();
// an empty name always throws.
void CheckAppFile(const std::string& fileName);

// Overrides the program folder (tests and tools); empty restores the real one.
void SetAppDirForTesting(const std::string& dir);

}  // namespace wx
