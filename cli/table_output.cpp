#include "table_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "interruption.h"
#include "message_text.h"

namespace zenlith::cli {

namespace {

std::string reason() { return std::strerror(errno); }

std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// What a new file gets: read and write for all, less the umask; an existing
// file keeps its own permissions.
mode_t permissionsFor(const std::string& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The file a chain of symbolic links ends in, existing or not.
std::optional<std::string> linkTarget(std::string path) {
    constexpr int mostLinks = 40;  // as the kernel allows
    for (int hop = 0; hop < mostLinks; ++hop) {
        struct stat entry {};
        if (::lstat(path.c_str(), &entry) != 0 || !S_ISLNK(entry.st_mode)) return path;
        std::vector<char> target(static_cast<std::size_t>(PATH_MAX) + 1);
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size() - 1);
        if (length < 0) return path;
        const std::string next(target.data(), static_cast<std::size_t>(length));
        path = next.starts_with('/') ? next : directoryOf(path) + "/" + next;
    }
    errno = ELOOP;
    return std::nullopt;
}

// An unnamed file in the folder; where the file system has none, a named
// one, which a killed run would leave behind.
int createTemporary(const std::string& folder, std::string& temporaryPath) {
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) return fd;
    std::string pattern = folder + "/.zenlith-ephemeris-XXXXXX";
    const int named = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (named >= 0) temporaryPath = pattern;
    return named;
}

}  // namespace

TableOutput::TableOutput() : fd_(STDOUT_FILENO), name_("standard output") {}

TableOutput::TableOutput(int fd, std::string path, std::string temporaryPath)
    : fd_(fd), name_(quotedForMessage(path)), path_(std::move(path)), temporaryPath_(std::move(temporaryPath)) {}

TableOutput::TableOutput(TableOutput&& other) noexcept
    : fd_(other.fd_), name_(std::move(other.name_)), path_(std::move(other.path_)),
      temporaryPath_(std::move(other.temporaryPath_)) {
    other.fd_ = -1;
    other.temporaryPath_.clear();
}

TableOutput::~TableOutput() { abandon(); }

std::optional<TableOutput> TableOutput::open(const std::string& path, std::string& error) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        error = "--output " + quotedForMessage(path) +
                (S_ISDIR(existing.st_mode) ? " is a directory" : " is not a regular file; name a file to write");
        return std::nullopt;
    }
    const std::optional<std::string> target = linkTarget(path);
    if (!target) {
        error = "--output " + quotedForMessage(path) + ": " + reason();
        return std::nullopt;
    }
    std::string temporaryPath;
    const int fd = createTemporary(directoryOf(*target), temporaryPath);
    if (fd < 0) {
        error = "--output cannot create a file beside " + quotedForMessage(*target) + ": " + reason();
        return std::nullopt;
    }
    ::fchmod(fd, permissionsFor(*target));
    TableOutput output(fd, *target, std::move(temporaryPath));
    output.name_ = quotedForMessage(path);
    return output;
}

bool TableOutput::write(std::string_view bytes, std::string& error) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR && !interrupted()) continue;
            error = "cannot write " + name_ + ": " + (errno == EINTR ? std::string("interrupted") : reason());
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool TableOutput::commit(std::string& error) {
    if (fd_ == STDOUT_FILENO) {
        fd_ = -1;
        return true;
    }
    std::string problem;
    if (::fsync(fd_) != 0) {
        problem = "cannot write " + name_ + ": " + reason();
    } else {
        linkIntoPlace(problem);
    }
    // A file system that fails late says so on close.
    if (::close(std::exchange(fd_, -1)) != 0 && problem.empty()) problem = "cannot write " + name_ + ": " + reason();
    if (problem.empty() && ::rename(temporaryPath_.c_str(), path_.c_str()) != 0) {
        problem = "cannot put " + name_ + " in place: " + reason();
    }
    if (!problem.empty()) {
        abandon();
        error = std::move(problem);
        return false;
    }
    temporaryPath_.clear();
    return true;
}

// The unnamed file gets a short name of its own beside its place (a name
// built from the target's could pass the file system's limit), which the
// rename then takes away.
void TableOutput::linkIntoPlace(std::string& error) {
    if (!temporaryPath_.empty()) return;
    const std::string folder = directoryOf(path_);
    const std::string procPath = "/proc/self/fd/" + std::to_string(fd_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = folder + "/.zenlith-ephemeris-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        // Without /proc, only a privileged process may link by descriptor.
        if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
            (errno == ENOENT && ::linkat(fd_, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0)) {
            temporaryPath_ = name;
            return;
        }
        if (errno != EEXIST) break;
    }
    error = "cannot put " + name_ + " in place: " + reason();
}

void TableOutput::abandon() {
    if (fd_ >= 0 && fd_ != STDOUT_FILENO) ::close(fd_);
    fd_ = -1;
    if (!temporaryPath_.empty()) ::unlink(temporaryPath_.c_str());
    temporaryPath_.clear();
}

}  // namespace zenlith::cli
