#pragma once
// Memory for a text could not be had, or the edit area did not take the whole text.

#include <stdexcept>

namespace venkora {

class MemoryException : public std::runtime_error {
public:
    MemoryException() : std::runtime_error("out of memory") {}
};

}  // namespace venkora
