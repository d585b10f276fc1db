#pragma once
// Where the table goes. Standard output is written as the rows come; a named
// file is written beside itself under a temporary name and put in place only
// when the whole run succeeded, so a failed or interrupted run leaves the old
// file (or none) rather than half a table. A device or a pipe given by name
// (/dev/null, /dev/stdout) is written directly.
#include <optional>
#include <string>
#include <string_view>

namespace zenlith::cli {

class TableOutput {
public:
    // Standard output.
    TableOutput();
    // A named file; nothing and a reason when it cannot be made.
    static std::optional<TableOutput> open(const std::string& path, std::string& error);

    TableOutput(TableOutput&& other) noexcept;
    TableOutput& operator=(TableOutput&&) = delete;
    ~TableOutput();  // abandons what was not committed

    // False, with a reason, when the bytes could not all be written.
    bool write(std::string_view bytes, std::string& error);
    // Puts the file in place; false, with a reason, when that fails.
    bool commit(std::string& error);

private:
    TableOutput(int fd, std::string path, std::string temporaryPath);
    void abandon();

    int fd_;
    std::string name_;           // for messages
    std::string path_;           // the file asked for, when written under a temporary name
    std::string temporaryPath_;
};

}  // namespace zenlith::cli
