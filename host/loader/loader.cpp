#include "loader/loader.h"

#include <dlfcn.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace kelvo::host {

namespace {

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// "KV07_Tessivo" -> "tessivo"
std::string shortName(const std::string& name) {
    auto underscore = name.find('_');
    return lower(underscore == std::string::npos ? name : name.substr(underscore + 1));
}

KvMessage messageFor(Host& host, Plugin& plugin) {
    return KvMessage{kKvMessageCheckWord, plugin.reference(), plugin.globals, host.basicSuite()};
}

// A document command spans Get Parameters and the Go after it.
struct Command {
    doc::Document& document;
    bool close;
    ~Command() {
        if (close) document.commitCommand();
    }
};

}  // namespace

Loader::Loader(Host& host) : host_(host) {}

Loader::~Loader() {
    for (auto& plugin : plugins_) {
        try {
            if (plugin->started) shutdown(*plugin);
            closeLibrary(*plugin);
        } catch (...) {
        }
        host_.removePlugin(plugin.get());
    }
}

std::vector<std::filesystem::path> Loader::defaultFolders(const std::filesystem::path& programDir) {
    std::vector<std::filesystem::path> folders;
    if (const char* path = std::getenv("KELVO_PLUGIN_PATH")) {
        std::string list = path;
        std::size_t start = 0;
        while (start <= list.size()) {
            std::size_t end = list.find(':', start);
            if (end == std::string::npos) end = list.size();
            if (end > start) folders.emplace_back(list.substr(start, end - start));
            start = end + 1;
        }
    }
    folders.push_back(programDir / "plugins");
    return folders;
}

std::vector<std::string> Loader::discover(const std::vector<std::filesystem::path>& folders) {
    std::vector<std::string> warnings;
    for (const auto& folder : folders) {
        std::error_code error;
        if (!std::filesystem::is_directory(folder, error)) continue;
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error))
            if (entry.path().extension() == ".json") files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const auto& file : files) {
            // The first folder that has a plug-in wins.
            if (find(file.stem().string()) != nullptr) continue;
            try {
                add(file);
            } catch (const LoadError& failure) {
                warnings.push_back(failure.what());
            }
        }
    }
    return warnings;
}

Plugin& Loader::add(const std::filesystem::path& resourceFile) {
    auto plugin = std::make_unique<Plugin>();
    plugin->name = resourceFile.stem().string();
    plugin->resourceFile = resourceFile;
    plugin->resources = readResources(resourceFile);
    plugin->libraryPath = resourceFile.parent_path() / plugin->resources.properties.library;
    host_.addPlugin(plugin.get());
    plugins_.push_back(std::move(plugin));
    return *plugins_.back();
}

Plugin* Loader::find(const std::string& name) const {
    std::string wanted = lower(name);
    for (const auto& plugin : plugins_) {
        if (lower(plugin->name) == wanted || shortName(plugin->name) == wanted) return plugin.get();
    }
    for (const auto& filter : host_.filters()) {
        if (lower(filter->name) == wanted || shortName(filter->name) == wanted) return filter->plugin;
    }
    return nullptr;
}

void Loader::openLibrary(Plugin& plugin) {
    if (plugin.library != nullptr) return;
    void* library = dlopen(plugin.libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* reason = dlerror();
        throw LoadError(plugin.libraryPath.string() + ": cannot be loaded (" + (reason ? reason : "unknown") + ")");
    }
    void* entry = dlsym(library, plugin.resources.properties.entryPoint.c_str());
    if (entry == nullptr) {
        dlclose(library);
        throw LoadError(plugin.libraryPath.string() + ": no entry point \"" + plugin.resources.properties.entryPoint + "\"");
    }
    plugin.library = library;
    plugin.main = reinterpret_cast<KvPluginMainProc>(entry);
}

void Loader::closeLibrary(Plugin& plugin) {
    if (plugin.library == nullptr) return;
    dlclose(plugin.library);
    plugin.library = nullptr;
    plugin.main = nullptr;
}

KvResult Loader::deliver(Plugin& plugin, const char* caller, const char* selector, void* message) {
    if (plugin.main == nullptr) throw LoadError(plugin.name + ": not loaded");
    KvResult result = plugin.main(caller, selector, message);
    plugin.globals = static_cast<KvMessage*>(message)->globals;
    return result;
}

KvResult Loader::send(Plugin& plugin, const char* caller, const char* selector) {
    KvMessage message = messageFor(host_, plugin);
    return deliver(plugin, caller, selector, &message);
}

KvResult Loader::start(Plugin& plugin) {
    openLibrary(plugin);
    KvResult result = send(plugin, kKvCallerInterface, kKvSelectorStartup);
    plugin.started = true;
    return result;
}

KvResult Loader::shutdown(Plugin& plugin) {
    KvResult result = kResultOk;
    if (plugin.library != nullptr) result = send(plugin, kKvCallerInterface, kKvSelectorShutdown);
    plugin.started = false;
    closeLibrary(plugin);
    return result;
}

KvResult Loader::unload(Plugin& plugin) {
    KvResult result = send(plugin, kKvCallerAccess, kKvSelectorUnload);
    closeLibrary(plugin);
    return result;
}

KvResult Loader::reload(Plugin& plugin) {
    openLibrary(plugin);
    return send(plugin, kKvCallerAccess, kKvSelectorReload);
}

KvResult Loader::getParameters(FilterRecord& filter) {
    Plugin& plugin = *filter.plugin;
    host_.document().beginCommand();
    KvFilterMessage message{messageFor(host_, plugin), reinterpret_cast<KvFilterHandle>(&filter), filter.parameters};
    KvResult result = deliver(plugin, kKvCallerFilter, kKvSelectorGetParameters, &message);
    filter.parameters = message.parameters;
    if (result != kResultOk) host_.document().commitCommand();
    return result;
}

KvResult Loader::go(FilterRecord& filter) {
    Plugin& plugin = *filter.plugin;
    doc::Document& document = host_.document();
    Command command{document, true};
    document.beginCommand();
    KvFilterMessage message{messageFor(host_, plugin), reinterpret_cast<KvFilterHandle>(&filter), filter.parameters};
    KvResult result = deliver(plugin, kKvCallerFilter, kKvSelectorGo, &message);
    filter.parameters = message.parameters;
    return result;
}

KvResult Loader::runFilter(FilterRecord& filter) {
    KvResult result = getParameters(filter);
    if (result != kResultOk) return result;
    return go(filter);
}

}  // namespace kelvo::host
