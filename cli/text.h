// JSON text of catalogue names for scripts.
#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace orvex::cli {

// One JSON document on one line; bytes of names that are not UTF-8 become
// U+FFFD rather than failing the whole output.
std::string json_text(const nlohmann::ordered_json &j);

} // namespace orvex::cli
