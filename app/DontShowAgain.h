// The stored answers of messages with a "don't show this message again" box:
// one key per message (storage path + "\" + identifier), boolean "DontShow".
#pragma once

#include <string>

#include "common/Registry.h"

namespace wx {

// Letters and digits stay, every other character becomes a blank; then trimmed.
// In a storage path ".", ":" and "\" are kept too.
std::string CleanDsaIdent(const std::string& ident);
std::string CleanDsaStoragePath(const std::string& path);

// Whether the message should be shown; throws std::runtime_error
// ("DSAIdentsGetState storage specifier blank") when a cleaned part is empty.
bool DSAIdentsGetState(Registry& registry, const std::string& storagePath, const std::string& ident);
// Stores the answer; a failed write is ignored. Throws like DSAIdentsGetState
// ("DSAIdentsSetState storage specifier blank").
void DSAIdentsSetState(Registry& registry, const std::string& storagePath, const std::string& ident, bool show);

}  // namespace wx
