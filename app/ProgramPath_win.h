// The full path of the running program's executable (empty when unknown).
#pragma once

#include <string>

namespace wx {

std::wstring ProgramPathW();
std::string ProgramPath();  // UTF-8

}  // namespace wx
