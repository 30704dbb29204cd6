// The plain text of one topic of an HTML help file: the element with id=TOPIC (or an
// <a name=TOPIC>) up to the next heading of the same or a higher level.
#pragma once

#include <optional>
#include <string>

namespace peghelp {

// The topic's text, tags stripped and entities decoded; nothing when there is no such topic.
std::optional<std::string> sectionText(const std::string& html, const std::string& topic);

}  // namespace peghelp
