#include "table_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
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

std::string baseNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
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
        if (S_ISDIR(existing.st_mode)) {
            error = "--output " + quotedForMessage(path) + " is a directory";
            return std::nullopt;
        }
        const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd < 0) {
            error = "--output cannot open " + quotedForMessage(path) + ": " + reason();
            return std::nullopt;
        }
        TableOutput output(fd, path, {});
        output.path_.clear();
        return output;
    }
    std::string temporary = directoryOf(path) + "/." + baseNameOf(path) + ".XXXXXX";
    std::vector<char> name(temporary.begin(), temporary.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        error = "--output cannot create a file beside " + quotedForMessage(path) + ": " + reason();
        return std::nullopt;
    }
    ::fchmod(fd, permissionsFor(path));
    return TableOutput(fd, path, name.data());
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
    if (temporaryPath_.empty()) {
        // A device or standard output: nothing to put in place, but a file
        // system that fails late says so on close or sync.
        if (fd_ != STDOUT_FILENO && ::close(fd_) != 0) {
            error = "cannot write " + name_ + ": " + reason();
            fd_ = -1;
            return false;
        }
        fd_ = -1;
        return true;
    }
    if (::fsync(fd_) != 0 || ::close(fd_) != 0) {
        error = "cannot write " + name_ + ": " + reason();
        fd_ = -1;
        return false;
    }
    fd_ = -1;
    if (::rename(temporaryPath_.c_str(), path_.c_str()) != 0) {
        error = "cannot put " + name_ + " in place: " + reason();
        return false;
    }
    temporaryPath_.clear();
    return true;
}

void TableOutput::abandon() {
    if (fd_ >= 0 && fd_ != STDOUT_FILENO) ::close(fd_);
    fd_ = -1;
    if (!temporaryPath_.empty()) ::unlink(temporaryPath_.c_str());
    temporaryPath_.clear();
}

}  // namespace zenlith::cli
