#include "cli/json_output.h"

#include <utility>

namespace vexlor {

nlohmann::ordered_json DecodeJson(const DecodeResult& result, const std::vector<std::string>& lines) {
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    json["year"] = result.m_nYear;
    json["vin_given"] = result.m_bVinGiven != 0;
    for (const JsonTextKey& key : JsonTextKeys()) json[std::string(key.strKey)] = Latin1ToUtf8(result.*(key.pMember));
    nlohmann::ordered_json jsonLines = nlohmann::ordered_json::array();
    for (const std::string& strLine : lines) jsonLines.push_back(Latin1ToUtf8(strLine));
    json["lines"] = std::move(jsonLines);
    return json;
}

std::string BatchErrorJson(long long nLine, std::string_view strError) {
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    json["line"] = nLine;
    json["error"] = std::string(strError);
    return json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace vexlor
