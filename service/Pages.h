// The service's pages, made from the templates in the pages folder (UTF-8 there) and handed out
// in the scenario's charset.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "Scenarios.h"

namespace zelvo::service {

using Fields = std::map<std::string, std::string>;

// Reads every template of the folder; false when one is missing.
bool LoadTemplates(const std::string& folder);

// The template with each {{field}} replaced, in UTF-8.
std::string Fill(std::string_view templateName, const Fields& fields);

// Windows-1251 from UTF-8.
std::string ToCp1251(std::string_view utf8);

// The file's page frame around the body template, in the scenario's charset.
std::string FilePage(const Scenario& scenario, std::string_view bodyTemplate, const Fields& fields);

}  // namespace zelvo::service
