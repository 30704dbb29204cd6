// The viewer's models on the volume: the catalogue read, and a database browsed record by
// record in two orders, then searched for repeats.
#include <windbase.h>

#include <memory>

#include "app/Globals.h"
#include "catalogue/DbItem.h"
#include "catalogue/DbList.h"
#include "db/CeDatabase.h"
#include "duplicates/DupList.h"
#include "items/TextItem.h"
#include "reader/PropList.h"
#include "StoreScenarios.h"
#include "VolumeState.h"
#include "viewer/support/ResourceApp.h"

namespace sweep {

namespace {

std::string narrow(const WCHAR* text, int length) {
    std::string shown;
    for (int i = 0; i < length; ++i) shown += text[i] < 0x80 ? static_cast<char>(text[i]) : '?';
    return shown;
}

std::string linesOf(Nevo::ArrayListModel& list) {
    std::string shown;
    WCHAR buffer[256];
    for (UINT i = 0; i < list.size(); ++i) {
        auto* item = dynamic_cast<Orvane::TextItem*>(list.at(i));
        if (!item) continue;
        shown += narrow(buffer, item->getLine1Text(buffer, 256)) + " | ";
        shown += narrow(buffer, item->getLine2Text(buffer, 256)) + "\n";
    }
    return shown;
}

// A step of the models: it failed when it showed an error box; "out of memory" when the
// box or the last error says so.
StepResult judged(const std::function<std::string()>& body) {
    boxesShown().clear();
    SetLastError(0);
    std::string shown = body();
    for (const std::u16string& box : boxesShown()) {
        std::string text = narrow(box.data(), static_cast<int>(box.size()));
        bool outOfMemory = text.find("error 8") != std::string::npos || text.find("error 14") != std::string::npos ||
                           isOutOfMemory(GetLastError());
        return outOfMemory ? StepResult{Outcome::OutOfMemory, {}, {}} : StepResult{Outcome::OtherError, {}, text};
    }
    return {Outcome::Done, shown, {}};
}

UINT indexOf(Orvane::DbList& list, const std::u16string& name) {
    for (UINT i = 0; i < list.size(); ++i)
        if (static_cast<Orvane::DbItem*>(list.at(i))->getName() == name) return i;
    return list.size();
}

std::string browse() {
    Orvane::DbList catalogue;
    catalogue.refresh();
    Nevo::CeDatabase* database = catalogue.openDatabase(indexOf(catalogue, u"Contacts"), nullptr);
    if (!database) return "not opened";
    Orvane::PropList records(database);
    std::string shown = linesOf(records);
    while (records.moveNext()) shown += linesOf(records);
    records.reopen(0);
    while (records.moveNext()) shown += linesOf(records);
    std::unique_ptr<Orvane::DupList> repeats(records.checkDuplicates(0));
    shown += repeats ? "repeats:\n" + linesOf(*repeats) : "no repeats\n";
    return shown;
}

std::vector<Step> viewerSteps(bool browsing) {
    static viewer_test::ResourceApp app;
    Nevo::Globals::setActiveApp(&app);
    std::vector<Step> steps{{"read the catalogue", [] {
                                 return judged([] {
                                     Orvane::DbList catalogue;
                                     catalogue.refresh();
                                     return linesOf(catalogue);
                                 });
                             }}};
    if (browsing) steps.push_back({"browse Contacts and find repeats", [] { return judged(browse); }});
    return steps;
}

}  // namespace

std::vector<Scenario> viewerScenarios() {
    return {
        {"catalogue", "the viewer's catalogue read from the volume", true, true, [] { return viewerSteps(false); }},
        {"browse", "the viewer browsing a database in two orders and finding its repeats", true, true,
         [] { return viewerSteps(true); }},
    };
}

}  // namespace sweep
