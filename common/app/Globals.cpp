// Storage of the libraries' process-wide state.
#include "app/Globals.h"

namespace Nevo {

App* Globals::c_app = nullptr;

}  // namespace Nevo
