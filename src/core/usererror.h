#pragma once
// A failure the user is told about: the message text is shown as it stands.

#include <stdexcept>
#include <string>

namespace corvel {

class UserError : public std::runtime_error {
public:
    explicit UserError(const std::string &message) : std::runtime_error(message) {}
};

} // namespace corvel
