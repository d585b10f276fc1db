#pragma once
// Where the table goes. Standard output is written as the rows come; a named
// file is written beside itself as an unnamed file and put in place only when
// the whole run succeeded, so a failed, interrupted or killed run leaves the
// old file (or none) rather than half a table or a stray temporary. A name
// that is a symbolic link is written through to the link's target; a target
// that is not a regular file (a device, a pipe) is refused.
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
    void linkIntoPlace(std::string& error);  // error stays empty on success

    int fd_;
    std::string name_;           // for messages
    std::string path_;           // where the file goes: the link's target for a link
    std::string temporaryPath_;  // empty while the file has no name

};

}  // namespace zenlith::cli
