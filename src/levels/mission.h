#pragma once
#include <string>
#include <string_view>

namespace tw {

// "Mission level 3. Land 12 airplanes." — the landing reports it, the briefing adds "New message: ".
std::string missionLine(std::string_view level, std::string_view toLand);
std::string missionBriefing(std::string_view level, std::string_view toLand);

}  // namespace tw
