#pragma once
// The text of one profile file, searched and edited line by line. Every byte
// that an edit does not own is kept as it was.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace profile {

class ProfileDocument {
public:
    explicit ProfileDocument(std::string bytes = {})
        : bytes_(std::move(bytes)) {}

    // The value of the first `key` in the first `section`, blanks around it
    // removed (quotes kept), or nothing when the section or key is missing.
    std::optional<std::string_view> find(std::string_view section, std::string_view key) const;

    // The names of the keys of the first `section`, in file order.
    std::vector<std::string_view> keys(std::string_view section) const;

    // Replaces the first `key` of the first `section` in place, else adds it
    // after the section's last key line, else adds the section at the end.
    void set(std::string_view section, std::string_view key, std::string_view value);

    const std::string& bytes() const { return bytes_; }

private:
    std::string_view lineEnding() const;
    std::string bytes_;
};

// Whether a write of these names and value keeps the file's line structure.
// Returns why not, or an empty string.
std::string invalidWrite(std::string_view section, std::string_view key, std::string_view value);

} // namespace profile
