#pragma once
// The drive container's output: one JSON object a line, UTF-8, flushed as it happens.

#include <ostream>

#include <nlohmann/json.hpp>

namespace desk {

using JsonLine = nlohmann::ordered_json;

class DriveOutput {
 public:
  explicit DriveOutput(std::ostream& stream) : stream_(stream) {}
  void write(const JsonLine& line);

 private:
  std::ostream& stream_;
};

}  // namespace desk
