#include "app/CommandOptions.h"

#include "core/Text1252.h"

#include <iostream>

namespace tivra {

QString CommandOptions::text(const std::string& name) const {
    auto found = values_.find(name);
    return found == values_.end() ? QString() : found->second.value;
}

QString CommandOptions::typed(const std::string& name) const {
    auto found = values_.find(name);
    return found == values_.end() ? QString() : found->second.typed;
}

std::optional<std::string> CommandOptions::bytes(const std::string& name, const char* cannot) const {
    std::optional<std::string> bytes = fromUtf8(text(name).toStdString());
    if (!bytes) {
        std::cerr << "Argumentet till --" << name << " har tecken som " << cannot << ".\n";
    }
    return bytes;
}

bool CommandOptions::add(const std::string& name, const QString& typed, const QString& value) {
    return values_.emplace(name, Value{typed, value}).second;
}

const std::vector<OptionEntry>& commonOptions() {
    static const std::vector<OptionEntry> common{
        {"dir", "MAPP", "Mappen med Tivra.ini; utan den aktuell mapp.", true},
    };
    return common;
}

} // namespace tivra
