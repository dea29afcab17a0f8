// The site's stylesheet and script, built into the program from
// site/assets/site.css and site/assets/site.js.
#pragma once

#include <string_view>

namespace yl::site {

extern const std::string_view kSiteStyle;
extern const std::string_view kSiteScript;

}  // namespace yl::site
