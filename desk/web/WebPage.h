#pragma once
// The page of the web desk: plain HTML, CSS and JavaScript and its font, compiled into the
// program.

#include <string>
#include <string_view>

namespace desk {

// An embedded file of the page by its name ("desk.html", "mask.js", ...); empty when none.
std::string_view pageFile(std::string_view name);
// A class name as a title: its words apart ("PNRCreationFax": "PNR Creation Fax").
std::string plainTitle(std::string_view className);
// The mask page for an instance. className and the texts of errorPage are HTML-escaped
// already.
std::string maskPage(std::string_view instanceId, std::string_view className);
std::string errorPage(std::string_view title, std::string_view message);

}  // namespace desk
