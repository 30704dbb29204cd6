// Until the presenters exist, the queue waits for posts by itself.
#include "display/Presenter.h"

namespace ce::display {

void startPresenter() {}

}  // namespace ce::display
