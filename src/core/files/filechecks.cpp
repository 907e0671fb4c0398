#include "files/filechecks.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace solvane {

namespace {

std::string inQuotes(const std::string& path) { return "\"" + path + "\""; }

// An open descriptor of a plain file, or why there is none.
struct OpenedFile {
    int fd = -1;
    off_t size = 0;
    int openError = 0;  // errno of a failed open; 0 when the open worked or the file was refused
    std::string message;
};

OpenedFile openPlainFile(const std::string& path)
{
    OpenedFile opened;
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        opened.openError = errno;
        opened.message = "cannot open " + inQuotes(path) + ": " + std::strerror(errno);
        return opened;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        opened.message = inQuotes(path) + (S_ISDIR(status.st_mode) ? " is a folder" : " is not a plain file");
        ::close(fd);
        return opened;
    }
    opened.fd = fd;
    opened.size = status.st_size;
    return opened;
}

}  // namespace

FileBytes readPlainFile(const std::string& path, std::size_t maxBytes, std::string_view tooLargeFor)
{
    FileBytes file;
    const OpenedFile opened = openPlainFile(path);
    if (opened.fd < 0) {
        file.message = opened.message;
        return file;
    }
    if (static_cast<unsigned long long>(opened.size) > maxBytes) {
        ::close(opened.fd);
        file.message = inQuotes(path) + " is larger than " + std::to_string(maxBytes / (1024 * 1024)) +
                       " MB, too large " + std::string(tooLargeFor);
        return file;
    }
    // The size is a hint: a file that grows while it is read is cut at the limit, one that
    // shrinks ends early.
    file.bytes.resize(static_cast<std::size_t>(opened.size));
    std::size_t filled = 0;
    while (filled < file.bytes.size()) {
        const ssize_t got = ::read(opened.fd, file.bytes.data() + filled, file.bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            file.message = "cannot read " + inQuotes(path) + ": " + std::strerror(errno);
            ::close(opened.fd);
            file.bytes = {};
            return file;
        }
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    ::close(opened.fd);
    file.bytes.resize(filled);
    file.ok = true;
    return file;
}

std::optional<std::string> plainFileProblem(const std::string& path)
{
    const OpenedFile opened = openPlainFile(path);
    if (opened.fd >= 0) {
        ::close(opened.fd);
        return std::nullopt;
    }
    if (opened.openError == ENOENT) return std::nullopt;
    return opened.message;
}

bool isReadOnlyFile(const std::string& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    const bool nobodyMayWrite = (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    return nobodyMayWrite || ::access(path.c_str(), W_OK) != 0;
}

}  // namespace solvane
