#include "cli/cli.h"

#include <CLI/CLI.hpp>
#include <iomanip>
#include <set>
#include <sstream>

#include "cli/options.h"
#include "io/io.h"
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

    // Starts a plug-in; one that cannot start is reported (as an error when the command
    // named it, else as a warning) and left out.
    bool start(host::Plugin& plugin, bool named = false) {
        if (plugin.started) return true;
        const char* prefix = named ? "kelvo: " : "kelvo: warning: ";
        try {
            KvResult result = loader.start(plugin);
            if (result == kResultOk) return true;
            err << prefix << plugin.name << ": start-up failed (" << result << ")\n";
        } catch (const host::LoadError& failure) {
            err << prefix << failure.what() << '\n';
        }
        return false;
    }

    host::Plugin* plugin(const std::string& name) {
        host::Plugin* found = loader.find(name);
        if (found == nullptr) {
            err << "kelvo: no plug-in named \"" << name << "\" (see kelvo list)\n";
            return nullptr;
        }
        return start(*found, true) ? found : nullptr;
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


host::FilterRecord* filterOf(Session& session, host::Plugin& plugin) {
    for (const auto& filter : session.host.filters())
        if (filter->plugin == &plugin) return filter.get();
    session.err << "kelvo: " << plugin.name << " registered no filter\n";
    return nullptr;
}

bool knownOutput(const std::string& path) {
    if (path == "-") return true;
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".svg" || extension == ".json" || extension == ".pdf" || extension == ".png";
}

// Selects the art the command line names: all, none, or ids of imported objects.
void select(doc::Document& document, const std::string& selection) {
    if (selection.empty() || selection == "none") return;
    std::vector<std::string> ids;
    if (selection != "all") {
        std::stringstream list(selection);
        for (std::string id; std::getline(list, id, ',');)
            if (!id.empty()) ids.push_back(id);
    }
    std::vector<doc::ArtId> chosen;
    std::set<std::string> found;
    document.forEach([&](const doc::Art& art) {
        if (art.kind == doc::ArtKind::layer) return;
        bool wanted = selection == "all" || std::find(ids.begin(), ids.end(), art.name) != ids.end();
        if (!wanted) return;
        chosen.push_back(art.id);
        found.insert(art.name);
    });
    for (const std::string& id : ids)
        if (!found.count(id)) throw UsageError("--select: no object with id \"" + id + "\"");
    for (doc::ArtId id : chosen) document.setSelected(id, true);
}

int exitFor(KvResult result) {
    if (result == kResultOk) return kExitDone;
    return result == kResultCancelled ? kExitCancelled : kExitFilterFailed;
}

int runFilter(const std::vector<std::string>& arguments, const std::filesystem::path& programDir, std::ostream& out,
              std::ostream& err) {
    RunOptions options = parseRunOptions(arguments, false);
    if (!knownOutput(options.output))
        throw UsageError("output \"" + options.output + "\": the extension must be .svg, .json, .pdf or .png");

    Session session(programDir, out, err);
    host::Host& host = session.host;
    if (!options.input.empty()) {
        std::vector<std::string> warnings;
        host.setDocument(io::importSvgFile(options.input, &warnings));
        for (const std::string& warning : warnings) err << "kelvo: warning: " << warning << '\n';
    }
    doc::Document& document = host.document();
    if (options.colourModel) document.setColourModel(*options.colourModel);
    if (!options.swatches.empty()) {
        std::vector<doc::Swatch> swatches(document.swatches().begin(), document.swatches().begin() + 2);
        for (doc::Swatch& swatch : readPalette(options.swatches)) swatches.push_back(std::move(swatch));
        document.setSwatches(std::move(swatches));
    }
    doc::PathStyle style = document.currentStyle();
    if (options.fill) {
        style.fillPaint = !options.fill->none;
        if (!options.fill->none) style.fill = options.fill->colour;
    }
    if (options.stroke) {
        style.strokePaint = !options.stroke->none;
        if (!options.stroke->none) style.stroke = options.stroke->colour;
    }
    if (options.strokeWidth) style.strokeWidth = *options.strokeWidth;
    document.setCurrentStyle(style);
    if (options.seed) host.seed(*options.seed);
    select(document, options.select);

    host::Plugin* plugin = session.plugin(options.name);
    if (plugin == nullptr) return kExitUsage;
    host::FilterRecord* filter = filterOf(session, *plugin);
    if (filter == nullptr) return kExitUsage;

    std::vector<toolkit::Action> script;
    for (const DialogAction& step : options.actions) {
        toolkit::Action action = step.action;
        action.presetList = step.preset;
        if (step.pickAt) action.artworkPoint = std::pair<double, double>{step.pickAt->x, step.pickAt->y};
        script.push_back(std::move(action));
    }
    if (options.cancel) script.push_back(toolkit::Action::make(toolkit::Action::Kind::cancel, "", ""));
    session.driver.addScript(std::move(script));

    KvResult result = session.loader.getParameters(*filter);
    if (!session.driver.failure().empty()) {
        err << "kelvo: " << session.driver.failure() << '\n';
        return kExitUsage;
    }
    if (result != kResultOk) return exitFor(result);
    result = session.loader.go(*filter);
    if (result != kResultOk) return exitFor(result);

    if (options.output == "-") {
        out << io::exportSvg(document);
    } else {
        io::writeDocument(document, options.output, options.dpi, options.input);
    }
    return kExitDone;
}

const char* typeLabel(toolkit::ItemType type) {
    switch (type) {
    case toolkit::ItemType::spinEdit: return "spin edit";
    case toolkit::ItemType::textStatic: return "static text";
    case toolkit::ItemType::popupList: return "popup list";
    case toolkit::ItemType::checkBox: return "check box";
    case toolkit::ItemType::pushButton: return "button";
    case toolkit::ItemType::picturePushButton: return "picture button";
    case toolkit::ItemType::frame: return "frame";
    }
    return "";
}

std::string rangeOf(const toolkit::Item& item) {
    std::ostringstream text;
    if (item.type == toolkit::ItemType::spinEdit) {
        if (item.isRealSpin() && item.minReal && item.maxReal) {
            text << std::fixed << std::setprecision(item.decimals) << *item.minReal << " .. " << *item.maxReal;
        } else if (item.minInt && item.maxInt) {
            text << *item.minInt << " .. " << *item.maxInt;
        }
    } else if (item.type == toolkit::ItemType::popupList) {
        text << item.entries.size() << " entries";
    }
    return text.str();
}

// The dialog's pages: each page button is clicked in turn, and an item belongs to the pages on
// which it shows; items showing on every page are the dialog's common column.
int describeFilter(const std::vector<std::string>& arguments, const std::filesystem::path& programDir,
                   std::ostream& out, std::ostream& err) {
    RunOptions options = parseRunOptions(arguments, true);
    Session session(programDir, out, err);
    session.host.seed(1);
    host::Plugin* plugin = session.plugin(options.name);
    if (plugin == nullptr) return kExitUsage;
    host::FilterRecord* filter = filterOf(session, *plugin);
    if (filter == nullptr) return kExitUsage;

    std::ostringstream listing;
    session.driver.inspect = [&](toolkit::Dialog& dialog) {
        using toolkit::ItemType;
        session.host.toolkit().probePages(dialog);
        std::vector<std::string> captions;
        for (int32_t id : dialog.pageButtons) {
            const toolkit::Item* button = dialog.item(id);
            const toolkit::Item* caption = nullptr;
            long bestDistance = 0;
            for (const auto& text : dialog.items) {
                if (text->type != ItemType::textStatic || text->text.empty()) continue;
                long dx = (text->bounds.left + text->bounds.right - button->bounds.left - button->bounds.right) / 2;
                long dy = (text->bounds.top + text->bounds.bottom - button->bounds.top - button->bounds.bottom) / 2;
                long distance = dx * dx + dy * dy;
                if (caption == nullptr || distance < bestDistance) caption = text.get(), bestDistance = distance;
            }
            captions.push_back(caption != nullptr ? caption->text : "");
        }
        std::size_t pageCount = dialog.pageButtons.size();
        listing << filter->name << ": " << dialog.title << " (" << dialog.bounds.right - dialog.bounds.left << " x "
                << dialog.bounds.bottom - dialog.bounds.top << ")\n";
        for (std::size_t page = 0; page < captions.size(); ++page)
            listing << "page " << page + 1 << ": " << captions[page] << '\n';
        listing << '\n' << std::left << std::setw(5) << "ID" << std::setw(16) << "TYPE" << std::setw(6) << "PAGE"
                << std::setw(30) << "LABEL" << std::setw(20) << "RANGE" << "VALUE\n";
        std::vector<toolkit::Item*> items;
        for (const auto& item : dialog.items) items.push_back(item.get());
        std::sort(items.begin(), items.end(), [](auto* a, auto* b) { return a->id < b->id; });
        for (toolkit::Item* item : items) {
            const std::set<int>& pages = dialog.pagesOf[item->id];
            std::string page = pages.empty() ? "-" : pages.size() == pageCount ? "all" : std::to_string(*pages.begin());
            if (pageCount == 0) page = "1";
            std::string label = item->text;
            if (item->type == ItemType::spinEdit || item->type == ItemType::popupList) {
                const toolkit::Item* text = dialog.labelOf(*item);
                label = text != nullptr ? text->text : "";
            }
            listing << std::setw(5) << item->id << std::setw(16) << typeLabel(item->type) << std::setw(6) << page
                    << std::setw(30) << label << std::setw(20) << rangeOf(*item) << item->valueText() << (item->enabled ? "" : " (disabled)") << '\n';
        }
        if (options.presets) {
            listing.str("");
            if (toolkit::Item* presets = dialog.presetList())
                for (const auto& entry : presets->entries) listing << entry->text.substr(entry->text.find_first_not_of(' ')) << '\n';
        }
        session.host.toolkit().perform(dialog, toolkit::Action::make(toolkit::Action::Kind::cancel, "", ""));
    };
    KvResult result = session.loader.getParameters(*filter);
    if (result != kResultCancelled && result != kResultOk) return exitFor(result);
    out << listing.str();
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
    app.add_subcommand("describe", "describe NAME [--presets]: the items of the filter's dialog (id, type, page, label, range, value)");
    app.add_subcommand("run", "run NAME [actions] [setup] -o OUT: run the filter's dialog headless, then Go, and write OUT");
    app.footer(R"(Actions for run, applied in the order given, each as the user's action on the item:
  --set ITEM=VALUE      ITEM: an id, or the label on the item's row (#2, #3, #4: the row's later boxes)
  --check ITEM, --uncheck ITEM, --click ITEM     (an id or the item's text)
  --choose LIST=ENTRY   (an index or the entry's text)     --preset ENTRY
  --tumble, --shuffle   --pick ITEM=X,Y  (the point in artwork coordinates)     --cancel
Setup for run:
  --in FILE.svg  --select all|none|ID,...  --seed N  --fill COLOUR  --stroke COLOUR
  --stroke-width W  --colour-model gray|rgb|cmyk  --swatches FILE.gpl  --dpi N (PNG, default 72)
  COLOUR: #rrggbb, rgb(r, g, b), cmyk(c, m, y, k), gray(g), none
Output by extension: .svg .json .pdf .png; -o - writes SVG to standard output.
Exit status: 0 done, 1 the filter failed, 2 usage or input error, 3 cancelled.)");

    // run and describe keep their actions in the order given: they are parsed here.
    if (!arguments.empty() && (arguments[0] == "run" || arguments[0] == "describe")) {
        std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
        if (std::find(rest.begin(), rest.end(), "--help") != rest.end() ||
            std::find(rest.begin(), rest.end(), "-h") != rest.end()) {
            out << app.help();
            return kExitDone;
        }
        try {
            return arguments[0] == "run" ? runFilter(rest, programDir, out, err) : describeFilter(rest, programDir, out, err);
        } catch (const UsageError& error) {
            err << "kelvo: " << error.what() << '\n';
        } catch (const io::Error& error) {
            err << "kelvo: " << error.what() << '\n';
        } catch (const std::exception& error) {
            err << "kelvo: " << error.what() << '\n';
        }
        return kExitUsage;
    }

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
