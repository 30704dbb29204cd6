// A shared library with a resource table of its own, for the resource tests: the program's
// ids with other contents, and a second table registered by the same module.
#include "ceresource.h"
#include "module_bitmaps.h"
#include "platform/resource/TestResourceIds.h"

namespace {

const ce::res::StringResource c_strings[] = {
    {IDS_GREETING, u"Hello from the module"},
    {IDS_MODULE_ONLY, u"Only the module has this"},
};
const ce::res::BitmapResource c_bitmaps[] = {
    {IDB_PICTURE, module_bitmaps::module_picture},
};
const ce::res::ModuleResources c_resources{.strings = c_strings, .bitmaps = c_bitmaps};
const ce::res::ModuleRegistration c_registration(c_resources);

// Registered after the first table: its copy of IDS_GREETING is never found.
const ce::res::StringResource c_moreStrings[] = {
    {IDS_GREETING, u"Shadowed by the first table"},
    {IDS_SECOND_TABLE, u"From the second table"},
};
const ce::res::ModuleResources c_moreResources{.strings = c_moreStrings};
const ce::res::ModuleRegistration c_moreRegistration(c_moreResources);

}  // namespace

extern "C" [[gnu::visibility("default")]] HINSTANCE resourceTestModuleInstance() {
    return c_registration.module();
}
