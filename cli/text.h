// Text of catalogue names on a terminal.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace orvex::cli {

// `name` with what a terminal would act on made visible: C0 and C1 control
// characters and DEL as "\xNN" (C1 as "\u00NN"), bytes that are not UTF-8 as
// "\xNN". Everything else, backslashes included, stays as it is.
std::string printable(std::string_view name);

// One JSON document on one line; bytes of names that are not UTF-8 become
// U+FFFD rather than failing the whole output.
std::string json_text(const nlohmann::ordered_json &j);

} // namespace orvex::cli
