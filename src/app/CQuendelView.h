#pragma once
// The main view: the edit view that fills the main window. Its own commands (optimize, word
// wrap, tab length, font, select all) are added on top of the edit view's.

#include "editview/CEditViewPlus.h"

namespace venkora {

class CQuendelView : public CEditViewPlus {
public:
    using CEditViewPlus::CEditViewPlus;
};

}  // namespace venkora
