#pragma once
// The options of one command line, read once, before any part of Qt that needs a display
// starts: every mode's values come from here, in the code page of the files when asked.
#include <QString>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tivra {

// One option a mode takes.
struct OptionEntry {
    const char* name;      // without the dashes
    const char* valueName; // nullptr for an option that stands alone
    const char* help;      // UTF-8, one line
    bool path = false;     // a file or folder, taken where the user stood, before --dir
};

class CommandOptions {
  public:
    bool isSet(const std::string& name) const { return values_.contains(name); }
    // The value as typed (a path made absolute); empty when not given.
    QString text(const std::string& name) const;
    // The value as typed, even for a path.
    QString typed(const std::string& name) const;
    // The value in Windows-1252; nothing, with "Argumentet till --NAME har tecken som " +
    // `cannot` + "." on standard error, when it holds a character the code page lacks.
    std::optional<std::string> bytes(const std::string& name,
                                     const char* cannot = "bokningsfilen inte kan lagra") const;

    // Stores a value; false when the option was given already.
    bool add(const std::string& name, const QString& typed, const QString& value);

  private:
    struct Value {
        QString typed;
        QString value;
    };
    std::map<std::string, Value> values_;
};

// The options that every mode takes: --dir.
const std::vector<OptionEntry>& commonOptions();

} // namespace tivra
