#include "profile/FileWrite.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <string>

namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    const std::string suffix =
        ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    return target.parent_path() / ("." + target.filename().string() + suffix);
}

std::error_code WriteAll(int fd, std::span<const std::uint8_t> bytes, WriteBudget* budget) {
    while (!bytes.empty()) {
        const std::size_t allowed = budget ? budget->Take(bytes.size()) : bytes.size();
        if (allowed == 0) {
            return std::make_error_code(std::errc::no_space_on_device);
        }
        const ssize_t written = ::write(fd, bytes.data(), allowed);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return LastError();
        }
        bytes = bytes.subspan(std::size_t(written));
    }
    return {};
}

}  // namespace

std::size_t WriteBudget::Take(std::size_t wanted) {
    const std::size_t granted = std::min(wanted, left_);
    left_ -= granted;
    return granted;
}

std::error_code WriteFileReplacing(const std::filesystem::path& target,
                                   std::span<const std::uint8_t> bytes, WriteBudget* budget) {
    if (target.empty() || !target.has_filename()) {
        return std::make_error_code(std::errc::invalid_argument);
    }
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = TemporaryBeside(target);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            return LastError();
        }
    }
    if (fd < 0) {
        return std::make_error_code(std::errc::file_exists);
    }
    std::error_code error = WriteAll(fd, bytes, budget);
    if (!error && ::fsync(fd) != 0) {
        error = LastError();
    }
    if (::close(fd) != 0 && !error) {
        error = LastError();
    }
    if (!error && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = LastError();
    }
    if (error) {
        ::unlink(temporary.c_str());
    }
    return error;
}
