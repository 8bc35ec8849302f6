#pragma once
#include <nlohmann/json.hpp>

#include <vector>

namespace varkel {
class ParamItem;
class Project;
class Subnet;
} // namespace varkel

namespace varkel::cli {

using Json = nlohmann::ordered_json;

// {"name","help","value","state","enable","choices":[..]}
Json ItemJson(const ParamItem& item);

// The whole configuration in the layout that scripts rely on; keys keep
// their order so that the output is stable.
Json ProjectJson(Project& project);

// The subnet's items exactly as the parameter grid lists them.
std::vector<ParamItem*> GridItems(Subnet& subnet);

} // namespace varkel::cli
