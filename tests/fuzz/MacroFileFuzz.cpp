// Any bytes as a .macro file: the reader stays inside them, leaves the macro untouched unless it
// loads, and what it loads writes back to bytes that load the same.
#include <cstdlib>

#include "macro/MacroFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DataStream in(DataStream::Mode::Read);
    in.Assign({data, size});
    CMacro macro;
    macro.name = u"before";
    const CMacro before = macro;
    if (!ReadMacroFile(in, macro)) {
        if (!(macro == before)) {
            std::abort();
        }
        return 0;
    }
    DataStream written;
    WriteMacroFile(written, macro);
    DataStream again(DataStream::Mode::Read);
    again.Assign(written.Bytes());
    CMacro reread;
    if (!ReadMacroFile(again, reread) || !(reread == macro)) {
        std::abort();
    }
    return 0;
}
