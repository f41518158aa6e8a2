#pragma once

#include <string>
#include <vector>

#include "platform/Messages.h"

// Keeps every message the code under test shows, in order.
class RecordedMessages : public Messages {
  public:
    void Show(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};
