#pragma once
// The command line's answers to the core: defaults for questions, messages
// to standard error.
#include <iostream>

#include "model/frontend.h"

namespace pyrovel::cli {

class CliFrontend : public Frontend {
 public:
  // Questions get No: a batch run never takes a choice that changes data
  // beyond what was asked for.
  Answer ask(std::string_view question, bool) override {
    std::cerr << "prvl: " << question << " -> No\n";
    return Answer::No;
  }
  void inform(std::string_view text) override { std::cerr << "prvl: " << text << "\n"; }
};

}  // namespace pyrovel::cli
