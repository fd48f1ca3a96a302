// The plug-in's options in an INI file, section by section, read anew for every lookup so that
// an edit by hand between jobs counts. Texts are kept in UTF-8 in the file.
#pragma once

#include <optional>
#include <string>

namespace zelvo::host {

// $XDG_CONFIG_HOME/zelvo-host/options.ini, or ~/.config/zelvo-host/options.ini.
std::string DefaultOptionFile();

void UseOptionFile(std::string path);

std::optional<std::string> ReadOption(const std::string& section, const std::string& name);
// False when the file cannot be written.
bool WriteOption(const std::string& section, const std::string& name, const std::string& value);

}  // namespace zelvo::host
