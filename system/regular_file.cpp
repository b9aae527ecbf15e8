// SPDX-License-Identifier: MIT
#include "system/regular_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace erakon::system {

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;

using Outcome = RegularFile::Outcome;

RegularFile refused(Outcome outcome, int error = 0) { return {outcome, {}, error}; }

RegularFile notRegular(const struct stat& status)
{
    return refused(Outcome::NotRegular, S_ISDIR(status.st_mode) ? EISDIR : 0);
}

// Closes the descriptor when it goes out of scope.
class Descriptor final {
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

RegularFile readRegularFile(const std::string& path, std::size_t maxSize)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return refused(Outcome::Missing);
        return refused(Outcome::Failed, errno);
    }
    if (!S_ISREG(status.st_mode))
        return notRegular(status);
    if (std::size_t(status.st_size) > maxSize)
        return refused(Outcome::TooLarge);

    // Non-blocking, in case something else took the file's place since.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0)
        return errno == ENOENT ? refused(Outcome::Missing) : refused(Outcome::Failed, errno);
    if (::fstat(file.get(), &status) != 0)
        return refused(Outcome::Failed, errno);
    if (!S_ISREG(status.st_mode))
        return notRegular(status);

    RegularFile content{Outcome::Read, {}, 0};
    std::string& bytes = content.bytes;
    bytes.reserve(std::min(std::size_t(status.st_size), maxSize) + 1);
    while (true) {
        const std::size_t size = bytes.size();
        const std::size_t chunk = std::min(kReadChunk, maxSize + 1 - size);
        bytes.resize(size + chunk);
        const ssize_t got = ::read(file.get(), bytes.data() + size, chunk);
        if (got < 0 && errno == EINTR) {
            bytes.resize(size);
            continue;
        }
        if (got < 0)
            return refused(Outcome::Failed, errno);
        bytes.resize(size + std::size_t(got));
        if (got == 0)
            break;
        if (bytes.size() > maxSize)
            return refused(Outcome::TooLarge);
    }
    return content;
}

bool pathExists(const std::string& path)
{
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0;
}

} // namespace erakon::system
