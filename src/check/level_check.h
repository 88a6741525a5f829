#pragma once
// The level checker: rules that find levels nobody can finish (no player, no
// exit, too few gems, the exit sealed off) and things a designer most likely
// did not mean (a door without its key, cells outside the level, objects the
// chosen test player cannot hold). An error is reported only where the
// problem is certain; what the object table is unsure about never makes one.
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/configuration.h"
#include "model/levelmap.h"

namespace pyrovel {

enum class Severity { Error, Warning };

// The player a level is meant for: what its format cannot hold is warned of.
enum class CheckTarget { Game, Bd4, EmV4, EmV6, Bdcff };

struct LevelRule {
  const char* id;  // "no-exit", as shown in lines and switched off in Options
  Severity severity;
  const char* title;  // for the Options list
};

// Every rule, errors first.
std::span<const LevelRule> levelRules();
const LevelRule* findLevelRule(std::string_view id);

struct Problem {
  std::string rule;
  Severity severity = Severity::Error;
  int slot = kFirstSlot;
  int x = -1, y = -1;  // the cell, or -1 when the problem is the level's
  std::string message;

  bool hasCell() const { return x >= 0 && y >= 0; }
  bool operator==(const Problem&) const = default;
};

struct CheckOptions {
  CheckTarget target = CheckTarget::Game;
  std::set<std::string, std::less<>> disabled;  // rule ids switched off

  bool enabled(std::string_view id) const { return !disabled.contains(id); }
};

// The problems of one level (slot 1..100); none for an empty level.
std::vector<Problem> checkLevel(const Levelmap& map, int slot, const CheckOptions& options);
// The problems of every level, level by level.
std::vector<Problem> checkLevelmap(const Levelmap& map, const CheckOptions& options);

// "game", "bd4", "emv4", "emv6", "bdcff" (any letter case).
std::optional<CheckTarget> parseCheckTarget(std::string_view key);
const char* checkTargetKey(CheckTarget target);

const char* severityName(Severity severity);  // "error", "warning"

// The rules switched off as Edit.ini keeps them: ids with commas between.
std::set<std::string, std::less<>> parseRuleList(std::string_view text);
std::string ruleListText(const std::set<std::string, std::less<>>& ids);
// What the editor's test target is given: the game's own test file, a BD4
// record, an Emerald Mine V6 level, BDCFF.
CheckTarget checkTargetFor(TestTarget target);
// The options the editor's settings give.
CheckOptions checkOptionsFor(const Configuration& config);

// "FILE: level N (x,y): error RULE: message" (no cell: "FILE: level N: ...").
std::string problemLine(std::string_view file, const Problem& problem);
// {"file":..., "level":N, "x":..., "y":..., "severity":..., "rule":..., "message":...}
std::string problemJson(std::string_view file, const Problem& problem);

}  // namespace pyrovel
