#pragma once

#include "engine/text.h"

#include <string>
#include <string_view>

namespace vantor {

// Expression texts to and from UTF-8, as the command line and files hold
// them; invalid UTF-8 becomes U+FFFD, and so does a lone surrogate.
Text fromUtf8(std::string_view utf8);
std::string toUtf8(TextView text);

} // namespace vantor
