#pragma once

#include <string>

// The fixed-text messages the user is shown (a message box in the program, a line on stderr in
// the tools).
class Messages {
  public:
    virtual ~Messages() = default;
    virtual void Show(const std::string& text) = 0;
};
