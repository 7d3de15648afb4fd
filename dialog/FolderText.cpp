// Folder-text clean-up.
#include "dialog/FolderText.hpp"

#include "filepath/ComFilePathUnit.hpp"
#include "platform/cp932.hpp"

namespace vesmark::dialog {

std::string_view DrivePart(std::string_view text) {
    if (text.size() >= 2 && text[1] == ':') return text.substr(0, 2);
    if (text.size() >= 2 && text[0] == '\\' && text[1] == '\\') {
        // A network path: the two backslashes, the server and the share.
        const std::size_t afterServer = cp932::Find(text, "\\", 2);
        if (afterServer != cp932::npos) {
            const std::size_t afterShare = cp932::Find(text, "\\", afterServer + 1);
            if (afterShare != cp932::npos) return text.substr(0, afterShare);
        }
        if (text.back() == '\\' && !cp932::IsTrailByteAt(text, text.size() - 1)) {
            return text.substr(0, text.size() - 1);
        }
        return text;
    }
    return {};
}

std::string CleanFolderText(std::string_view text) {
    const std::string_view drive = DrivePart(text);
    std::string out(drive);
    // "/" is the path delimiter here and never the second byte of a double-byte
    // character, so each piece between two of them is cleaned on its own.
    std::string_view rest = text.substr(drive.size());
    for (;;) {
        const std::size_t slash = rest.find('/');
        out += SanitizeFileName(rest.substr(0, slash));
        if (slash == std::string_view::npos) break;
        out += '/';
        rest.remove_prefix(slash + 1);
    }
    return out;
}

}  // namespace vesmark::dialog
