// A mutex handle's kernel object; a named one keeps its hold on the shared name.
#pragma once

#include "kernel/KernelObject.h"
#include "kernel/NamedObject.h"

namespace ce::kernel {

class MutexObject : public KernelObject {
public:
    MutexObject() = default;
    explicit MutexObject(NamedObject name) : m_name(std::move(name)) {}

    static constexpr const char* c_kind = "mutex";

private:
    NamedObject m_name;
};

}  // namespace ce::kernel
