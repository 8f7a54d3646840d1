#include "app/CommandLine.h"

#include "app/BookCommand.h"
#include "app/CancelCommand.h"
#include "app/CheckCommand.h"
#include "app/CommandHelp.h"
#include "app/ExportCommand.h"
#include "app/FreeCommand.h"
#include "app/HistoryCommand.h"
#include "app/PrintCommand.h"
#include "core/Disk.h"
#include "core/Text1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <system_error>

namespace tivra {
namespace {

const std::vector<const CommandMode*>& modes() {
    static const std::vector<const CommandMode*> all{
        &checkMode(), &exportMode(), &bookMode(), &cancelMode(), &freeMode(), &printMode(), &historyMode()};
    return all;
}

const CommandMode* modeNamed(const QString& word) {
    auto found =
        std::ranges::find_if(modes(), [&](const CommandMode* m) { return word == QLatin1String(m->name); });
    return found == modes().end() ? nullptr : *found;
}

std::string utf8(const QString& text) {
    return text.toStdString();
}

Answer wrong(const std::string& text) {
    return {ExitStatus::Ended, text + '\n'};
}

std::filesystem::path fsPath(const QString& path) {
    return {path.toStdU16String()};
}

// Why the folder cannot be worked in; nothing when it can.
std::optional<Answer> folderRefusal(const QString& folder) {
    std::error_code error;
    const auto status = std::filesystem::status(fsPath(folder), error);
    if (!std::filesystem::exists(status)) {
        return wrong("Mappen " + utf8(folder) + " finns inte.");
    }
    if (!std::filesystem::is_directory(status)) {
        error = std::make_error_code(std::errc::not_a_directory);
    } else {
        std::filesystem::directory_iterator(fsPath(folder), error);
    }
    if (error) {
        return wrong("Mappen " + utf8(folder) + " kan inte öppnas: " + toUtf8(systemErrorText(error)));
    }
    return std::nullopt;
}

const OptionEntry* optionNamed(const std::vector<OptionEntry>& options, const std::string& name) {
    auto found = std::ranges::find_if(options, [&](const OptionEntry& o) { return name == o.name; });
    return found == options.end() ? nullptr : &*found;
}

const OptionEntry* anyOption(const std::string& name) {
    if (const OptionEntry* common = optionNamed(commonOptions(), name)) {
        return common;
    }
    for (const CommandMode* mode : modes()) {
        if (const OptionEntry* option = optionNamed(mode->options, name)) {
            return option;
        }
    }
    return nullptr;
}

// The words split into options and the rest, every value taken, nothing yet checked
// against a mode.
struct Split {
    CommandOptions options;
    std::vector<std::string> given; // option names in order
    QStringList words;
    bool help = false;
    bool version = false;
};

// Reads one option at `i` into `split`; a refusal when it is unknown, given twice, or
// lacks its value.
std::optional<Answer> readOption(const QStringList& words, qsizetype& i, Split& split) {
    const QString& word = words[i];
    const qsizetype equals = word.indexOf(QLatin1Char('='));
    const std::string name = utf8(word.mid(2, equals < 0 ? -1 : equals - 2));
    const OptionEntry* option = anyOption(name);
    if (option == nullptr) {
        return wrong("Okänd flagga: " + utf8(word.left(equals < 0 ? word.size() : equals)) +
                     ". Se tivra --help.");
    }
    if (option->valueName == nullptr && equals >= 0) {
        return wrong("--" + name + " tar inget värde.");
    }
    QString value;
    if (option->valueName != nullptr) {
        const bool next =
            equals < 0 && i + 1 < words.size() && !words[i + 1].startsWith(QStringLiteral("--"));
        if (equals < 0 && !next) {
            return wrong("Värde saknas efter --" + name + ".");
        }
        value = equals >= 0 ? word.mid(equals + 1) : words[++i];
        // A file or folder needs a name; an empty one would mean where the user stands.
        if (option->path && value.isEmpty()) {
            return wrong("Värde saknas efter --" + name + ".");
        }
    }
    const QString resolved = option->path ? QFileInfo(value).absoluteFilePath() : value;
    if (!split.options.add(name, value, resolved)) {
        return wrong("--" + name + " är angiven två gånger.");
    }
    split.given.push_back(name);
    return std::nullopt;
}

std::variant<Split, Answer> split(const QStringList& words) {
    Split out;
    bool onlyWords = false; // after "--"
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (!onlyWords && word == QStringLiteral("--")) {
            onlyWords = true;
        } else if (!onlyWords && (word == QStringLiteral("--help") || word == QStringLiteral("-h") ||
                                  word == QStringLiteral("-?"))) {
            out.help = true;
        } else if (!onlyWords && (word == QStringLiteral("--version") || word == QStringLiteral("-v"))) {
            out.version = true;
        } else if (!onlyWords && word.startsWith(QStringLiteral("--"))) {
            if (std::optional<Answer> refusal = readOption(words, i, out)) {
                return *refusal;
            }
        } else if (!onlyWords && word.startsWith(QLatin1Char('-')) && word.size() > 1) {
            return wrong("Okänd flagga: " + utf8(word) + ". Se tivra --help.");
        } else {
            out.words.append(word);
        }
    }
    return out;
}

// The first option given that `allowed` lacks.
std::optional<std::string> foreignOption(const Split& s, const std::vector<OptionEntry>& allowed) {
    for (const std::string& name : s.given) {
        if (optionNamed(commonOptions(), name) == nullptr && optionNamed(allowed, name) == nullptr) {
            return name;
        }
    }
    return std::nullopt;
}

CommandCall modeCall(const CommandMode& mode, Split& s) {
    if (s.words.size() > 1) {
        return wrong("Okänt ord efter läget " + std::string(mode.name) + ": " + utf8(s.words[1]) +
                     ". Se tivra --help.");
    }
    if (std::optional<std::string> name = foreignOption(s, mode.options)) {
        return wrong("Läget " + std::string(mode.name) + " har ingen flagga --" + *name +
                     ". Se tivra --help.");
    }
    if (s.options.isSet("dir")) {
        if (std::optional<Answer> refusal = folderRefusal(s.options.text("dir"))) {
            return *refusal;
        }
    }
    return ModeCall{&mode, std::move(s.options)};
}

CommandCall windowCall(const Split& s) {
    if (std::optional<std::string> name = foreignOption(s, {})) {
        return wrong("Flaggan --" + *name + " hör till ett läge; ange läget. Se tivra --help.");
    }
    WindowStart start;
    if (s.options.isSet("dir")) {
        start.folder = s.options.text("dir");
    }
    if (!s.words.isEmpty()) {
        const QFileInfo named(s.words.front());
        if (!named.exists()) {
            return wrong("Okänt läge eller fil: " + utf8(s.words.front()) + ". Se tivra --help.");
        }
        if (s.words.size() > 1 || s.options.isSet("dir")) {
            return wrong("Ange en mapp eller en fil, inte flera. Se tivra --help.");
        }
        start.folder = named.isDir() ? named.absoluteFilePath() : named.absolutePath();
        start.bookingFile = named.isDir() ? QString() : named.absoluteFilePath();
    }
    if (!start.folder.isEmpty()) {
        if (std::optional<Answer> refusal = folderRefusal(start.folder)) {
            return *refusal;
        }
    }
    return WindowCall{start};
}

// Printing measures text with the fonts of a GUI application; from a script there is no
// display, and no window is ever shown, so the platform without one does.
// Qt's own notes on that environment (no runtime folder, no session) would only bury
// the program's messages in a script's log; what is critical still shows.
void quietNotes(QtMsgType type, const QMessageLogContext& /*context*/, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << text.toStdString() << '\n';
    }
}

