#pragma once
// The level table: per level, the landings required and the pace of new planes and movement.
#include <array>
#include <string_view>

namespace tw {

struct LevelRow {
  std::string_view Salvati;
  std::string_view NuovoVel;  // ms between new planes
  std::string_view Vel;       // ms between movement steps
};

// Levels 0 (match game) to 11 (boss level). The mission setup writes no intervals at level 1,
// so its intervals are the screen's initial ones; the collision tick writes them there too.
inline constexpr std::array<LevelRow, 12> kLevels{{
    {"1000", "20000", "5000"},
    {"5", "20000", "5000"},
    {"8", "19000", "4700"},
    {"12", "18000", "4400"},
    {"15", "17000", "4100"},
    {"18", "16000", "3900"},
    {"21", "15000", "3600"},
    {"25", "14000", "3300"},
    {"28", "13000", "3000"},
    {"30", "12000", "2700"},
    {"35", "10000", "2400"},
    {"39", "10000", "2000"},
}};

inline constexpr int kFirstNormalLevel = 1;
inline constexpr int kBossLevel = 11;

}  // namespace tw
