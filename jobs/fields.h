// The line format of the job files: "Key=value" lines and item lines
// "[ key=value; key=value ]". Values are stored with '%', ';', CR and LF
// written as %25, %3B, %0D and %0A, so no name can end a field or a line
// early; everything else is stored as it is.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace orvex::jobs {

using Field = std::pair<std::string, std::string>;

std::string encode_field(const std::string &value);
// Undoes encode_field; a '%' not followed by two hex digits stays as it is.
std::string decode_field(const std::string &text);

// "[ k1=v1; k2=v2 ]" with encoded values.
std::string item_line(const std::vector<Field> &fields);
// The fields of an item line (values decoded), in order; false when the
// line is not one ("[ " ... " ]", every field "key=value").
bool parse_item_line(const std::string &line, std::vector<Field> &out);

// The value of `key` among `fields`, or nullptr.
const std::string *find_field(const std::vector<Field> &fields, const std::string &key);

// Decimal integer of the whole text (optional '-'); false otherwise or on
// overflow.
bool parse_int64(const std::string &text, long long &out);

} // namespace orvex::jobs
