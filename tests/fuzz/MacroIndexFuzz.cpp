// Any bytes as macroList.dat: the reader stays inside them, every path it lists converts to a
// file name without throwing, and the list writes back to an index that reads the same.
#include <cstdlib>

#include "macro/MacroFiles.h"
#include "profile/PathText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DataStream in(DataStream::Mode::Read);
    in.Assign({data, size});
    const std::vector<std::u16string> paths = ReadMacroIndex(in);
    for (const std::u16string& path : paths) {
        if (PathFromUtf16(path).empty() != path.empty()) {
            std::abort();
        }
    }
    DataStream written;
    WriteMacroIndex(written, paths);
    DataStream again(DataStream::Mode::Read);
    again.Assign(written.Bytes());
    if (ReadMacroIndex(again) != paths) {
        std::abort();
    }
    return 0;
}
