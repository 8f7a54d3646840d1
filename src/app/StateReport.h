#pragma once
// What the command-line modes print of the loaded state.
#include "config/Program.h"

#include <QJsonObject>

#include <string>
#include <utility>
#include <vector>

namespace tivra {

// The summary of `tivra check`: name and value pairs, Windows-1252 bytes.
std::vector<std::pair<std::string, std::string>> checkSummary(const Program& program);

// The loaded state as `tivra export --json` writes it.
QJsonObject exportJson(const Program& program);

} // namespace tivra
