#include "files/safewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <optional>
#include <random>

namespace solvane {

namespace fs = std::filesystem;

namespace {

std::string inQuotes(const fs::path& path) { return "\"" + path.string() + "\""; }

std::string errnoText(int error) { return std::strerror(error); }

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    // Closes now, reporting the error close gives (NFS reports failed writes only here).
    int close()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

// The file a path finally names: each symbolic link is replaced by what it points to (relative
// links count from the link's folder). A dangling link gives the path of the file it would name.
std::optional<fs::path> followLinks(fs::path path, int& error)
{
    for (int depth = 0; depth < 40; ++depth) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
        std::string target(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : PATH_MAX), '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) {
            error = errno;
            return std::nullopt;
        }
        target.resize(static_cast<std::size_t>(length));
        path = fs::path(target).is_absolute() ? fs::path(target) : path.parent_path() / target;
    }
    error = ELOOP;
    return std::nullopt;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Creates a new file of a short name beside the target (a long target name leaves room for it)
// with the final mode from the start, so the file is never more open than the target will be.
int createTemporary(const fs::path& folder, mode_t mode, fs::path& created)
{
    static std::mt19937 generator{std::random_device{}()};
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = ".solvane-";
        for (int i = 0; i < 6; ++i) name += Letters[generator() % (sizeof Letters - 1)];
        created = folder / name;
        const int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Flushes a folder's entries, so the rename survives a power cut.
void syncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

WriteResult writeFileSafely(const std::string& path, std::string_view bytes, const ReplaceFileStep& replace)
{
    int error = 0;
    const auto followed = followLinks(fs::path(path), error);
    if (!followed) return {false, "cannot follow the link " + inQuotes(path) + ": " + errnoText(error)};
    const fs::path& target = *followed;
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();

    mode_t mode = 0666;  // less the umask, which open applies
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing) {
        if (S_ISDIR(existing.st_mode)) return {false, inQuotes(target) + " is a folder"};
        if (!S_ISREG(existing.st_mode)) return {false, inQuotes(target) + " is not a plain file"};
        mode = existing.st_mode & 07777;
    }

    fs::path temporary;
    Descriptor file(createTemporary(folder, mode, temporary));
    if (file.get() < 0) return {false, "cannot create a file in " + inQuotes(folder) + ": " + errnoText(errno)};
    const auto fail = [&](const std::string& what, int cause) {
        ::unlink(temporary.c_str());
        return WriteResult{false, what + inQuotes(target) + ": " + errnoText(cause)};
    };
    if (replacing) {
        // The umask may have narrowed the mode at creation; the owner's group stays where allowed.
        if (::fchmod(file.get(), mode) != 0) return fail("cannot give the new file the permissions of ", errno);
        [[maybe_unused]] const int kept = ::fchown(file.get(), static_cast<uid_t>(-1), existing.st_gid);
    }
    if (!writeAll(file.get(), bytes) || ::fsync(file.get()) != 0) return fail("cannot write ", errno);
    if (file.close() != 0) return fail("cannot write ", errno);

    std::error_code replaceError;
    if (replace) {
        replaceError = replace(temporary, target);
    } else if (::rename(temporary.c_str(), target.c_str()) != 0) {
        replaceError = std::error_code(errno, std::generic_category());
    }
    if (replaceError) {
        ::unlink(temporary.c_str());
        return {false, "cannot replace " + inQuotes(target) + ": " + replaceError.message()};
    }
    syncFolder(folder);
    return {};
}

}  // namespace solvane
