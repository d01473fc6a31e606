#pragma once
// German words for the system's error numbers, for messages about files.

#include <string>

namespace venkora {

// E.g. "keine Berechtigung" for EACCES; an unknown number gives "Systemfehler Nummer N".
std::string SystemErrorText(int errnum);

}  // namespace venkora