std::unique_ptr<QCoreApplication> application(const CommandMode& mode, int& argc, char** argv) {
    if (mode.prints) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        qInstallMessageHandler(quietNotes);
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

// Moves into --dir; false with the reason printed when that fails.
bool enterFolder(const CommandOptions& options) {
    if (!options.isSet("dir")) {
        return true;
    }
    std::error_code error;
    std::filesystem::current_path(fsPath(options.text("dir")), error);
    if (error) {
        std::cerr << "Mappen " << utf8(options.typed("dir"))
                  << " kan inte öppnas: " << toUtf8(systemErrorText(error)) << '\n';
    }
    return !error;
}

int runMode(ModeCall& call, int argc, char** argv, const ChangeSetup& setup, const PrinterMaker& printer) {
    if (!enterFolder(call.options)) {
        return exitCode(ExitStatus::Ended);
    }
    std::unique_ptr<QCoreApplication> app = application(*call.mode, argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tivra"));
    return exitCode(call.mode->run(CommandContext{call.options, setup, printer}));
}

} // namespace

CommandCall readCommandLine(const QStringList& words) {
    std::variant<Split, Answer> parts = split(words);
    if (Answer* refusal = std::get_if<Answer>(&parts)) {
        return *refusal;
    }
    Split& s = std::get<Split>(parts);
    if (s.help) {
        return Answer{ExitStatus::Done, helpText(modes())};
    }
    if (s.version) {
        return Answer{ExitStatus::Done, std::string("tivra ") + TIVRA_VERSION + '\n'};
    }
    if (const CommandMode* mode = s.words.isEmpty() ? nullptr : modeNamed(s.words.front())) {
        return modeCall(*mode, s);
    }
    return windowCall(s);
}

int runCommandLine(int argc, char** argv, const WidgetParts& parts, const ChangeSetup& setup) {
    QStringList words;
    for (int i = 1; i < argc; ++i) {
        words.append(QString::fromLocal8Bit(argv[i]));
    }
    CommandCall call = readCommandLine(words);
    if (const Answer* answer = std::get_if<Answer>(&call)) {
        (answer->status == ExitStatus::Done ? std::cout : std::cerr) << answer->text << std::flush;
        return exitCode(answer->status);
    }
    if (ModeCall* mode = std::get_if<ModeCall>(&call)) {
        return runMode(*mode, argc, argv, setup, parts.printer);
    }
    return parts.window(argc, argv, std::get<WindowCall>(call).start);
}

} // namespace tivra
