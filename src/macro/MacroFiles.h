#pragma once

#include <string>
#include <vector>

#include "macro/Macro.h"
#include "profile/DataStream.h"

// The .macro file of one macro and the library index "macroList.dat".

void WriteMacroFile(DataStream& stream, const CMacro& macro);
// False for a file that ends early or announces more events than it holds; the macro is then
// left as it was. A negative event count is a macro without events.
bool ReadMacroFile(DataStream& stream, CMacro& macro);

void WriteMacroIndex(DataStream& stream, const std::vector<std::u16string>& paths);
// The paths the index lists; an index cut short gives the paths read before the cut.
std::vector<std::u16string> ReadMacroIndex(DataStream& stream);
