#include "cli/cli.h"

#include <CLI/CLI.hpp>

#include "loader/loader.h"
#include "suites/host.h"
#include "toolkit/toolkit.h"

namespace kelvo::cli {

namespace {

// One host with every plug-in found and started, for one command.
struct Session {
    host::Host host;
    host::Loader loader{host};
    toolkit::HeadlessDriver driver;
    std::ostream& err;

    Session(const std::filesystem::path& programDir, std::ostream& out, std::ostream& errors)
        : driver(out, errors), err(errors) {
        host.toolkit().setDriver(&driver);
        for (const std::string& warning : loader.discover(host::Loader::defaultFolders(programDir)))
            err << "kelvo: warning: " << warning << '\n';
    }

    // Starts every plug-in; one that cannot start is reported and left out.
    void startAll() {
        for (const auto& plugin : loader.plugins()) start(*plugin);
    }

    bool start(host::Plugin& plugin) {
        if (plugin.started) return true;
        try {
            KvResult result = loader.start(plugin);
            if (result == kResultOk) return true;
            err << "kelvo: warning: " << plugin.name << ": start-up failed (" << result << ")\n";
        } catch (const host::LoadError& failure) {
            err << "kelvo: warning: " << failure.what() << '\n';
        }
        return false;
    }

    host::Plugin* plugin(const std::string& name) {
        host::Plugin* found = loader.find(name);
        if (found == nullptr) {
            err << "kelvo: no plug-in named \"" << name << "\" (see kelvo list)\n";
            return nullptr;
        }
        return start(*found) ? found : nullptr;
    }
};

int listPlugins(Session& session, std::ostream& out) {
    session.startAll();
    for (const auto& filter : session.host.filters()) {
        if (!filter->plugin->started) continue;
        out << filter->name << '\t' << filter->category << '\t' << filter->title << '\n';
    }
    return kExitDone;
}

int about(Session& session, const std::string& name) {
    host::Plugin* plugin = session.plugin(name);
    if (plugin == nullptr) return kExitUsage;
    session.loader.send(*plugin, kKvCallerInterface, kKvSelectorAbout);
    return kExitDone;
}

}  // namespace

int run(const std::vector<std::string>& arguments, const std::filesystem::path& programDir, std::ostream& out,
        std::ostream& err) {
    CLI::App app{"kelvo: generative vector-art filters", "kelvo"};
    app.require_subcommand(1);
    app.set_help_all_flag("--help-all", "Help for every command");

    CLI::App* list = app.add_subcommand("list", "List the filters of every plug-in found: name, category, title");
    std::string aboutName;
    CLI::App* aboutCommand = app.add_subcommand("about", "Show a plug-in's About dialog");
    aboutCommand->add_option("NAME", aboutName, "registered name or short form (tessivo, ravelo, …)")->required();

    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kExitDone;
    } catch (const CLI::CallForAllHelp&) {
        out << app.help("", CLI::AppFormatMode::All);
        return kExitDone;
    } catch (const CLI::ParseError& error) {
        err << "kelvo: " << error.what() << " (kelvo --help)\n";
        return kExitUsage;
    }

    try {
        Session session(programDir, out, err);
        if (list->parsed()) return listPlugins(session, out);
        if (aboutCommand->parsed()) return about(session, aboutName);
    } catch (const std::exception& failure) {
        err << "kelvo: " << failure.what() << '\n';
        return kExitUsage;
    }
    return kExitUsage;
}

}  // namespace kelvo::cli
