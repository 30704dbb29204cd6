// A module's table registered for as long as the module is loaded.
#include "gwe/resource/ResourceRegistry.h"

namespace ce::res {

ModuleRegistration::ModuleRegistration(const ModuleResources& resources) :
    m_module(moduleOf(&resources)), m_resources(resources) {
    ResourceRegistry::instance().add(m_module, m_resources);
}

ModuleRegistration::~ModuleRegistration() {
    ResourceRegistry::instance().remove(m_module, m_resources);
}

}  // namespace ce::res
