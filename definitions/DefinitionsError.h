// The failures of the definitions dictionary: a database file that cannot be
// used, an index or a record that makes no sense, a sense number out of range.
#pragma once

#include <stdexcept>
#include <string>

namespace wx {

class EDefinitionsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace wx
