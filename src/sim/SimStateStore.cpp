#include "sim/SimStateStore.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <system_error>

SimState SimStateStore::Read() {
    SimState copy;
    Transact([&](SimState& state) { copy = state; });
    return copy;
}

namespace {

// Holds the file open and locked for one transaction.
class LockedFile {
  public:
    explicit LockedFile(const std::filesystem::path& path)
        : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        if (fd_ < 0 || ::flock(fd_, LOCK_EX) != 0) {
            const int error = errno;
            if (fd_ >= 0) {
                ::close(fd_);
            }
            throw std::system_error(error, std::generic_category(),
                                    "simulated mouse state " + path.string());
        }
    }
    ~LockedFile() { ::close(fd_); }  // closing drops the lock
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    std::string ReadAll() const {
        std::string text;
        char chunk[8192];
        for (off_t at = 0;;) {
            const ssize_t got = ::pread(fd_, chunk, sizeof chunk, at);
            if (got <= 0) {
                break;
            }
            text.append(chunk, std::size_t(got));
            at += got;
        }
        return text;
    }

    void WriteAll(const std::string& text) const {
        if (::ftruncate(fd_, 0) != 0) {
            throw std::system_error(errno, std::generic_category(), "simulated mouse state");
        }
        for (std::size_t at = 0; at < text.size();) {
            const ssize_t put = ::pwrite(fd_, text.data() + at, text.size() - at, off_t(at));
            if (put < 0) {
                if (errno == EINTR) {
                    continue;
                }
                throw std::system_error(errno, std::generic_category(), "simulated mouse state");
            }
            at += std::size_t(put);
        }
    }

  private:
    int fd_;
};

std::vector<std::uint8_t> ReadSideFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteSideFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) {
        throw std::runtime_error("simulated mouse state " + path.string() + ": cannot write");
    }
}

}  // namespace

void FileSimStateStore::Transact(const std::function<void(SimState&)>& change) {
    const LockedFile file(path_);
    SimState state;
    if (!SimStateFromJson(file.ReadAll(), state)) {
        state = SimState::Factory();
    }
    // The bootloader's images live beside the state, written only when they change: a firmware
    // transfer is hundreds of transactions.
    const std::filesystem::path flashPath = path_.string() + ".flash";
    const std::filesystem::path firmwarePath = path_.string() + ".firmware";
    state.boot.flash = ReadSideFile(flashPath);
    state.boot.firmware = ReadSideFile(firmwarePath);
    const std::vector<std::uint8_t> flash = state.boot.flash;
    const std::vector<std::uint8_t> firmware = state.boot.firmware;
    change(state);
    if (state.boot.flash != flash) {
        WriteSideFile(flashPath, state.boot.flash);
    }
    if (state.boot.firmware != firmware) {
        WriteSideFile(firmwarePath, state.boot.firmware);
    }
    file.WriteAll(SimStateToJson(state));
}

std::filesystem::path DefaultSimStatePath() {
    if (const char* path = std::getenv("VOSK8200_SIM_STATE"); path && *path) {
        return path;
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::filesystem::path folder = runtime && *runtime ? runtime : "/tmp";
    return folder / "vosk8200-sim.json";
}
