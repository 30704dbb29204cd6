// The program's resource table: the strings the viewer loads by number.
#include "ceresource.h"
#include "resources/ResourceIds.h"

namespace {

const ce::res::StringResource c_strings[] = {
    {IDS_APP_TITLE, u"Orvane"},
    {IDS_INDEXED, u"[indexed]"},
};

const ce::res::ModuleResources c_resources{.strings = c_strings};
const ce::res::ModuleRegistration c_registration(c_resources);

}  // namespace
