// A hold on a named object shared by the user's processes: one file per name in the runtime
// folder, kept alive by a shared lock from every holder, so a dead holder's hold goes with it.
#pragma once

#include <string>
#include <string_view>

#include "windef.h"

namespace ce::kernel {

class NamedObject {
public:
    enum class Result { created, opened, wrongKind, failed };

    // Opens or creates the object of this kind and name. wrongKind: the name belongs to
    // another kind of object; failed: the last error says why (ERROR_ACCESS_DENIED when
    // another process holds the folder or the name longer than c_lockPatience, or the name's
    // file is not a regular file).
    static Result open(std::string_view kind, std::u16string_view name, NamedObject& hold);

    NamedObject() = default;
    ~NamedObject();
    NamedObject(NamedObject&& other) noexcept;
    NamedObject& operator=(NamedObject&& other) noexcept;
    NamedObject(const NamedObject&) = delete;
    NamedObject& operator=(const NamedObject&) = delete;

    bool isOpen() const { return m_fd >= 0; }

    // The name as a file name: letters and digits kept, every other byte of its UTF-8 as %XX.
    static std::string encode(std::u16string_view name);

private:
    int m_fd = -1;
};

}  // namespace ce::kernel
