// Any bytes: the reader must stay inside them, leave the record untouched unless it loads, and
// what it loads must write back to bytes that load the same.
#include <cstdlib>
#include <vector>

#include "profile/ProfileCodec.h"

namespace {

std::vector<std::uint8_t> Encode(const ProfileRecord& record) {
    DataStream stream;
    WriteProfile(stream, record);
    return {stream.Bytes().begin(), stream.Bytes().end()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DataStream in(DataStream::Mode::Read);
    in.Assign({data, size});
    ProfileRecord record;
    const std::vector<std::uint8_t> before = Encode(record);
    if (ReadProfile(in, record) != ProfileReadStatus::Loaded) {
        if (Encode(record) != before) {
            std::abort();
        }
        return 0;
    }
    const std::vector<std::uint8_t> written = Encode(record);
    DataStream again(DataStream::Mode::Read);
    again.Assign(written);
    ProfileRecord reread;
    if (ReadProfile(again, reread) != ProfileReadStatus::Loaded || Encode(reread) != written) {
        std::abort();
    }
    return 0;
}
