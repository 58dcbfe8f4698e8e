#include "text.h"

namespace orvex::cli {

std::string json_text(const nlohmann::ordered_json &j)
{
    return j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

} // namespace orvex::cli
