// The sample databases of a fresh handheld, and their registration as the filling of the
// default volume when it is first created.
#include "SampleDatabases.h"

#include "SampleBuilder.h"
#include "ceobjstore.h"

namespace ce::objstore {

bool createSampleDatabases() {
    // Thousands of records: one transaction for all of them, not one disk sync each.
    if (!beginBatch()) return false;
    bool made = samples::createContacts() && samples::createCalendar() && samples::createMessages() &&
                samples::createCallLog() && samples::createNotifications();
    return endBatch() && made;
}

namespace {

bool fillDefaultVolume() {
    return createSampleDatabases();
}

// Runs when the platform library is loaded, before anything can open the default volume.
const bool c_registered = (setDefaultVolumeInitializer(fillDefaultVolume), true);

}  // namespace

}  // namespace ce::objstore
