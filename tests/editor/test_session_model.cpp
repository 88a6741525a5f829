// The model-based session test: random sequences of what users do, run on
// the real session with scripted answers and checked after every step
// against a plain model (editor/session_model.h). A failure prints its seed
// and the shortest sequence found that still fails. PRVL_SOAK_SECONDS runs
// fresh seeds for that long instead (`make soak`).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <random>

#include "editor/session_model.h"

namespace pyrovel::session_model {
namespace {

std::string sequenceText(const std::vector<Planned>& ops) {
  std::string text;
  for (const Planned& p : ops) {
    text += std::string(text.empty() ? "" : ", ") + operations()[static_cast<std::size_t>(p.op)].name +
            "/" + std::to_string(p.seed);
  }
  return text;
}

// Runs one seed; on a failure, shrinks it and reports.
bool passes(std::uint32_t seed, int steps) {
  const Outcome o = runSequence(seed, steps);
  if (o.failure.empty()) return true;
  const std::vector<Planned> shortest = shrink(seed, o.ops);
  const Outcome again = runSequence(seed, 0, &shortest);
  ADD_FAILURE() << "seed " << seed << ": " << o.failure << "\nshortest sequence found ("
                << shortest.size() << " steps), replay with PRVL_SESSION_REPLAY=\"" << seed << ":"
                << sequenceText(shortest) << "\"\n  it fails " << again.failure;
  return false;
}

// PRVL_SESSION_REPLAY="SEED:op/seed, op/seed, ..." replays one reported sequence.
std::vector<Planned> parseSequence(const std::string& text) {
  std::vector<Planned> ops;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = std::min(text.find(',', at), text.size());
    std::string item = text.substr(at, end - at);
    while (!item.empty() && item.front() == ' ') item.erase(0, 1);
    const std::size_t slash = item.find('/');
    const std::string name = item.substr(0, slash);
    for (std::size_t i = 0; i < operations().size(); ++i) {
      if (name == operations()[i].name && slash != std::string::npos) {
        ops.push_back({static_cast<int>(i),
                       static_cast<std::uint32_t>(std::stoul(item.substr(slash + 1)))});
      }
    }
    at = end + 1;
  }
  return ops;
}

TEST(SessionModel, RandomUserSessionsAgreeWithTheModel) {
  if (const char* replay = std::getenv("PRVL_SESSION_REPLAY")) {
    const std::string text(replay);
    const std::size_t colon = text.find(':');
    const auto seed = static_cast<std::uint32_t>(std::stoul(text.substr(0, colon)));
    const std::vector<Planned> ops = parseSequence(text.substr(colon + 1));
    const Outcome o = runSequence(seed, 0, &ops);
    EXPECT_TRUE(o.failure.empty()) << o.failure;
    return;
  }
  if (const char* soak = std::getenv("PRVL_SOAK_SECONDS")) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(soak));
    std::uint32_t seed = std::random_device{}();
    int runs = 0;
    while (std::chrono::steady_clock::now() < end && passes(seed++, 400)) ++runs;
    std::printf("soak: %d sequences of 400 steps\n", runs);
    return;
  }
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    if (!passes(seed, 250)) break;
  }
}

}  // namespace
}  // namespace pyrovel::session_model
